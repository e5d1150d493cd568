#include "platform/dateitypen.h"

#include "core/ini.h"
#include "core/textdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <utility>

namespace {

const QString Extensions = QStringLiteral("Extensions");
const QString Standardprogramme = QStringLiteral("Default Applications");

QString konfigurationsordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString datenordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString mimePaket(const QString& endung)
{
    return datenordner() + QStringLiteral("/mime/packages/tarvik-") + endung + QStringLiteral(".xml");
}

QString desktopPfad(const QString& endung)
{
    return datenordner() + QStringLiteral("/applications/") + Xdg::DesktopDatei(endung);
}

QString mimeappsPfad()
{
    return konfigurationsordner() + QStringLiteral("/mimeapps.list");
}

bool schreiben(const QString& pfad, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return DateiErsetzen(pfad, bytes) == SchreibErgebnis::Ok;
}

bool iniSchreiben(const QString& pfad, const TIniDatei& ini)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return ini.Speichern(pfad) == SchreibErgebnis::Ok;
}

QString xml(const QString& text)
{
    return text.toHtmlEscaped();
}

// The escapes of a desktop entry's string value, applied last.
QString zeichenketteMaskiert(const QString& text)
{
    QString aus;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': aus += QStringLiteral("\\\\"); break;
        case '\n': aus += QStringLiteral("\\n"); break;
        case '\t': aus += QStringLiteral("\\t"); break;
        case '\r': aus += QStringLiteral("\\r"); break;
        default: aus += c;
        }
    }
    return aus;
}

// A link of ours, also one whose program has gone.
bool verweisEntfernen(const QString& pfad)
{
    return QFileInfo(pfad).isSymLink() && QFile::remove(pfad);
}

// A value of a desktop entry: one line.
QString einzeilig(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

void cachesErneuern()
{
    const QString mime = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!mime.isEmpty())
        QProcess::startDetached(mime, {datenordner() + QStringLiteral("/mime")});
    const QString desktop = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (!desktop.isEmpty())
        QProcess::startDetached(desktop, {datenordner() + QStringLiteral("/applications")});
}

bool unsererEintrag(const QString& wert, const QString& desktop)
{
    QString w = wert.trimmed();
    if (w.endsWith(QLatin1Char(';')))
        w.chop(1);
    return w == desktop;
}

void standardVerknuepfen(const TDateityp& typ)
{
    Xdg::Verknuepfen(typ);
}

void standardLoesen(const QString& endung)
{
    Xdg::Loesen(endung);
}

TDateitypHandler& handler()
{
    static TDateitypHandler h{standardVerknuepfen, standardLoesen};
    return h;
}

} // namespace

namespace Xdg {

QString MimeTyp(const QString& endung)
{
    return QStringLiteral("application/x-tarvik-") + endung.toLower();
}

QString DesktopDatei(const QString& endung)
{
    return QStringLiteral("tarvik-") + endung.toLower() + QStringLiteral(".desktop");
}

QString ExtensionsDatei()
{
    return konfigurationsordner() + QStringLiteral("/tarvik/extensions.ini");
}

QString Startverweis(const QString& endung)
{
    return datenordner() + QStringLiteral("/tarvik/bin/tarvik-") + endung.toLower();
}

bool SchlichterPfad(const QString& pfad)
{
    if (pfad.isEmpty())
        return false;
    for (const QChar c : pfad) {
        if (!c.isLetterOrNumber() && !QStringLiteral("/._-+,:@=").contains(c))
            return false;
    }
    return true;
}

QString ExecArgument(const QString& argument)
{
    if (SchlichterPfad(argument))
        return zeichenketteMaskiert(argument);
    // Inside quotes only these four need a backslash; "%" is doubled as
    // everywhere in the line.
    QString innen;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            innen += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            innen += QLatin1Char('%');
        innen += c;
    }
    return zeichenketteMaskiert(QLatin1Char('"') + innen + QLatin1Char('"'));
}

