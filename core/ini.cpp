#include "core/ini.h"

#include "core/textdatei.h"

#include <QFile>
#include <QStringDecoder>

#include <charconv>
#include <optional>

namespace {

bool gleich(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a "[Section]" line, or a null string for any other line.
QString abschnittsname(const QString& zeile)
{
    const QString t = zeile.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype ende = t.indexOf(QLatin1Char(']'));
    if (ende < 0)
        return {};
    QString name = t.mid(1, ende - 1).trimmed();
    if (name.isNull())
        name = QLatin1String("");
    return name;
}

bool istAbschnitt(const QString& zeile)
{
    return !abschnittsname(zeile).isNull();
}

// Splits a "key=value" line; false for comments and lines without "=".
bool schluesselWert(const QString& zeile, QString* schluessel, QString* wert)
{
    const QString t = zeile.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')) || istAbschnitt(zeile))
        return false;
    const qsizetype gleichheit = t.indexOf(QLatin1Char('='));
    if (gleichheit <= 0)
        return false;
    if (schluessel)
        *schluessel = t.left(gleichheit).trimmed();
    if (wert)
        *wert = t.mid(gleichheit + 1).trimmed();
    return true;
}

// A value is written on one line: a line break inside it would end the line
// and turn the rest into a line of its own.
QString einzeilig(QString wert)
{
    wert.replace(QLatin1Char('\r'), QLatin1Char(' '));
    wert.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return wert.trimmed();
}

// A decimal integer of 32 bits with an optional sign, nothing else.
std::optional<std::int32_t> ganzzahl(const QString& wert)
{
    QByteArray text = wert.toLatin1();
    if (text.startsWith('+'))
        text.remove(0, 1);
    if (text.isEmpty() || text.startsWith('+'))
        return std::nullopt;
    std::int32_t zahl = 0;
    const char* ende = text.constData() + text.size();
    const auto [p, fehler] = std::from_chars(text.constData(), ende, zahl, 10);
    if (fehler != std::errc() || p != ende)
        return std::nullopt;
    return zahl;
}

QString dekodieren(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    // Files written by hand in an 8-bit editor keep their umlauts.
    if (utf8.hasError())
        text = Cp1252Dekodieren(bytes);
    return text;
}

} // namespace

TIniDatei::TIniDatei(const QByteArray& bytes)
{
    const QString text = dekodieren(bytes);
    if (text.isEmpty())
        return;
    zeilen = text.split(QLatin1Char('\n'));
    for (QString& z : zeilen) {
        if (z.endsWith(QLatin1Char('\r')))
            z.chop(1);
    }
    if (text.endsWith(QLatin1Char('\n')))
        zeilen.removeLast();
}

TIniDatei TIniDatei::Laden(const QString& pfad)
{
    // No settings file is this large; a device or a pipe in its place is no
    // settings file either. Both read as no file, so that they hold nothing up.
    constexpr qint64 HoechstensBytes = 16 << 20;
    const TDateiInhalt datei = DateiLesen(pfad, HoechstensBytes);
    if (datei.ergebnis != LeseErgebnis::Ok)
        return {};
    return TIniDatei(datei.bytes);
}

qsizetype TIniDatei::abschnittsZeile(const QString& abschnitt) const
{
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString name = abschnittsname(zeilen[i]);
        if (!name.isNull() && gleich(name, abschnitt))
            return i;
    }
    return -1;
}

qsizetype TIniDatei::schluesselZeile(const QString& abschnitt, const QString& schluessel) const
{
    const qsizetype start = abschnittsZeile(abschnitt);
    if (start < 0)
        return -1;
    for (qsizetype i = start + 1; i < zeilen.size() && !istAbschnitt(zeilen[i]); ++i) {
        QString s;
        if (schluesselWert(zeilen[i], &s, nullptr) && gleich(s, schluessel))
            return i;
    }
    return -1;
}

bool TIniDatei::Vorhanden(const QString& abschnitt, const QString& schluessel) const
{
    return schluesselZeile(abschnitt, schluessel) >= 0;
}

QString TIniDatei::ReadString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const
{
    const qsizetype i = schluesselZeile(abschnitt, schluessel);
    if (i < 0)
        return vorgabe;
    QString wert;
    schluesselWert(zeilen[i], nullptr, &wert);
    return wert;
}

std::int32_t TIniDatei::ReadInteger(const QString& abschnitt, const QString& schluessel, std::int32_t vorgabe) const
{
    return ganzzahl(ReadString(abschnitt, schluessel, QString())).value_or(vorgabe);
}

bool TIniDatei::ReadBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const
{
    const auto zahl = ganzzahl(ReadString(abschnitt, schluessel, QString()));
    return zahl ? *zahl != 0 : vorgabe;
}

void TIniDatei::WriteString(const QString& abschnitt, const QString& schluessel, const QString& wert)
{
    const QString zeile = schluessel.trimmed() + QLatin1Char('=') + einzeilig(wert);
    if (const qsizetype i = schluesselZeile(abschnitt, schluessel); i >= 0) {
        zeilen[i] = zeile;
        return;
    }
    const qsizetype start = abschnittsZeile(abschnitt);
    if (start < 0) {
        if (!zeilen.isEmpty() && !zeilen.constLast().trimmed().isEmpty())
            zeilen.append(QString());
        zeilen.append(QLatin1Char('[') + abschnitt + QLatin1Char(']'));
        zeilen.append(zeile);
        return;
    }
    // After the section's last line that is not blank.
    qsizetype ende = start + 1;
    while (ende < zeilen.size() && !istAbschnitt(zeilen[ende]))
        ++ende;
    while (ende > start + 1 && zeilen[ende - 1].trimmed().isEmpty())
        --ende;
    zeilen.insert(ende, zeile);
}

void TIniDatei::WriteInteger(const QString& abschnitt, const QString& schluessel, std::int32_t wert)
{
    WriteString(abschnitt, schluessel, QString::number(wert));
}

void TIniDatei::WriteBool(const QString& abschnitt, const QString& schluessel, bool wert)
{
    WriteString(abschnitt, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDatei::DeleteKey(const QString& abschnitt, const QString& schluessel)
{
    for (qsizetype i = schluesselZeile(abschnitt, schluessel); i >= 0; i = schluesselZeile(abschnitt, schluessel))
        zeilen.removeAt(i);
}

QList<TIniZeile> TIniDatei::Eintraege() const
{
    QList<TIniZeile> liste;
    QString abschnitt;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString& z = zeilen[i];
        const QString t = z.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
            continue;
        TIniZeile zeile;
        zeile.nummer = i + 1;
        if (const QString name = abschnittsname(z); !name.isNull()) {
            abschnitt = name;
            zeile.art = TIniZeile::Art::Abschnitt;
        } else if (schluesselWert(z, &zeile.schluessel, &zeile.wert)) {
            zeile.art = TIniZeile::Art::Eintrag;
        } else {
            zeile.wert = t;
        }
        zeile.abschnitt = abschnitt;
        liste.append(zeile);
    }
    return liste;
}

QByteArray TIniDatei::Bytes() const
{
    QByteArray bytes;
    for (const QString& z : zeilen) {
        bytes += z.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

SchreibErgebnis TIniDatei::Speichern(const QString& pfad) const
{
    return DateiErsetzen(pfad, Bytes());
}
