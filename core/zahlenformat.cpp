#include "core/zahlenformat.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

// No printf, strtod or iostream here: they follow the C library's locale,
// which a German desktop sets to a decimal comma.

namespace {

// Digits of |wert| with every decimal its binary value has: 1100 places hold
// the longest expansion a double can have, and to_chars writes it exactly.
std::string exakteZiffern(double betrag)
{
    constexpr int genug = 1100;
    std::string s(genug + 320, '\0');
    const auto [ende, fehler] = std::to_chars(s.data(), s.data() + s.size(), betrag, std::chars_format::fixed, genug);
    s.resize(fehler == std::errc() ? static_cast<std::size_t>(ende - s.data()) : 0);
    return s;
}

} // namespace

QString FestKomma(double wert, int stellen, int breite)
{
    if (stellen < 0)
        stellen = 0;
    QString text;
    if (!std::isfinite(wert)) {
        text = std::isnan(wert) ? QStringLiteral("NAN") : (wert < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"));
    } else {
        std::string ziffern = exakteZiffern(std::fabs(wert));
        const std::size_t punkt = ziffern.find('.');
        std::string ganz = ziffern.substr(0, punkt);
        std::string bruch = ziffern.substr(punkt + 1, stellen);
        const bool aufrunden = ziffern[punkt + 1 + stellen] >= '5';
        std::string alles = ganz + bruch;
        if (aufrunden) {
            int i = static_cast<int>(alles.size()) - 1;
            for (; i >= 0; --i) {
                if (alles[i] == '9') {
                    alles[i] = '0';
                } else {
                    ++alles[i];
                    break;
                }
            }
            if (i < 0)
                alles.insert(alles.begin(), '1');
        }
        const std::size_t ganzLaenge = alles.size() - stellen;
        std::string ergebnis = alles.substr(0, ganzLaenge);
        if (stellen > 0)
            ergebnis += '.' + alles.substr(ganzLaenge);
        const bool null = alles.find_first_not_of('0') == std::string::npos;
        if (wert < 0 && !null)
            ergebnis.insert(ergebnis.begin(), '-');
        text = QString::fromLatin1(ergebnis.data(), static_cast<qsizetype>(ergebnis.size()));
    }
    if (text.size() < breite)
        text = QString(breite - text.size(), QLatin1Char(' ')) + text;
    return text;
}

QString GleitZahl(double wert, int stellen)
{
    char puffer[64];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, std::clamp(stellen, 1, 17));
    if (fehler != std::errc())
        return QString();
    return QString::fromLatin1(puffer, static_cast<qsizetype>(ende - puffer));
}

QString RealZeile(float wert)
{
    return FestKomma(wert, 5, 10);
}

namespace {

bool istZiffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Skips leading blanks and returns the rest as plain ASCII, or nothing when a
// character outside ASCII occurs.
std::optional<std::string> ohneFuehrendeBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    std::string rest;
    rest.reserve(static_cast<std::size_t>(text.size() - i));
    for (; i < text.size(); ++i) {
        if (text[i].unicode() > 127)
            return std::nullopt;
        rest += static_cast<char>(text[i].unicode());
    }
    return rest;
}

// Reads an exponent ("e", a sign, digits) at i when there is one; false when
// its digits are missing.
bool exponentLesen(const std::string& s, std::size_t& i)
{
    if (i >= s.size() || (s[i] != 'e' && s[i] != 'E'))
        return true;
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t ziffern = 0;
    while (i < s.size() && istZiffer(QLatin1Char(s[i]))) {
        ++i;
        ++ziffern;
    }
    return ziffern > 0;
}

