#include "search/regeluebernahme.h"

#include "core/fuzzy.h"
#include "search/suchtexte.h"

#include <array>

namespace {

bool termImBereich(std::int32_t t)
{
    return t >= 1 && t <= 4;
}

} // namespace

TTabellenUebernahme RegeltabAusRegelsystem(const TRegelsystem& rs)
{
    TTabellenUebernahme u;
    // The rule that took each cell, by (B term, A term).
    std::array<std::array<int, 4>, 4> besitzer{};
    for (int k = 1; k <= RegelAnzahl; ++k) {
        const TRegel& r = rs[k - 1];
        if (!termImBereich(r.EingangA) || !termImBereich(r.EingangB) || !termImBereich(r.Ausgang))
            continue;
        int& zelle = besitzer[r.EingangB - 1][r.EingangA - 1];
        if (zelle == 0) {
            zelle = k;
            u.Regeltab(r.EingangB, r.EingangA) = r.Ausgang;
        } else if (u.Regeltab(r.EingangB, r.EingangA) != r.Ausgang) {
            u.konflikte.append(TRegelKonflikt{k, zelle});
        }
    }
    return u;
}

QString KonfliktText(const TRegelKonflikt& konflikt, const TRegelsystem& rs, const TFuzzy& eingangA,
                     const TFuzzy& eingangB, const TFuzzy& ausgang)
{
    auto regel = [&](int k) {
        return QStringLiteral("Regel %1 (%2)").arg(k).arg(RegelText(rs[k - 1], eingangA, eingangB, ausgang));
    };
    return regel(konflikt.verworfen) + QStringLiteral(" passt nicht; übernommen ist ") + regel(konflikt.behalten)
        + QLatin1Char('.');
}

QString KonfliktFrage(const TTabellenUebernahme& uebernahme, const TRegelsystem& rs, const TFuzzy& eingangA,
                      const TFuzzy& eingangB, const TFuzzy& ausgang)
{
    QString text = SuchTexte::regelnPassenNicht;
    for (const TRegelKonflikt& k : uebernahme.konflikte)
        text += QLatin1Char('\r') + KonfliktText(k, rs, eingangA, eingangB, ausgang);
    return text + QLatin1Char('\r') + SuchTexte::uebrigeUebernehmen;
}
