#include "core/regeltab.h"

#include "core/fuzzy.h"

#include <algorithm>

namespace {

// The memberships of all terms, read once instead of once per rule.
struct Zugehoerigkeiten {
    std::array<float, TFuzzy::MaxTerme> mu{};
    int n = 0;

    explicit Zugehoerigkeiten(const TFuzzy& f)
        : n(f.gueltigeAnzahl())
    {
        for (int i = 1; i <= n; ++i)
            mu[i - 1] = f.ZugehoerigkeitOhnePruefung(i);
    }

    // Reads a term through the variable when it lies outside the terms, so that
    // the term-index check still reports it.
    float operator()(const TFuzzy& f, int i) const
    {
        return (i >= 1 && i <= n) ? mu[i - 1] : f.Zugehoerigkeit(i);
    }
};

// Heights by output term; slot 0 takes the rules that name no valid term, so
// that raising needs no branch.
struct Hoehen {
    std::array<float, TFuzzy::MaxTerme + 1> h{};

    // No slot below 0: then a rule whose activation is 0 or less changes nothing.
    bool keinSlotNegativ = true;

    explicit Hoehen(const TFuzzy& ausgang)
    {
        // Terms above Anzahl keep their stored height until a rule raises it.
        for (int k = ausgang.gueltigeAnzahl() + 1; k <= TFuzzy::MaxTerme; ++k) {
            h[k] = ausgang.Term(k, 5);
            keinSlotNegativ = keinSlotNegativ && !(h[k] < 0);
        }
    }

    void heben(std::int32_t k, float w)
    {
        const std::uint32_t slot = static_cast<std::uint32_t>(k) <= TFuzzy::MaxTerme ? static_cast<std::uint32_t>(k) : 0;
        h[slot] = std::max(h[slot], w);
    }

    void schreiben(TFuzzy& ausgang) const
    {
        for (int k = 1; k <= TFuzzy::MaxTerme; ++k)
            ausgang.setTerm(k, 5, h[k]);
    }
};

} // namespace

void RegleAusgang(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle, TFuzzy& ausgang)
{
    Hoehen hoehen(ausgang);
    const Zugehoerigkeiten muA(eingangA);
    if (eingangB.definiert()) {
        const Zugehoerigkeiten muB(eingangB);
        for (int i = 0; i < muA.n; ++i) {
            const float a = muA.mu[i];
            // Most terms of A do not hold x at all; their rules cannot fire.
            if (a <= 0 && hoehen.keinSlotNegativ)
                continue;
            for (int j = 0; j < muB.n; ++j)
                hoehen.heben(tabelle.werte[j * 5 + i], std::min(a, muB.mu[j]));
        }
    } else {
        for (int i = 0; i < muA.n; ++i)
            hoehen.heben(tabelle.werte[i], muA.mu[i]);
    }
    hoehen.schreiben(ausgang);
}

void RegleAusgang(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegelliste& regeln, TFuzzy& ausgang)
{
    Hoehen hoehen(ausgang);
    const Zugehoerigkeiten muA(eingangA);
    const Zugehoerigkeiten muB(eingangB);
    for (const TRegel& r : regeln) {
        const float w = std::min(muA(eingangA, r.EingangA), muB(eingangB, r.EingangB));
        hoehen.heben(r.Ausgang, w);
    }
    hoehen.schreiben(ausgang);
}

TKennfeld Kennfeld(TFuzzy& eingangA, TFuzzy& eingangB, const TRegeltab& tabelle, TFuzzy& ausgang)
{
    TKennfeld werte{};
    for (int i = 0; i < 20; ++i) {
        eingangA.setX(static_cast<float>(double(eingangA.a()) + i * (double(eingangA.b()) - eingangA.a()) / 20));
        for (int j = 0; j < 20; ++j) {
            eingangB.setX(static_cast<float>(double(eingangB.a()) + j * (double(eingangB.b()) - eingangB.a()) / 20));
            RegleAusgang(eingangA, eingangB, tabelle, ausgang);
            werte[i][j] = ausgang.Schwerpunktkoordinate();
        }
    }
    return werte;
}
