#pragma once

// The inference written out plainly, term by term and rule by rule, from the
// term values alone: the reference that the fast inference must match bit for
// bit. Every expression rounds exactly as the inference has always rounded.

#include "core/fehler.h"
#include "core/fuzzy.h"
#include "core/regeltab.h"

#include <algorithm>
#include <array>

namespace referenz {

inline float Zugehoerigkeit(float x, float a, float b, float c, float d, float h)
{
    if (x < a)
        return 0;
    if (x < b)
        return b == a ? h : static_cast<float>(double(h) * (double(x) - a) / (double(b) - a));
    if (x < c)
        return h;
    if (x > d)
        return 0;
    if (d == c)
        return h;
    return static_cast<float>(double(h) - double(h) * (double(x) - c) / (double(d) - c));
}

inline float Zugehoerigkeit(const TFuzzy& f, int i)
{
    return Zugehoerigkeit(f.x(), f.Term(i, 1), f.Term(i, 2), f.Term(i, 3), f.Term(i, 4), f.Term(i, 5));
}

inline float TermFlaeche(const TFuzzy& f, int i)
{
    const double a = f.Term(i, 1), b = f.Term(i, 2), c = f.Term(i, 3), d = f.Term(i, 4);
    return static_cast<float>(((c - b) + (d - a)) * f.Term(i, 5) / 2);
}

inline float TermSchwerpunkt(const TFuzzy& f, int i)
{
    const double a = f.Term(i, 1), b = f.Term(i, 2), c = f.Term(i, 3), d = f.Term(i, 4);
    const double nenner = 3 * (c + d - a - b);
    const double zaehler = (b - a) * (a + 2 * b) + 3 * (c * c - b * b) + (d - c) * (d + 2 * c);
    return static_cast<float>(nenner == 0 ? a : zaehler / nenner);
}

inline float Schwerpunktkoordinate(const TFuzzy& f)
{
    float flaeche = 0;
    float moment = 0;
    for (int i = 1; i <= f.gueltigeAnzahl(); ++i) {
        const float fl = TermFlaeche(f, i);
        flaeche = static_cast<float>(double(flaeche) + fl);
        moment = static_cast<float>(double(moment) + double(TermSchwerpunkt(f, i)) * fl);
    }
    if (flaeche == 0)
        return f.a();
    return static_cast<float>(double(moment) / flaeche);
}

// Heights 1..5: 0 for the output's terms, the stored height above them; a rule
// naming no term 1..5 changes nothing.
struct Hoehen {
    std::array<float, 6> h{};

    explicit Hoehen(const TFuzzy& ausgang)
    {
        for (int k = ausgang.gueltigeAnzahl() + 1; k <= 5; ++k)
            h[k] = ausgang.Term(k, 5);
    }

    void heben(int k, float w)
    {
        if (k >= 1 && k <= 5)
            h[k] = std::max(h[k], w);
    }

    void schreiben(TFuzzy& ausgang) const
    {
        for (int k = 1; k <= 5; ++k)
            ausgang.setTerm(k, 5, h[k]);
    }
};

inline void RegleAusgang(const TFuzzy& a, const TFuzzy& b, const TRegeltab& t, TFuzzy& aus)
{
    Hoehen hoehen(aus);
    const int nB = b.definiert() ? b.gueltigeAnzahl() : 1;
    for (int i = 1; i <= a.gueltigeAnzahl(); ++i) {
        for (int j = 1; j <= nB; ++j) {
            const float muA = Zugehoerigkeit(a, i);
            hoehen.heben(t(j, i), b.definiert() ? std::min(muA, Zugehoerigkeit(b, j)) : muA);
        }
    }
    hoehen.schreiben(aus);
}

// A term outside 1..Anzahl reads 0; one above Anzahl is the fatal error.
inline float ZugehoerigkeitGeprueft(const TFuzzy& f, int i)
{
    if (i > f.Anzahl() || i > 5) {
        FatalerFehler(QStringLiteral("Termindex zu hoch! Anwendung wird abgebrochen!"));
        return 0;
    }
    return i >= 1 ? Zugehoerigkeit(f, i) : 0;
}

inline void RegleAusgang(const TFuzzy& a, const TFuzzy& b, const TRegelliste& regeln, TFuzzy& aus)
{
    Hoehen hoehen(aus);
    for (const TRegel& r : regeln) {
        const float muA = ZugehoerigkeitGeprueft(a, r.EingangA);
        const float muB = ZugehoerigkeitGeprueft(b, r.EingangB);
        hoehen.heben(r.Ausgang, std::min(muA, muB));
    }
    hoehen.schreiben(aus);
}

} // namespace referenz
