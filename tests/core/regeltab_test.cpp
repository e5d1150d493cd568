#include "core/fehler.h"
#include "core/fuzzy.h"
#include "core/regeltab.h"
#include "tests/fuzzy_hilfe.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The inference written out plainly, as a reference for the optimised one.
void RegleAusgangEinfach(const TFuzzy& a, const TFuzzy& b, const TRegeltab& t, TFuzzy& aus)
{
    for (int k = 1; k <= aus.Anzahl(); ++k)
        aus.setTerm(k, 5, 0);
    const int nB = b.definiert() ? b.Anzahl() : 1;
    for (int i = 1; i <= a.Anzahl(); ++i) {
        for (int j = 1; j <= nB; ++j) {
            const float w = b.definiert() ? std::min(a.Zugehoerigkeit(i), b.Zugehoerigkeit(j)) : a.Zugehoerigkeit(i);
            const int k = t(j, i);
            if (k > 0)
                aus.setTerm(k, 5, std::max(aus.Term(k, 5), w));
        }
    }
}

TEST(RegleAusgang, EqualsThePlainMaxMinBitForBitOnRandomControllers)
{
    std::uint32_t zustand = 12345;
    auto zufall = [&zustand](int m) {
        zustand = zustand * 1103515245u + 12345u;
        return static_cast<int>((zustand >> 16) % static_cast<std::uint32_t>(m));
    };
    auto wert = [&zufall] { return static_cast<float>(zufall(41) - 20) / 4; };
    auto zufallsVariable = [&](int n) {
        TFuzzy f;
        f.setDefiniert(true);
        f.setAnzahl(n);
        for (int i = 1; i <= 5; ++i) {
            std::array<float, 4> ecken{wert(), wert(), wert(), wert()};
            if (zufall(4) != 0)
                std::sort(ecken.begin(), ecken.end()); // now and then an unsorted term
            for (int j = 1; j <= 4; ++j)
                f.setTerm(i, j, ecken[j - 1]);
            f.setTerm(i, 5, zufall(5) == 0 ? -0.5f : static_cast<float>(zufall(5)) / 2);
        }
        return f;
    };
    for (int fall = 0; fall < 3000; ++fall) {
        TFuzzy a = zufallsVariable(1 + zufall(5));
        TFuzzy b = zufallsVariable(1 + zufall(5));
        b.setDefiniert(zufall(3) != 0);
        TFuzzy aus = zufallsVariable(1 + zufall(5));
        TRegeltab t;
        for (auto& e : t.werte)
            e = zufall(6);
        a.setX(wert());
        b.setX(wert());
        TFuzzy soll = aus;
        RegleAusgangEinfach(a, b, t, soll);
        RegleAusgang(a, b, t, aus);
        for (int k = 1; k <= 5; ++k)
            ASSERT_EQ(aus.Term(k, 5), soll.Term(k, 5)) << "case " << fall << ", term " << k;
        ASSERT_EQ(aus.Schwerpunktkoordinate(), soll.Schwerpunktkoordinate()) << "case " << fall;
    }
}

} // namespace