// Whether the number text (digits, optional "." and digits, optional
// exponent; at least one digit) is worth 1 or more in magnitude. Tells an
// overflow from an underflow when from_chars finds the value out of range.
bool mindestensEins(const std::string& s, std::size_t i)
{
    long stelle = 0;
    bool gefunden = false;
    long ganzStellen = 0;
    for (; i < s.size() && istZiffer(QLatin1Char(s[i])); ++i) {
        if (!gefunden && s[i] != '0') {
            gefunden = true;
            stelle = ganzStellen;
        }
        ++ganzStellen;
    }
    long potenz = gefunden ? ganzStellen - 1 - stelle : 0;
    if (i < s.size() && s[i] == '.') {
        long bruch = 0;
        for (++i; i < s.size() && istZiffer(QLatin1Char(s[i])); ++i) {
            ++bruch;
            if (!gefunden && s[i] != '0') {
                gefunden = true;
                potenz = -bruch;
            }
        }
    }
    if (!gefunden)
        return false;
    long exponent = 0;
    bool negativ = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negativ = s[i++] == '-';
        // Saturates: any exponent this large decides the question alone.
        for (; i < s.size() && istZiffer(QLatin1Char(s[i])); ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), 100'000'000L);
    }
    return potenz + (negativ ? -exponent : exponent) >= 0;
}

// Reads the checked number text from i on; no "+" sign, "5." and ".5" taken.
// Nothing when its value lies beyond the float range; an underflow is 0.
std::optional<float> floatLesen(const std::string& s, std::size_t i)
{
    std::string t = s.substr(i);
    // from_chars wants a digit before the point.
    if (!t.empty() && t[0] == '.')
        t.insert(t.begin(), '0');
    float wert = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        if (mindestensEins(t, 0))
            return std::nullopt;
        return 0.0f;
    }
    if (fehler != std::errc() || ende != t.data() + t.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

} // namespace

std::optional<float> LiesReal(const QString& text)
{
    const auto rest = ohneFuehrendeBlanks(text);
    if (!rest)
        return std::nullopt;
    const std::string& s = *rest;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t zahlAnfang = i;
    std::size_t ziffern = 0;
    while (i < s.size() && istZiffer(QLatin1Char(s[i]))) {
        ++i;
        ++ziffern;
    }
    if (ziffern == 0)
        return std::nullopt;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && istZiffer(QLatin1Char(s[i])))
            ++i;
    }
    if (!exponentLesen(s, i) || i != s.size())
        return std::nullopt;
    // The grammar is checked above. A value beyond the float range is no
    // number: infinity would be written back as a text no reader takes.
    const auto wert = floatLesen(s, zahlAnfang);
    if (!wert)
        return std::nullopt;
    return s[0] == '-' ? -*wert : *wert;
}

std::optional<std::int32_t> LiesGanzzahl(const QString& text)
{
    const auto rest = ohneFuehrendeBlanks(text);
    if (!rest || rest->empty())
        return std::nullopt;
    const char* anfang = rest->data();
    const char* ende = anfang + rest->size();
    if (*anfang == '+')
        ++anfang;
    if (anfang == ende || *anfang == '+' || (anfang != rest->data() && *anfang == '-'))
        return std::nullopt;
    std::int32_t wert = 0;
    const auto [p, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler != std::errc() || p != ende)
        return std::nullopt;
    return wert;
}

QString ProtokollZahl(double wert)
{
    return FestKomma(wert, 2, 8);
}

