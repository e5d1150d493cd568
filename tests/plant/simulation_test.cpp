#include "plant/simulation.h"

#include "core/fuzzy.h"
#include "core/regeltab.h"
#include "tests/fuzzy_hilfe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

using fuzzytest::trapezVariable;

// A: negative / positive over -30..30; B: one term that is 1 everywhere;
// output: left (centroid -55/9) and right (centroid 55/9).
struct Regler {
    TFuzzy a = trapezVariable(-30, 30, {{-30, -30, -10, 0}, {0, 10, 30, 30}});
    TFuzzy b = trapezVariable(-100, 100, {{-100, -100, 100, 100}});
    TFuzzy y = trapezVariable(-10, 10, {{-10, -10, -5, 0}, {0, 5, 10, 10}});
    TRegeltab tab;
    Regler()
    {
        tab(1, 1) = 1;
        tab(1, 2) = 2;
    }
};

constexpr float rechts = 275.0f / 45.0f;

TPendel gestartet(bool pendelTyp, const TEinstellungen& e = {}, float wind = 0)
{
    TPendel p;
    p.setPendelTyp(pendelTyp);
    PendelStarten(p, e, wind);
    return p;
}

TEST(Simulation, StartSetsUpEachPlantFromTheSettings)
{
    const TPendel pendel = gestartet(true, {-5, 2, 20, 12}, Windkraft);
    EXPECT_EQ(pendel.x(), 1.5f);
    EXPECT_FLOAT_EQ(pendel.winkel(), 12);
    EXPECT_EQ(pendel.cr(), 0.3f);
    EXPECT_EQ(pendel.li_(), 0.75f);
    EXPECT_EQ(pendel.Wind(), 3.0f);
    EXPECT_GT(pendel.g_(), 0);
    EXPECT_EQ(pendel.DeltaT(), 0.05f);

    const TPendel kran = gestartet(false, {-5, 2.5f, 20, 12});
    EXPECT_EQ(kran.x(), -5);
    EXPECT_EQ(kran.winkel(), 0);
    EXPECT_EQ(kran.cr(), 0.8f);
    EXPECT_EQ(kran.laenge(), 2.5f);
    EXPECT_EQ(kran.Wind(), 0);
    EXPECT_LT(kran.g_(), 0);
}

TEST(Simulation, LampIsGreenOnlyForALoadAtRestNearTheTarget)
{
    const double l = 2.5;
    const float gegenXdot = static_cast<float>(-0.2 * 180 / (std::numbers::pi * l));
    const float zwanzigCm = static_cast<float>(std::asin(0.2 / l) * 180 / std::numbers::pi);
    struct Fall {
        float x, xdot, winkel, winkeldot;
        bool gruen;
    };
    const Fall faelle[] = {
        {2, 0, 0, 0, true},
        {2.1f, 0, 0, 0, false},
        {1.9f, 0, 0, 0, false},
        {2.09f, 0, 0, 0, true},
        {1.95f, 0.09f, 0, 0, true},
        {1.95f, -0.1f, 0, 0, false},
        {2, 0, 0, 3, false},               // the swinging load moves at 0.13 m/s
        {2, 0.2f, 0, gegenXdot, true},     // trolley and swing cancel at the load
        {1.8f, 0, zwanzigCm, 0, true},     // the load hangs 20 cm right of the trolley
        {2, 0, zwanzigCm, 0, false},
    };
    for (const Fall& f : faelle) {
        TPendel p = gestartet(false);
        p.setX(f.x);
        p.setXdot(f.xdot);
        p.setWinkel(f.winkel);
        p.setWinkeldot(f.winkeldot);
        EXPECT_EQ(AmpelGruen(p), f.gruen) << f.x << " " << f.xdot << " " << f.winkel << " " << f.winkeldot;
    }
}

