#include "app/einrichtung.h"

#include "app/externeprogramme.h"
#include "platform/dateitypen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString ohneSteuerzeichen(const QString& name)
{
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return {};
    }
    return name;
}

} // namespace

QStringList EigeneProgramme()
{
    QStringList eigene{QStringLiteral("tarvik"), QStringLiteral("tarvik-cli")};
    const QString laufend = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (!laufend.isEmpty() && !eigene.contains(laufend))
        eigene.append(laufend);
    const QStringList ohneEndung = eigene;
    for (const QString& name : ohneEndung)
        eigene.append(name + QStringLiteral(".exe"));
    return eigene;
}

QStringList Programmdateien(const QString& pfad)
{
    const QStringList eigene = EigeneProgramme();
    QStringList namen;
    const QFileInfoList dateien = QDir(pfad).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& datei : dateien) {
        const QString name = ohneSteuerzeichen(datei.fileName());
        if (name.isEmpty() || eigene.contains(name))
            continue;
        if (datei.isExecutable() || name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive))
            namen.append(name);
    }
    return namen;
}

TInitDaten EinrichtungLesen(const QString& programmpfad, const QString& datei)
{
    const TIniDatei ini = TIniDatei::Laden(KonfigurationsQuelle(programmpfad, datei));
    TInitDaten d;
    d.Programmdateien = Programmdateien(programmpfad);
    d.Konfiguration.Programme = Programmnamen(ini, QString());
    d.Konfiguration.Eintrag = ini.ReadBool(Konfiguration::Extension, Konfiguration::Eintrag, false);
    d.Konfiguration.Tamsor = ini.ReadBool(Konfiguration::Extension, Konfiguration::Tamsor, false);
    return d;
}

bool EinrichtungSpeichern(const QString& programmpfad, const QString& datei, const TKonfiguration& k)
{
    if (!KonfigurationSchreiben(datei, k, TIniDatei::Laden(KonfigurationsQuelle(programmpfad, datei))))
        return false;
    const QString tamsor = ProgrammDatei(programmpfad, QStringLiteral("tamsor"));
    const TDateityp typen[] = {
        {QStringLiteral("fuz"), QDir(programmpfad).filePath(QStringLiteral("tarvik.exe ^.fuz")),
         QDir(programmpfad).filePath(QStringLiteral("tarvik")), QStringLiteral("Tarvik"), QStringLiteral("Fuzzy-Datei")},
        {QStringLiteral("exp"), QDir(programmpfad).filePath(QStringLiteral("tamsor.exe ^.exp")),
         tamsor.isEmpty() ? QDir(programmpfad).filePath(QStringLiteral("tamsor")) : tamsor, QStringLiteral("Tamsor"),
         QStringLiteral("Experiment-Datei")},
    };
    const bool an[] = {k.Eintrag, k.Tamsor};
    for (int i = 0; i < 2; ++i) {
        if (an[i])
            DateitypVerknuepfen(typen[i]);
        else
            DateitypLoesen(typen[i].endung);
    }
    return true;
}

QString KonfigurationNichtGeschrieben(const QString& datei)
{
    return QStringLiteral("Die Datei ") + QDir::toNativeSeparators(datei) +
           QStringLiteral(" konnte nicht geschrieben werden.\rDie Einstellungen wurden nicht gespeichert.");
}
