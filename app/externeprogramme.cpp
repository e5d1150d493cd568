#include "app/externeprogramme.h"

#include "app/konfiguration.h"
#include "core/projekt.h"
#include "core/zahlenformat.h"
#include "platform/meldung.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString Tamsor = QStringLiteral("tamsor");

bool istDatei(const QString& pfad)
{
    const QFileInfo info(pfad);
    return info.exists() && !info.isDir();
}

// What is started, also when the file has gone in the meantime: then the
// start itself reports it.
QString Startdatei(const QString& programmpfad, const QString& name)
{
    const QString datei = ProgrammDatei(programmpfad, name);
    return datei.isEmpty() ? QDir(programmpfad).filePath(name) : datei;
}

void Starten(const QString& programm, const QStringList& argumente, bool mitDatei)
{
    const TStartErgebnis ergebnis = StarteProgramm(programm, argumente);
    if (ergebnis.gestartet)
        return;
    // The message shows the command as one line; the start itself passes
    // the file name as one argument, blanks and all.
    QStringList teile{programm};
    teile += argumente;
    const QString kommandozeile = teile.join(QLatin1Char(' '));
    Meldung(MeldungsArt::Fehler, StartFehlertext(ergebnis.code, kommandozeile, mitDatei));
}

} // namespace

bool ProgrammnameZulaessig(const QString& name)
{
    if (name.trimmed().isEmpty() || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString ProgrammDatei(const QString& programmpfad, const QString& name)
{
    if (!ProgrammnameZulaessig(name))
        return {};
    const QDir ordner(programmpfad);
    for (const QString& datei : {name + QStringLiteral(".exe"), name + QStringLiteral(".EXE")}) {
        if (istDatei(ordner.filePath(datei)))
            return ordner.filePath(datei);
    }
    // Without the extension only a program counts, not any file of that name.
    const QFileInfo programm(ordner.filePath(name));
    if (istDatei(programm.filePath()) && programm.isExecutable())
        return programm.filePath();
    return {};
}

QString Programmname(const QString& dateiname)
{
    QString name = QFileInfo(dateiname).fileName();
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

QString StartFehlertext(int code, const QString& kommandozeile, bool mitDatei)
{
    switch (code) {
    case 0:
        return QStringLiteral("Zuwenig Speicher oder Datei zerstört");
    case 2:
        return mitDatei ? QStringLiteral("Datei ") + kommandozeile + QStringLiteral(" nicht gefunden")
                        : QStringLiteral("Datei nicht gefunden");
    case 3:
        return QStringLiteral("Pfad nicht gefunden");
    case 8:
        return QStringLiteral("Zu wenig Speicherplatz");
    default:
        return QStringLiteral("Sonstiger Fehler (") + IntEditText(code) + QLatin1Char(')');
    }
}

void ExternClick(const QString& programmpfad, const QString& name, const QString& dateiname)
{
    if (!ProgrammnameZulaessig(name))
        return;
    QStringList argumente;
    if (dateiname != NeuerProjektname)
        argumente.append(dateiname);
    Starten(Startdatei(programmpfad, name), argumente, true);
}

void RealExperimentStarten(const QString& programmpfad)
{
    Starten(Startdatei(programmpfad, Tamsor), {}, false);
}

void FuzzyImInternet()
{
    OeffneAdresse(FuzzyAdresse);
}

QList<QAction*> ProgrammeintraegeAnhaengen(QMenu* menue, const QString& programmpfad, const TIniDatei& ini,
                                           std::function<QString()> dateiname)
{
    QList<QAction*> eintraege;
    for (const QString& name : Programmnamen(ini, QStringLiteral("Nix"))) {
        // "&" would turn into an access key; the caption shows the name as written.
        QString text = name;
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = menue->addAction(text);
        a->setStatusTip(QStringLiteral("Das Programm ") + name + QStringLiteral(" mit dem aktuellen Projekt starten"));
        a->setEnabled(!ProgrammDatei(programmpfad, name).isEmpty());
        QObject::connect(a, &QAction::triggered, menue, [programmpfad, name, dateiname] {
            ExternClick(programmpfad, name, dateiname());
        });
        eintraege.append(a);
    }
    return eintraege;
}
