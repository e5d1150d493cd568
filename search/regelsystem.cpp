#include "search/regelsystem.h"

#include "core/fuzzy.h"

int GenWert(QChar hoch, QChar tief)
{
    auto ziffer = [](QChar c) { return c == QLatin1Char('0') ? 0 : (c == QLatin1Char('1') ? 1 : -1); };
    const int h = ziffer(hoch);
    const int t = ziffer(tief);
    if (h < 0 || t < 0)
        return 0;
    return 2 * h + t + 1;
}

QString GenText(int term)
{
    const int wert = term - 1;
    return QString(QLatin1Char(wert & 2 ? '1' : '0')) + QLatin1Char(wert & 1 ? '1' : '0');
}

void StringToEineRegel(QStringView s, TRegel& r)
{
    auto feld = [&](int pos, std::int32_t& ziel) {
        if (s.size() < pos + 2)
            return;
        if (const int wert = GenWert(s[pos], s[pos + 1]); wert > 0)
            ziel = wert;
    };
    feld(0, r.EingangA);
    feld(2, r.EingangB);
    feld(4, r.Ausgang);
}

void StringToRegelsystem(QStringView s, TRegelsystem& rs)
{
    for (int k = 1; k <= RegelAnzahl; ++k) {
        const qsizetype anfang = 6 * (k - 1);
        StringToEineRegel(anfang < s.size() ? s.mid(anfang) : QStringView(), rs[k - 1]);
    }
}

bool ChromosomGueltig(QStringView s)
{
    if (s.size() != ChromosomLaenge)
        return false;
    for (const QChar c : s) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return false;
    }
    return true;
}

std::optional<TRegelsystem> ChromosomLesen(QStringView s)
{
    if (!ChromosomGueltig(s))
        return std::nullopt;
    TRegelsystem rs{};
    StringToRegelsystem(s, rs);
    return rs;
}

QString ChromosomText(const TRegelsystem& rs)
{
    QString text;
    text.reserve(ChromosomLaenge);
    for (const TRegel& r : rs)
        text += GenText(r.EingangA) + GenText(r.EingangB) + GenText(r.Ausgang);
    return text;
}

bool ChromosomenlistePruefen(const QStringList& liste)
{
    bool gut = liste.size() >= 2;
    // Every line is looked at, as the check has always done.
    for (const QString& zeile : liste)
        gut = ChromosomGueltig(zeile) && gut;
    return gut;
}

bool TermanzahlPruefen(const TFuzzy& eingangA, const TFuzzy& eingangB, const TFuzzy& ausgang)
{
    return eingangA.Anzahl() == 4 && eingangB.Anzahl() == 4 && ausgang.Anzahl() == 4;
}

namespace {

QString termname(const TFuzzy& f, int i)
{
    return (i >= 1 && i <= TFuzzy::MaxTerme) ? f.Termname(i) : QString();
}

} // namespace

QString RegelText(const TRegel& r, const TFuzzy& eingangA, const TFuzzy& eingangB, const TFuzzy& ausgang)
{
    return QStringLiteral("WENN ") + eingangA.Name() + QLatin1Char('=') + termname(eingangA, r.EingangA)
        + QStringLiteral(" UND ") + eingangB.Name() + QLatin1Char('=') + termname(eingangB, r.EingangB)
        + QStringLiteral(", DANN ") + ausgang.Name() + QLatin1Char('=') + termname(ausgang, r.Ausgang);
}
