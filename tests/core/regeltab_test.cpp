#include "core/fehler.h"
#include "core/fuzzy.h"
#include "core/regeltab.h"
#include "tests/core/inferenz_referenz.h"
#include "tests/fuzzy_hilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using fuzzytest::variable;

// Two inputs with the terms (0,0,1,2) and (1,2,3,3); the output with
// (-1,-1,-1,0) and (0,1,1,1).
struct Beispiel : testing::Test {
    TFuzzy a = variable(0, 3, {{0, 0, 1, 2, 1}, {1, 2, 3, 3, 1}});
    TFuzzy b = variable(0, 3, {{0, 0, 1, 2, 1}, {1, 2, 3, 3, 1}});
    TFuzzy aus = variable(-1, 1, {{-1, -1, -1, 0, 1}, {0, 1, 1, 1, 1}});
    TRegeltab tab;

    float ausgabe(float xa, float xb)
    {
        a.setX(xa);
        b.setX(xb);
        RegleAusgang(a, b, tab, aus);
        return aus.Schwerpunktkoordinate();
    }
};

TEST_F(Beispiel, MaxMinInferenceOfTheWorkedExample)
{
    tab(1, 1) = 1;
    tab(2, 2) = 2;
    EXPECT_FLOAT_EQ(ausgabe(1.5f, 0.5f), -2.0f / 3);
    EXPECT_FLOAT_EQ(aus.Term(1, 5), 0.5f);
    EXPECT_FLOAT_EQ(aus.Term(2, 5), 0);
}

TEST_F(Beispiel, FirstIndexIsTheTermOfInputB)
{
    tab(2, 1) = 2;
    EXPECT_FLOAT_EQ(ausgabe(0.5f, 2.5f), 2.0f / 3);
    tab = {};
    tab(1, 2) = 2;
    EXPECT_FLOAT_EQ(ausgabe(0.5f, 2.5f), -1) << "no rule fires: the output's lower bound";
    EXPECT_EQ(aus.Term(1, 5), 0);
    EXPECT_EQ(aus.Term(2, 5), 0);
}

TEST_F(Beispiel, TwoRulesOnOneOutputTermTakeTheMaximum)
{
    tab(1, 1) = 2;
    tab(2, 2) = 2;
    tab(1, 2) = 2;
    ausgabe(1.5f, 0.5f); // A = (0.5, 0.5), B = (1, 0)
    EXPECT_FLOAT_EQ(aus.Term(2, 5), 0.5f);
}

TEST_F(Beispiel, WithoutInputBOnlyTheFirstColumnCounts)
{
    b.setDefiniert(false);
    tab(2, 1) = 2;
    tab(3, 2) = 2;
    EXPECT_FLOAT_EQ(ausgabe(0.5f, 0.5f), -1);
    tab(1, 2) = 2;
    EXPECT_FLOAT_EQ(ausgabe(2.5f, 0.5f), 2.0f / 3);
}

TEST_F(Beispiel, OutputTermAboveTheCountRaisesItsHeightButNotTheOutput)
{
    aus.setTerm(4, 5, 0.25f);
    tab(1, 1) = 4;
    EXPECT_FLOAT_EQ(ausgabe(0.5f, 0.5f), -1);
    EXPECT_FLOAT_EQ(aus.Term(4, 5), 1);
}

TEST_F(Beispiel, RuleListEqualsTheTableForTheSameRules)
{
    TRegelliste regeln{};
    regeln[0] = {1, 1, 1};
    regeln[1] = {2, 2, 2};
    for (int r = 2; r < 16; ++r)
        regeln[r] = {1, 2, 0}; // concludes nothing
    tab(1, 1) = 1;
    tab(2, 2) = 2;
    for (const auto& [xa, xb] : {std::pair{1.5f, 0.5f}, {0.2f, 2.9f}, {2.5f, 1.2f}}) {
        const float ausTabelle = ausgabe(xa, xb);
        RegleAusgang(a, b, regeln, aus);
        EXPECT_EQ(aus.Schwerpunktkoordinate(), ausTabelle);
    }
}

TEST_F(Beispiel, RuleListNamingAMissingInputTermIsFatal)
{
    ScopedFatalerFehler fehler;
    TRegelliste regeln{};
    regeln.fill({1, 1, 1});
    regeln[7] = {3, 1, 2};
    a.setX(0.5f);
    b.setX(0.5f);
    RegleAusgang(a, b, regeln, aus);
    EXPECT_EQ(fehler.texte(), QStringList{QStringLiteral("Termindex zu hoch! Anwendung wird abgebrochen!")});
}

