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
