#include "plant/pendel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TPendel gestartet(bool pendelTyp)
{
    TPendel p;
    p.setPendelTyp(pendelTyp);
    p.Init();
    p.setLaenge(2.5f);
    p.setWinkel(10);
    p.setX(1.5f);
    return p;
}

TEST(TPendel, FirstStepOfBothPlants)
{
    const float erwartet = static_cast<float>(0.05 * 0.6 * 9.81 * (10 * std::numbers::pi / 180));
    for (const bool pendel : {true, false}) {
        TPendel p = gestartet(pendel);
        p.Schritt();
        EXPECT_FLOAT_EQ(p.x(), 1.5f);
        EXPECT_FLOAT_EQ(p.winkel(), 10);
        EXPECT_NEAR(p.zustand()[3], pendel ? erwartet : -erwartet, 1e-6);
        EXPECT_NEAR(p.winkeldot(), pendel ? 2.94 : -2.94, 0.01);
        EXPECT_FLOAT_EQ(p.Zeit(), 0.05f);
    }
}

// One Euler step, one term of the model at a time, worked by hand with mass 2,
// friction 0.5, length 1.5 (li = 1) and step 0.1: x' = xdot,
// xdot' = (F - c xdot) / m, phi' = phidot,
// phidot' = li (g phi - (F + W + c xdot) / m - 2 c phidot).
TEST(TPendel, EachTermOfTheDerivativeWithItsSign)
{
    struct Fall {
        const char* term;
        float kraft, wind, xdot, phi, phidot; // angles in radians
        double x, xdotNeu, phiNeu, phidotPendel, phidotKran;
    };
    const Fall faelle[] = {
        {"F/m", 4, 0, 0, 0, 0, 0, 0.2, 0, -0.2, -0.2},
        {"c xdot", 0, 0, 1, 0, 0, 0.1, 0.975, 0, -0.025, -0.025},
        {"2 c phidot", 0, 0, 0, 0, 1, 0, 0, 0.1, 0.9, 0.9},
        {"g phi", 0, 0, 0, 0.1f, 0, 0, 0, 0.1f, 0.0981, -0.0981},
        {"wind", 0, 3, 0, 0, 0, 0, 0, 0, -0.15, -0.15},
    };
    for (const Fall& f : faelle) {
        for (const bool pendelTyp : {true, false}) {
            TPendel p;
            p.setPendelTyp(pendelTyp);
            p.Init();
            p.setMasse(2);
            p.setCr(0.5f);
            p.setLaenge(1.5f);
            p.setDeltaT(0.1f);
            p.setKraft(f.kraft);
            p.setWind(f.wind);
            p.setXdot(f.xdot);
            p.setWinkel(static_cast<float>(f.phi * 180 / std::numbers::pi));
            p.setWinkeldot(static_cast<float>(f.phidot * 180 / std::numbers::pi));
            p.Schritt();
            const vektor& v = p.zustand();
            EXPECT_NEAR(v[0], f.x, 1e-6) << f.term << " " << pendelTyp;
            EXPECT_NEAR(v[1], f.xdotNeu, 1e-6) << f.term << " " << pendelTyp;
            EXPECT_NEAR(v[2], f.phiNeu, 1e-6) << f.term << " " << pendelTyp;
            EXPECT_NEAR(v[3], pendelTyp ? f.phidotPendel : f.phidotKran, 1e-6) << f.term << " " << pendelTyp;
        }
    }
}

TEST(TPendel, ConstantForceDrivesTheVelocityTowardsForceOverFriction)
{
    TPendel p = gestartet(false);
    p.setKraft(4);
    for (int i = 0; i < 2000; ++i)
        p.Schritt();
    EXPECT_NEAR(p.xdot(), 4 / 0.8, 1e-3);
}

TEST(TPendel, InitAndProperties)
{
    TPendel p;
    p.setPendelTyp(true);
    p.setKraft(3);
    p.Init();
    EXPECT_EQ(p.masse(), 1);
    EXPECT_EQ(p.laenge(), 2.5f);
    EXPECT_FLOAT_EQ(p.li_(), 0.6f);
    EXPECT_FLOAT_EQ(p.g_(), 9.81f);
    EXPECT_EQ(p.Kraft(), 0);
    EXPECT_FLOAT_EQ(p.cr(), 0.8f);
    EXPECT_FLOAT_EQ(p.DeltaT(), 0.05f);
    EXPECT_TRUE(p.PendelTyp());
    p.setLaenge(2);
    EXPECT_EQ(p.li_(), 0.75f);
    for (const float w : {10.0f, -33.3f, 0.1f, 179.0f}) {
        p.setWinkel(w);
        EXPECT_FLOAT_EQ(p.winkel(), w);
    }
}

} // namespace