TEST_F(Beispiel, ControlSurfaceSamplesTwentyStepsFromTheLowerBound)
{
    TFuzzy breitA = variable(-10, 10, {{-10, -10, -10, 10, 1}, {-10, 10, 10, 10, 1}});
    TFuzzy ohneB;
    TRegeltab t;
    t(1, 1) = 1;
    t(1, 2) = 2;
    const TKennfeld feld = Kennfeld(breitA, ohneB, t, aus);
    EXPECT_EQ(breitA.x(), 9) << "A keeps the last sample, -10 + 19";
    for (int i = 0; i < 20; ++i) {
        const float xa = -10.0f + i;
        TFuzzy kopie = aus;
        breitA.setX(xa);
        RegleAusgang(breitA, ohneB, t, kopie);
        for (int j = 0; j < 20; ++j)
            EXPECT_EQ(feld[i][j], kopie.Schwerpunktkoordinate()) << i << "," << j;
    }
    EXPECT_LT(feld[0][0], feld[19][0]);
}

} // namespace

namespace {

using termform::Befehlssatz;

// The instruction sets this processor runs, the plain one always among them.
std::vector<Befehlssatz> befehlssaetze()
{
    std::vector<Befehlssatz> b{Befehlssatz::Standard};
    if (termform::Verfuegbar(Befehlssatz::Avx2))
        b.push_back(Befehlssatz::Avx2);
    return b;
}

const char* name(Befehlssatz b)
{
    return b == Befehlssatz::Avx2 ? "AVX2" : "Standard";
}

// The same float, bit for bit; any NaN matches any NaN.
testing::AssertionResult bitgleich(float ist, float soll)
{
    if ((std::isnan(ist) && std::isnan(soll)) || std::bit_cast<std::uint32_t>(ist) == std::bit_cast<std::uint32_t>(soll))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << std::hexfloat << ist << " instead of " << soll;
}

struct Zufall {
    std::uint32_t zustand;