TEST(Simulation, ControlFeedsEachPlantsMeasurementsAndSetsTheCentroidAsForce)
{
    Regler r;
    TPendel pendel = gestartet(true);
    pendel.setWinkeldot(7);
    FuzzyRegelung(pendel, r.a, r.b, r.tab, r.y);
    EXPECT_FLOAT_EQ(r.a.x(), 10);
    EXPECT_FLOAT_EQ(r.b.x(), 7);
    EXPECT_FLOAT_EQ(pendel.Kraft(), rechts);

    TPendel kran = gestartet(false);
    kran.setWinkel(4);
    FuzzyRegelung(kran, r.a, r.b, r.tab, r.y);
    EXPECT_EQ(r.a.x(), -3);
    EXPECT_FLOAT_EQ(r.b.x(), 4);
    EXPECT_FLOAT_EQ(kran.Kraft(), -rechts);

    // No rule fires: the force is the output's lower bound.
    kran.setX(0);
    FuzzyRegelung(kran, r.a, r.b, r.tab, r.y);
    EXPECT_EQ(kran.Kraft(), -10);
}

TEST(Simulation, PassStepsWithTheOldForceAndTheOldStepLength)
{
    Regler r;
    TPendel p = gestartet(true);
    FuzzyDurchlauf(p, r.a, r.b, r.tab, r.y, 0.1f);
    EXPECT_EQ(p.xdot(), 0);
    EXPECT_FLOAT_EQ(p.Zeit(), 0.05f);
    EXPECT_FLOAT_EQ(p.Kraft(), rechts);
    EXPECT_EQ(p.DeltaT(), 0.1f);
    FuzzyDurchlauf(p, r.a, r.b, r.tab, r.y, 0.1f);
    EXPECT_FLOAT_EQ(p.xdot(), rechts * 0.1f);
    EXPECT_FLOAT_EQ(p.Zeit(), 0.15f);
}

TEST(Simulation, MeasuredPassGivesTheStepLengthSlowedBySlowMotionAndCapped)
{
    struct Fall {
        std::uint32_t millisekunden;
        int zeitfaktor;
        float schritt;
    };
    // A pass held up for seconds (a menu, a message box) counts as 200 ms.
    for (const Fall f : {Fall{50, 1, 0.05f}, Fall{55, 5, 0.011f}, Fall{200, 1, 0.2f}, Fall{5000, 1, 0.2f},
                         Fall{5000, 5, 0.04f}, Fall{50, 0, 0.05f}})
        EXPECT_FLOAT_EQ(Schrittweite(f.millisekunden, f.zeitfaktor), f.schritt) << f.millisekunden << " " << f.zeitfaktor;
}

TEST(Simulation, ForceBarColumnGivesEachPlantsForce)
{
    struct Fall {
        int spalte;
        bool pendelTyp;
        float kraft;
    };
    // From the column itself: beyond the bar's 0..100 as well.
    for (const Fall f : {Fall{0, true, -25}, Fall{50, true, 0}, Fall{104, true, 27}, Fall{-10, true, -30},
                         Fall{0, false, -1}, Fall{50, false, 0}, Fall{104, false, 1.08f}})
        EXPECT_FLOAT_EQ(KraftAusBalken(f.spalte, f.pendelTyp), f.kraft) << f.spalte << " " << f.pendelTyp;
}

TEST(Simulation, AFallenPendulumKeepsSteppingWhenItsValuesOverflow)
{
    Regler r;
    TPendel p = gestartet(true);
    p.setWinkel(std::numeric_limits<float>::max());
    p.setWinkeldot(std::numeric_limits<float>::infinity());
    for (int i = 0; i < 3; ++i)
        FuzzyDurchlauf(p, r.a, r.b, r.tab, r.y, 0.05f);
    EXPECT_FALSE(std::isfinite(p.winkel()));
    EXPECT_FLOAT_EQ(p.Zeit(), 0.15f);
    EXPECT_FALSE(AmpelGruen(p));
}

} // namespace