bool Verknuepfen(const TDateityp& typ, bool caches)
{
    const QString endung = typ.endung.toLower();
    const QString mime = MimeTyp(endung);
    bool ok = true;

    TIniDatei liste = TIniDatei::Laden(ExtensionsDatei());
    liste.WriteString(Extensions, endung, typ.wert);
    ok = iniSchreiben(ExtensionsDatei(), liste) && ok;

    const QString paket = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"%1\">\n"
        "    <sub-class-of type=\"text/plain\"/>\n"
        "    <comment>%2</comment>\n"
        "    <comment xml:lang=\"de\">%2</comment>\n"
        "    <glob pattern=\"*.%3\"/>\n"
        "    <glob pattern=\"*.%4\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n")
        .arg(xml(mime), xml(typ.beschreibung), xml(endung), xml(endung.toUpper()));
    ok = schreiben(mimePaket(endung), paket.toUtf8()) && ok;

    // Launchers differ on an Exec line that needs quotes: xdg-open in its
    // generic mode cuts the program at the first blank and takes the quotes
    // as part of its name, and GLib looks the program up before it turns
    // "%%" into "%". So a program whose path is not plain is started through
    // a link of ours whose path is. Where even that path is not plain (a home
    // folder with a blank), the line is quoted by the rules, which GLib and
    // KDE read.
    QString programm = typ.programm;
    const QString verweis = Startverweis(endung);
    verweisEntfernen(verweis);
    if (!SchlichterPfad(programm) && SchlichterPfad(verweis)) {
        QDir().mkpath(QFileInfo(verweis).absolutePath());
        if (QFile::link(programm, verweis))
            programm = verweis;
    }

    const QString eintrag = QStringLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=%1\n"
        "Comment=%2 mit %1 öffnen\n"
        "Exec=%3 %f\n"
        "Icon=tarvik\n"
        "MimeType=%4;\n"
        "NoDisplay=true\n"
        "Terminal=false\n")
        .arg(einzeilig(typ.name), einzeilig(typ.beschreibung), ExecArgument(programm), mime);
    ok = schreiben(desktopPfad(endung), eintrag.toUtf8()) && ok;

    TIniDatei standard = TIniDatei::Laden(mimeappsPfad());
    standard.WriteString(Standardprogramme, mime, DesktopDatei(endung));
    ok = iniSchreiben(mimeappsPfad(), standard) && ok;

    if (caches)
        cachesErneuern();
    return ok;
}

bool Loesen(const QString& endungGross, bool caches)
{
    const QString endung = endungGross.toLower();
    const QString mime = MimeTyp(endung);
    bool ok = true;

    TIniDatei liste = TIniDatei::Laden(ExtensionsDatei());
    if (liste.Vorhanden(Extensions, endung)) {
        liste.DeleteKey(Extensions, endung);
        ok = iniSchreiben(ExtensionsDatei(), liste) && ok;
    }
    bool entfernt = false;
    for (const QString& pfad : {mimePaket(endung), desktopPfad(endung)}) {
        if (QFileInfo::exists(pfad)) {
            ok = QFile::remove(pfad) && ok;
            entfernt = true;
        }
    }
    if (QFileInfo(Startverweis(endung)).isSymLink())
        ok = verweisEntfernen(Startverweis(endung)) && ok;
    // The default application goes only while it is still ours.
    TIniDatei standard = TIniDatei::Laden(mimeappsPfad());
    if (unsererEintrag(standard.ReadString(Standardprogramme, mime, QString()), DesktopDatei(endung))) {
        standard.DeleteKey(Standardprogramme, mime);
        ok = iniSchreiben(mimeappsPfad(), standard) && ok;
    }
    // Nothing of ours was there: the caches are as they were.
    if (caches && entfernt)
        cachesErneuern();
    return ok;
}

} // namespace Xdg

void DateitypVerknuepfen(const TDateityp& typ)
{
    handler().verknuepfen(typ);
}

void DateitypLoesen(const QString& endung)
{
    handler().loesen(endung);
}

TDateitypHandler setzeDateitypHandler(TDateitypHandler neu)
{
    if (!neu.verknuepfen)
        neu.verknuepfen = standardVerknuepfen;
    if (!neu.loesen)
        neu.loesen = standardLoesen;
    return std::exchange(handler(), std::move(neu));
}

ScopedDateitypen::ScopedDateitypen()
{
    vorher_ = setzeDateitypHandler({[this](const TDateityp& typ) {
                                        aufrufe_.append(typ.endung + QLatin1Char('=') + typ.wert);
                                        typen_.append(typ);
                                    },
                                    [this](const QString& endung) { aufrufe_.append(QLatin1Char('-') + endung); }});
}

ScopedDateitypen::~ScopedDateitypen()
{
    setzeDateitypHandler(std::move(vorher_));
}