namespace {

// Two significant digits and the decimal exponent of |wert| > 0, rounded
// half away from zero on the exact digits.
QString ExponentText(double wert)
{
    const std::string ziffern = exakteZiffern(std::fabs(wert));
    const std::size_t punkt = ziffern.find('.');
    std::string alle = ziffern.substr(0, punkt) + ziffern.substr(punkt + 1);
    const std::size_t erste = alle.find_first_not_of('0');
    int exponent = static_cast<int>(punkt) - static_cast<int>(erste) - 1;
    alle += "000";
    int mantisse = (alle[erste] - '0') * 10 + (alle[erste + 1] - '0');
    if (alle[erste + 2] >= '5')
        ++mantisse;
    if (mantisse == 100) {
        mantisse = 10;
        ++exponent;
    }
    const int betrag = exponent < 0 ? -exponent : exponent;
    std::string text;
    text += wert < 0 ? '-' : ' ';
    text += static_cast<char>('0' + mantisse / 10);
    text += '.';
    text += static_cast<char>('0' + mantisse % 10);
    text += 'E';
    text += exponent < 0 ? '-' : '+';
    for (int teiler = 1000; teiler > 0; teiler /= 10)
        text += static_cast<char>('0' + betrag / teiler % 10);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString SingEditText(float wert)
{
    const double v = wert;
    if (!std::isfinite(v))
        return FestKomma(v, 4, 10);
    if (std::fabs(v) < 1000)
        return FestKomma(v, 4, 8);
    return ExponentText(v);
}

float SingEditZahl(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const auto rest = ohneFuehrendeBlanks(t);
    if (!rest)
        return 0;
    const std::string& s = *rest;
    std::size_t k = 0;
    bool negativ = false;
    if (k < s.size() && (s[k] == '+' || s[k] == '-'))
        negativ = s[k++] == '-';
    const std::size_t anfang = k;
    bool ziffern = false;
    while (k < s.size() && istZiffer(QLatin1Char(s[k]))) {
        ++k;
        ziffern = true;
    }
    if (k < s.size() && s[k] == '.') {
        ++k;
        while (k < s.size() && istZiffer(QLatin1Char(s[k]))) {
            ++k;
            ziffern = true;
        }
    }
    if (!exponentLesen(s, k) || k != s.size())
        return 0;
    // A mantissa without digits ("", ".", "-.e5") is worth 0 whatever follows.
    if (!ziffern)
        return 0;
    // Beyond the float range there is no number a window could check.
    const float wert = floatLesen(s, anfang).value_or(0.0f);
    return negativ ? -wert : wert;
}

QString IntEditText(std::int32_t wert)
{
    return QString::number(wert);
}

std::int32_t IntEditZahl(const QString& text)
{
    return LiesGanzzahl(text).value_or(0);
}

namespace {

// The form of a real edit field after "," became ".": leading blanks, sign,
// digits, optional "." and digits, optional exponent. `mantisse` gets the
// text from the first digit or "." on; `negativerExponent` tells the
// exponent's sign.
bool EditfeldForm(const QString& text, std::string& mantisse, bool& negativerExponent)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    std::string s;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c > 127)
            return false;
        s += static_cast<char>(c == u',' ? u'.' : c);
    }
    std::size_t k = 0;
    if (k < s.size() && (s[k] == '+' || s[k] == '-'))
        ++k;
    const std::size_t anfang = k;
    const auto ziffern = [&] {
        std::size_t n = 0;
        while (k < s.size() && s[k] >= '0' && s[k] <= '9') {
            ++k;
            ++n;
        }
        return n;
    };
    std::size_t mantissenZiffern = ziffern();
    if (k < s.size() && s[k] == '.') {
        ++k;
        mantissenZiffern += ziffern();
    }
    if (mantissenZiffern == 0)
        return false;
    negativerExponent = false;
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        ++k;
        if (k < s.size() && (s[k] == '+' || s[k] == '-'))
            negativerExponent = s[k++] == '-';
        if (ziffern() == 0)
            return false;
    }
    if (k != s.size())
        return false;
    mantisse = s.substr(anfang);
    return true;
}

} // namespace

std::optional<float> LiesSingEditZahl(const QString& text)
{
    std::string zahl;
    bool negativerExponent = false;
    if (!EditfeldForm(text, zahl, negativerExponent))
        return std::nullopt;
    // The magnitude in double says whether a float can hold it; a value too
    // small for any binary type is a number that reads as 0.
    double betrag = 0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), betrag);
    if (fehler == std::errc::result_out_of_range) {
        if (!negativerExponent)
            return std::nullopt;
    } else if (fehler != std::errc() || ende != zahl.data() + zahl.size()
               || betrag > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return SingEditZahl(text);
}
