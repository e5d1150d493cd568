#include "core/achsenteilung.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

TEST(EinsZweiFuenf, TakesTheNextStepOfOneTwoOrFiveTimesAPowerOfTen)
{
    const struct {
        double x, schritt;
    } faelle[] = {
        {1, 1},       {1.5, 2},      {2, 2},        {2.0000001, 2}, {3, 5},   {5, 5},
        {6, 10},      {9.99, 10},    {10, 10},      {0.3, 0.5},     {0.07, 0.1},
        {0.012, 0.02}, {120, 200},   {4321, 5000},
        // Nothing drawable: a plain 1.
        {0, 1},       {-3, 1},       {std::numeric_limits<double>::infinity(), 1},
        {std::numeric_limits<double>::quiet_NaN(), 1},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(EinsZweiFuenf(f.x), f.schritt, 1e-12 * f.schritt) << f.x;
}