    int operator()(int m)
    {
        zustand = zustand * 1103515245u + 12345u;
        return static_cast<int>((zustand >> 8) % static_cast<std::uint32_t>(m));
    }
};

// Every corner of every term, one float either side of it, the universe's
// bounds, the values that break comparisons, and random values about the terms.
std::vector<float> proben(const TFuzzy& f, Zufall& zufall)
{
    const float unendlich = std::numeric_limits<float>::infinity();
    std::vector<float> x{f.a(), f.b(), 0.0f, -0.0f, unendlich, -unendlich, std::numeric_limits<float>::quiet_NaN()};
    for (int i = 1; i <= TFuzzy::MaxTerme; ++i) {
        for (int j = 1; j <= 4; ++j) {
            const float e = f.Term(i, j);
            x.insert(x.end(), {e, std::nextafter(e, -unendlich), std::nextafter(e, unendlich)});
        }
    }
    for (int k = 0; k < 200; ++k)
        x.push_back(f.a() + (f.b() - f.a()) * static_cast<float>(zufall(20001) - 5000) / 10000);
    return x;
}

// Variables whose terms show every case: shoulders, triangles, a point, a
// term of height 0.5, one of height 0, unsorted corners, a negative height,
// and corners far apart in magnitude.
std::vector<TFuzzy> randfaelle()
{
    return {
        variable(-5, 5, {{-5, -5, -3, -1, 1}, {-3, -1, -1, 1, 1}, {-1, 1, 1, 3, 1}, {1, 3, 5, 5, 1}}),
        variable(0, 10, {{0, 2, 4, 6, 1}, {2, 2, 4, 4, 0.5f}, {1, 1, 1, 1, 1}, {3, 5, 5, 9, 0}}),
        variable(-1, 1, {{0.5f, 0.25f, 0.75f, 0.6f, 1}, {-1, 0, 0.3f, 0.1f, -0.5f}, {-0.2f, 0.4f, 0.4f, 0.9f, 0.7f}}),
        variable(-1e30f, 1e30f, {{-1e30f, -1e-30f, 0, 1e-30f, 3}, {1e-38f, 2e-38f, 1e20f, 1e30f, 0.1f}}),
        variable(0, 3, {{0, 0, 1, 2, 1}}),
    };
}

TEST(Inferenz, KernelMembershipsEqualThePlainReadingAtEveryEdge)
{
    Zufall zufall{7};
    for (TFuzzy f : randfaelle()) {
        for (const float x : proben(f, zufall)) {
            f.setX(x);
            for (const Befehlssatz b : befehlssaetze()) {
                const std::array<float, 4> mu = InferenzZugehoerigkeiten(b, f);
                for (int i = 1; i <= 4; ++i) {
                    const float soll = i <= f.Anzahl() ? referenz::Zugehoerigkeit(f, i) : 0.0f;
                    ASSERT_TRUE(bitgleich(mu[i - 1], soll)) << name(b) << ", x = " << x << ", term " << i;
                }
            }
        }
    }
}

// A random variable of n terms on -5..5: corners mostly sorted, now and then
// not; heights mostly 1, else 0, 0.5, 1.5, -0.5 and rarely NaN or infinite.
TFuzzy zufallsVariable(Zufall& zufall, int n)
{
    auto wert = [&zufall] { return static_cast<float>(zufall(41) - 20) / 4; };
    TFuzzy f;
    f.setDefiniert(true);
    f.setA(-5);
    f.setB(5);
    f.setAnzahl(n);
    for (int i = 1; i <= TFuzzy::MaxTerme; ++i) {
        std::array<float, 4> ecken{wert(), wert(), wert(), wert()};
        if (zufall(4) != 0)
            std::sort(ecken.begin(), ecken.end());
        for (int j = 1; j <= 4; ++j)
            f.setTerm(i, j, ecken[j - 1]);
        const float hoehen[] = {1, 1, 1, 1, 0, 0.5f, 1.5f, -0.5f, std::numeric_limits<float>::quiet_NaN(),
                                std::numeric_limits<float>::infinity()};
        f.setTerm(i, 5, hoehen[zufall(zufall(8) == 0 ? 10 : 8)]);
    }
    return f;
}

// Heights 1..5 and centroid of a and b, bit for bit.
void vergleiche(const TFuzzy& ist, const TFuzzy& soll, const std::string& fall)
{
    for (int k = 1; k <= TFuzzy::MaxTerme; ++k)
        ASSERT_TRUE(bitgleich(ist.Term(k, 5), soll.Term(k, 5))) << fall << ", term " << k;
    ASSERT_TRUE(bitgleich(ist.Schwerpunktkoordinate(), referenz::Schwerpunktkoordinate(soll))) << fall;
}

TEST(Inferenz, TableFormEqualsThePlainInferenceBitForBitOnRandomControllers)
{
    Zufall zufall{12345};
    for (int fall = 0; fall < 3000; ++fall) {
        TFuzzy a = zufallsVariable(zufall, zufall(6));
        TFuzzy b = zufallsVariable(zufall, zufall(6));
        b.setDefiniert(zufall(3) != 0);
        TFuzzy aus = zufallsVariable(zufall, zufall(6));
        TRegeltab t;
        for (auto& e : t.werte)
            e = zufall(9) - 1; // -1 and 6, 7 name no term
        // Inputs at corners now and then, to hit the edge cases.
        a.setX(zufall(2) ? a.Term(1 + zufall(5), 1 + zufall(4)) : static_cast<float>(zufall(41) - 20) / 4);
        b.setX(zufall(2) ? b.Term(1 + zufall(5), 1 + zufall(4)) : static_cast<float>(zufall(41) - 20) / 4);
        TFuzzy soll = aus;
        referenz::RegleAusgang(a, b, t, soll);
        for (const Befehlssatz bs : befehlssaetze()) {
            TFuzzy ist = aus;
            RegleAusgang(bs, a, b, t, ist);
            vergleiche(ist, soll, std::string(name(bs)) + ", case " + std::to_string(fall));
        }
    }
}

TEST(Inferenz, RuleListEqualsThePlainInferenceAlsoForTermsOutsideTheVariables)
{
    ScopedFatalerFehler fehler;
    Zufall zufall{99};
    for (int fall = 0; fall < 3000; ++fall) {
        const int n = zufall(3) == 0 ? zufall(6) : 4;
        TFuzzy a = zufallsVariable(zufall, n);
        TFuzzy b = zufallsVariable(zufall, zufall(4) == 0 ? zufall(6) : n);
        TFuzzy aus = zufallsVariable(zufall, zufall(4) == 0 ? zufall(6) : 4);
        // Mostly terms 1..4 as the search's code gives them; now and then
        // one outside, which is the fatal error above Anzahl.
        TRegelliste regeln{};
        const bool ausserhalb = zufall(5) == 0;
        for (TRegel& r : regeln)
            r = ausserhalb ? TRegel{zufall(8) - 1, zufall(8) - 1, zufall(8) - 1} : TRegel{1 + zufall(4), 1 + zufall(4), 1 + zufall(4)};
        a.setX(static_cast<float>(zufall(41) - 20) / 4);
        b.setX(zufall(2) ? b.Term(1 + zufall(5), 1 + zufall(4)) : static_cast<float>(zufall(41) - 20) / 4);
        TFuzzy soll = aus;
        const qsizetype vorher = fehler.texte().size();
        referenz::RegleAusgang(a, b, regeln, soll);
        const qsizetype meldungen = fehler.texte().size() - vorher;
        for (const Befehlssatz bs : befehlssaetze()) {
            TFuzzy ist = aus;
            const qsizetype vor = fehler.texte().size();
            RegleAusgang(bs, a, b, regeln, ist);
            const std::string text = std::string(name(bs)) + ", case " + std::to_string(fall);
            ASSERT_EQ(fehler.texte().size() - vor, meldungen) << text;
            vergleiche(ist, soll, text);
        }
    }
}

TEST(Inferenz, AnOutputTermWithoutFiniteAreaCountsEvenAtHeightZero)
{
    const float unendlich = std::numeric_limits<float>::infinity();
    TFuzzy a = variable(0, 3, {{0, 0, 1, 2, 1}, {1, 2, 3, 3, 1}});
    TFuzzy b = variable(0, 3, {{0, 0, 1, 2, 1}, {1, 2, 3, 3, 1}});
    TFuzzy aus = variable(-1, 1, {{-1, -1, -1, 0, 1}, {-unendlich, 0, 0, 1, 1}, {0, 1, 1, 1, 1}});
    TRegeltab t;
    t(1, 1) = 1;
    a.setX(0.5f);
    b.setX(0.5f);
    for (const Befehlssatz bs : befehlssaetze()) {
        TFuzzy y = aus;
        RegleAusgang(bs, a, b, t, y);
        EXPECT_EQ(y.Term(2, 5), 0);
        EXPECT_TRUE(std::isnan(y.Schwerpunktkoordinate())) << name(bs) << ": infinite area times 0";
    }
}

TEST(Inferenz, CentroidOfTheLastInferenceFollowsEveryLaterChange)
{
    TFuzzy a = variable(0, 3, {{0, 0, 1, 2, 1}, {1, 2, 3, 3, 1}});
    TFuzzy aus = variable(-1, 1, {{-1, -1, -1, 0, 1}, {-0.5f, 0, 0, 0.5f, 1}, {0, 1, 1, 1, 1}});
    TFuzzy ohneB;
    TRegeltab t;
    t(1, 1) = 1;
    t(1, 2) = 3;
    a.setX(1.5f);
    const std::function<void(TFuzzy&)> aenderungen[] = {
        [](TFuzzy& f) { f.setTerm(1, 5, 0.25f); },     [](TFuzzy& f) { f.setTerm(3, 1, -0.5f); },
        [](TFuzzy& f) { f.setAnzahl(1); },              [](TFuzzy& f) { f.setA(-0.75f); },
        [](TFuzzy& f) { f.loeschen(); },
        [](TFuzzy& f) { f.assign(variable(-2, 2, {{-2, -1, 1, 2, 1}})); },
    };
    for (const Befehlssatz b : befehlssaetze()) {
        for (const auto& aendern : aenderungen) {
            TFuzzy y = aus;
            RegleAusgang(b, a, ohneB, t, y);
            ASSERT_TRUE(bitgleich(y.Schwerpunktkoordinate(), referenz::Schwerpunktkoordinate(y))) << name(b);
            aendern(y);
            EXPECT_TRUE(bitgleich(y.Schwerpunktkoordinate(), referenz::Schwerpunktkoordinate(y))) << name(b);
            TFuzzy kopie = y;
            EXPECT_TRUE(bitgleich(kopie.Schwerpunktkoordinate(), referenz::Schwerpunktkoordinate(y))) << name(b);
        }
    }
}

} // namespace
