#include "core/kennfeldfarben.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TKennfeld Feld(float grund)
{
    TKennfeld f{};
    for (auto& zeile : f)
        zeile.fill(grund);
    return f;
}

constexpr float keineZahl = std::numeric_limits<float>::quiet_NaN();
constexpr float unendlich = std::numeric_limits<float>::infinity();

} // namespace

TEST(KennfeldFarben, ThirdsOfTheFiniteRange)
{
    // Values put into the cells [0][0..5] of a surface that is otherwise
    // `grund`; the colours expected there.
    const struct {
        const char* name;
        float grund;
        std::array<float, 6> werte;
        std::array<TFarbe, 6> farben;
    } faelle[] = {
        {"0..3", 0, {0, 0.99f, 1.01f, 1.99f, 2.01f, 3}, {KennfeldGruen, KennfeldGruen, KennfeldGelb, KennfeldGelb, KennfeldRot, KennfeldRot}},
        {"beyond 99999", 150000, {150000, 200000, 250000, 300000, 160000, 290000},
         {KennfeldGruen, KennfeldGelb, KennfeldGelb, KennfeldRot, KennfeldGruen, KennfeldRot}},
        {"below -99999", -300000, {-300000, -100000, -200000, -250000, -150000, -120000},
         {KennfeldGruen, KennfeldRot, KennfeldGelb, KennfeldGruen, KennfeldRot, KennfeldRot}},
        {"not finite", 0, {keineZahl, 3, unendlich, -unendlich, 1.5f, 0}, {KennfeldGelb, KennfeldRot, KennfeldRot, KennfeldGruen, KennfeldGelb, KennfeldGruen}},
    };
    for (const auto& f : faelle) {
        TKennfeld feld = Feld(f.grund);
        for (int j = 0; j < 6; ++j)
            feld[0][j] = f.werte[j];
        const TKennfeldFarben farben = KennfeldFarben(feld);
        for (int j = 0; j < 6; ++j)
            EXPECT_EQ(farben[0][j], f.farben[j]) << f.name << " [0][" << j << "]";
    }
}

TEST(KennfeldFarben, AllEqualOrNothingFiniteIsYellow)
{
    for (float v : {0.f, -7.5f, 1e30f, keineZahl}) {
        const TKennfeldFarben farben = KennfeldFarben(Feld(v));
        for (const auto& zeile : farben)
            for (TFarbe c : zeile)
                ASSERT_EQ(c, KennfeldGelb) << v;
    }
}
