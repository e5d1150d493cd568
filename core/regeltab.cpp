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
            mu[i - 1] = f.Zugehoerigkeit(i);
    }

    // Reads a term through the variable when it lies outside the terms, so that
    // the term-index check still reports it.
    float operator()(const TFuzzy& f, int i) const
    {
        return (i >= 1 && i <= n) ? mu[i - 1] : f.Zugehoerigkeit(i);
    }
};

struct Hoehen {
    std::array<float, TFuzzy::MaxTerme> h{};

    explicit Hoehen(const TFuzzy& ausgang)
    {
        // Terms above Anzahl keep their stored height until a rule raises it.
        for (int k = ausgang.gueltigeAnzahl() + 1; k <= TFuzzy::MaxTerme; ++k)
            h[k - 1] = ausgang.Term(k, 5);
    }

    void heben(int k, float w)
    {
        if (k >= 1 && k <= TFuzzy::MaxTerme)
            h[k - 1] = std::max(h[k - 1], w);
    }

    void schreiben(TFuzzy& ausgang) const
    {
        for (int k = 1; k <= TFuzzy::MaxTerme; ++k)
            ausgang.setTerm(k, 5, h[k - 1]);
    }
};

} // namespace

void RegleAusgang(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle, TFuzzy& ausgang)
{
    Hoehen hoehen(ausgang);
    const Zugehoerigkeiten muA(eingangA);
    if (eingangB.definiert()) {
        const Zugehoerigkeiten muB(eingangB);
        for (int i = 1; i <= muA.n; ++i) {
            for (int j = 1; j <= muB.n; ++j)
                hoehen.heben(tabelle(j, i), std::min(muA.mu[i - 1], muB.mu[j - 1]));
        }
    } else {
        for (int i = 1; i <= muA.n; ++i)
            hoehen.heben(tabelle(1, i), muA.mu[i - 1]);
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
        if (r.Ausgang > 0)
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
