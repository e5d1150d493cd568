#pragma once

#include "core/fuzzy.h"

#include <QString>

#include <array>
#include <initializer_list>

// Variables built from term values, for the tests of every layer.
namespace fuzzytest {

// Term i from its four corners and its height.
inline void setzeTerm(TFuzzy& f, int i, const std::array<float, 5>& werte)
{
    for (int j = 1; j <= 5; ++j)
        f.setTerm(i, j, werte[j - 1]);
}

inline void setzeTerm(TFuzzy& f, int i, const QString& name, const std::array<float, 5>& werte)
{
    f.setTermname(i, name);
    setzeTerm(f, i, werte);
}

// A defined variable on fa..fb with the given terms (four corners and the
// height each), nameless.
inline TFuzzy variable(float fa, float fb, std::initializer_list<std::array<float, 5>> terme)
{
    TFuzzy f;
    f.setDefiniert(true);
    f.setA(fa);
    f.setB(fb);
    f.setAnzahl(static_cast<int>(terme.size()));
    int i = 1;
    for (const auto& t : terme)
        setzeTerm(f, i++, t);
    return f;
}

// The same with trapezoids of height 1.
inline TFuzzy trapezVariable(float fa, float fb, std::initializer_list<std::array<float, 4>> terme)
{
    TFuzzy f = variable(fa, fb, {});
    f.setAnzahl(static_cast<int>(terme.size()));
    int i = 1;
    for (const auto& t : terme)
        setzeTerm(f, i++, {t[0], t[1], t[2], t[3], 1});
    return f;
}

} // namespace fuzzytest
