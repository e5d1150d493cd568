#include "core/zahlenformat.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// Digits of |wert| with every decimal its binary value has: glibc prints the
// exact expansion, and 1100 places hold the longest one a double can have.
std::string exakteZiffern(double betrag)
{
    constexpr int genug = 1100;
    std::string s(genug + 320, '\0');
    int n = std::snprintf(s.data(), s.size(), "%.*f", genug, betrag);
    s.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
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
    // from_chars takes no "+"; the grammar is already checked above.
    float wert = 0;
    const char* anfang = s.data() + zahlAnfang;
    const auto [ende, fehler] = std::from_chars(anfang, s.data() + s.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        // Overflow reads as infinity, underflow as zero, like strtof.
        wert = std::strtof(anfang, nullptr);
    } else if (fehler != std::errc() || ende != s.data() + s.size()) {
        return std::nullopt;
    }
    return s[0] == '-' ? -wert : wert;
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
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%c%d.%dE%c%04d", wert < 0 ? '-' : ' ', mantisse / 10, mantisse % 10,
                  exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
    return QString::fromLatin1(puffer);
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
    // strtof takes "5." and ".5" alike; the grammar is already checked above.
    const float wert = std::strtof(s.c_str() + anfang, nullptr);
    // Beyond the float range there is no number a window could check.
    if (!std::isfinite(wert))
        return 0;
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
