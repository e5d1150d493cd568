#include "hilfen.h"

#include "plant/pendel.h"
#include "plant/simulation.h"
#include "widgets/pendelzeichnen.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr QRgb weiss = 0xffffff;
constexpr QRgb rot = 0xff0000;

// The plot of the search window: 237 x 109, -4..4 x -0.1..2.5.
std::unique_ptr<TKoordinatensystem> suchPlot(TStiftart art)
{
    auto k = plot(237, 109);
    k->setXBereich(-4, 4);
    k->setYBereich(-0.1f, 2.5f);
    k->setStiftart(art);
    return k;
}

TPendel anlage(bool pendelTyp, float x, float winkel)
{
    TPendel p;
    p.setPendelTyp(pendelTyp);
    PendelStarten(p, {});
    p.setX(x);
    p.setWinkel(winkel);
    return p;
}

TEST(ZeigePendel, CartStandsBelowTheFootOfTheRod)
{
    auto k = suchPlot(TStiftart::Kopieren);
    ZeigePendel(anlage(true, 0, 0), *k);
    const QPoint fuss = *k->Pixel(0, 0);
    const QImage& b = k->Bild();
    // 10 x 7 pixels below the foot: ring of the 2-pixel pen, inside in the brush.
    EXPECT_EQ(rgb(b, fuss.x() - 5, fuss.y() + 3), rot);
    EXPECT_EQ(rgb(b, fuss.x() + 4, fuss.y() + 3), rot);
    EXPECT_EQ(rgb(b, fuss.x(), fuss.y() + 6), rot);
    EXPECT_EQ(rgb(b, fuss.x() - 1, fuss.y() + 3), weiss);
    EXPECT_EQ(rgb(b, fuss.x() + 6, fuss.y() + 3), weiss);
    EXPECT_EQ(rgb(b, fuss.x(), fuss.y() + 8), weiss);
    // The upright rod.
    const QPoint mitte = *k->Pixel(0, 1.25f);
    EXPECT_TRUE(etwasAnders(b, QRect(mitte.x() - 1, mitte.y(), 2, 1), weiss));
    EXPECT_EQ(k->GraphFarbe(), QColor(255, 0, 0));
    EXPECT_EQ(k->Canvas().Stift.Breite, 2);
}

TEST(ZeigePendel, TrolleyStandsAboveTheSuspensionPointOnTheRail)
{
    auto k = suchPlot(TStiftart::Kopieren);
    ZeigePendel(anlage(false, -1, 0), *k);
    const QPoint aufhaengung = *k->Pixel(-1, 2.5f);
    const QImage& b = k->Bild();
    EXPECT_EQ(rgb(b, aufhaengung.x() - 5, aufhaengung.y() - 4), rot);
    EXPECT_EQ(rgb(b, aufhaengung.x() + 4, aufhaengung.y() - 4), rot);
    EXPECT_EQ(rgb(b, aufhaengung.x(), aufhaengung.y() - 8), rot);
    EXPECT_EQ(rgb(b, aufhaengung.x(), aufhaengung.y() - 10), weiss);
    // The rope hangs straight down to the ground.
    const QPoint last = *k->Pixel(-1, 0.2f);
    EXPECT_TRUE(etwasAnders(b, QRect(last.x() - 1, last.y(), 2, 1), weiss));
}

TEST(ZeigePendel, SecondDrawingInXorModeRemovesThePlant)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Fall {
        bool pendelTyp;
        float x, winkel;
    };
    const Fall faelle[] = {
        {true, 1.5f, 10},   {false, -3, -20},  {true, 3.9f, 80},    {false, 1e30f, 0},
        {true, 0, nan},     {false, nan, 10},  {true, 0, inf},      {false, -inf, 5},
        {true, 0, 3e38f},
    };
    for (const Fall& f : faelle) {
        auto k = suchPlot(TStiftart::Xor);
        k->setKSFarbe(QColor(192, 192, 192));
        k->setRasteranzahl(8);
        const QImage vorher = k->Bild();
        const TPendel p = anlage(f.pendelTyp, f.x, f.winkel);
        ZeigePendel(p, *k);
        ZeigePendel(p, *k);
        EXPECT_EQ(k->Bild(), vorher) << f.pendelTyp << " " << f.x << " " << f.winkel;
    }
}

TEST(ZeigePendel, CraneFrameMovesThePicture)
{
    auto k = suchPlot(TStiftart::Xor);
    const QImage leer = k->Bild();
    TPendel p = anlage(false, -3, 0);
    p.setKraft(1);
    ZeigePendel(p, *k);
    for (int i = 0; i < 20; ++i) {
        ZeigePendel(p, *k);
        p.Schritt();
        ZeigePendel(p, *k);
    }
    auto nurLetztes = suchPlot(TStiftart::Xor);
    ZeigePendel(p, *nurLetztes);
    EXPECT_EQ(k->Bild(), nurLetztes->Bild());
    EXPECT_NE(k->Bild(), leer);
}

} // namespace
