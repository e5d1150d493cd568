#include "hilfen.h"

#include "widgets/koordinatensystem.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr QRgb weiss = 0xffffff;

std::unique_ptr<TKoordinatensystem> editorPlot()
{
    auto k = plot(309, 197);
    k->setXBereich(0, 100);
    k->setYBereich(0, 1);
    return k;
}

TEST(Koordinatensystem, MapsWorldToPixelsRoundingHalvesToEven)
{
    auto k = editorPlot();
    struct Fall {
        float x, y;
        int spalte, zeile;
    };
    const Fall faelle[] = {
        {50, 0.5f, 164, 99},    // 229 * 0.5 = 114.5 -> 114, 137 * 0.5 = 68.5 -> 68
        {0, 0, 50, 167},
        {100, 1, 279, 30},
        {200, -1000, 508, 197}, // columns are not limited; rows below the control at its height
        {-100, 1000, -179, -10}, // rows above the control at -10
    };
    for (const Fall& f : faelle) {
        k->setX(f.x);
        k->setY(f.y);
        EXPECT_EQ(k->xint(), f.spalte) << f.x;
        EXPECT_EQ(k->yint(), f.zeile) << f.y;
    }
}

TEST(Koordinatensystem, ConvertsPixelsBackToWorld)
{
    auto k = editorPlot();
    k->setXint(164);
    EXPECT_FLOAT_EQ(k->x(), 114.0f / 229 * 100);
    EXPECT_EQ(k->xint(), 164);
    k->setYint(99);
    EXPECT_FLOAT_EQ(k->y(), 68.0f / 137);
    EXPECT_EQ(k->yint(), 99);
}

TEST(Koordinatensystem, BoundSettersPutReversedBoundsInOrder)
{
    auto k = plot(309, 197);
    k->setX1(20);
    EXPECT_EQ(k->x1(), 10);
    EXPECT_EQ(k->x2(), 20);
    k->setX2(30);
    EXPECT_EQ(k->x1(), 10);
    EXPECT_EQ(k->x2(), 30);
    k->setYBereich(5, -5);
    EXPECT_EQ(k->y1(), -5);
    EXPECT_EQ(k->y2(), 5);
}

TEST(Koordinatensystem, BothBoundsTogetherGiveExactlyTheNewRange)
{
    struct Fall {
        float vorher1, vorher2, neu1, neu2;
    };
    const Fall faelle[] = {{-10, 10, 20, 30}, {-10, 10, 10, 30}, {-10, 10, 10, 20}, {20, 30, -30, -20}};
    for (const Fall& f : faelle) {
        auto k = plot(309, 197);
        k->setXBereich(f.vorher1, f.vorher2);
        k->setXBereich(f.neu1, f.neu2);
        EXPECT_EQ(k->x1(), f.neu1);
        EXPECT_EQ(k->x2(), f.neu2);
        k->setX(f.neu2);
        EXPECT_EQ(k->xint(), 279);
    }
}

TEST(Koordinatensystem, EmptyRangeDrawsNothingAndDoesNotFail)
{
    auto k = plot(309, 197);
    k->setX1(10); // x2 is 10 as well: an empty intermediate range
    EXPECT_TRUE(k->BereichLeer());
    k->setXBereich(5, 5);
    const QImage vorher = k->Bild();
    k->moveto(5, 0);
    k->lineto(5, 5);
    k->point(5, 1);
    k->spot(5, 1);
    k->Ks();
    k->setRasteranzahl(3);
    k->setXint(100);
    EXPECT_FALSE(k->Pixel(5, 0).has_value());
    EXPECT_EQ(k->Bild(), vorher);
}

TEST(Koordinatensystem, LinesLeaveOutTheirEndPixel)
{
    auto k = editorPlot();
    k->moveto(0, 0.5f);
    k->lineto(50, 0.5f);
    EXPECT_EQ(rgb(k->Bild(), 50, 99), 0u);
    EXPECT_EQ(rgb(k->Bild(), 163, 99), 0u);
    EXPECT_EQ(rgb(k->Bild(), 164, 99), weiss);
}

TEST(Koordinatensystem, PointSetsOnePixelAndSpotSixteen)
{
    auto k = editorPlot();
    QImage leer = k->Bild();
    k->point(50, 0.5f);
    EXPECT_EQ(unterschiede(leer, k->Bild()), 1);
    EXPECT_EQ(rgb(k->Bild(), 164, 99), 0u);
    EXPECT_EQ(k->xint(), 164);
    EXPECT_EQ(k->yint(), 99);

    leer = k->Bild();
    k->spot(20, 0.25f);
    EXPECT_EQ(unterschiede(leer, k->Bild()), 16);
    const int px = k->xint();
    const int py = k->yint();
    EXPECT_EQ(rgb(k->Bild(), px, py), weiss);
    for (const QPoint ecke : {QPoint(-2, -2), QPoint(2, -2), QPoint(2, 2), QPoint(-2, 2)})
        EXPECT_EQ(rgb(k->Bild(), px + ecke.x(), py + ecke.y()), 0u);
    EXPECT_EQ(k->Canvas().PenPos(), QPoint(px - 2, py - 2));
}

TEST(Koordinatensystem, DrawingTwiceInXorModeRestoresThePicture)
{
    auto k = editorPlot();
    k->setKSFarbe(QColor(128, 128, 128));
    k->Ks();
    k->setStiftart(TStiftart::Xor);
    k->setGraphFarbe(QColor(0, 128, 128));
    const QImage vorher = k->Bild();
    auto zeichnen = [&] {
        for (const int breite : {1, 2, 3}) {
            k->Canvas().Stift.Breite = breite;
            k->moveto(0, 0);
            k->lineto(30, 0.9f);
            k->lineto(60, 0.1f);
            k->lineto(60, 5); // leaves the control at the top
            k->lineto(-20, -3);
            k->point(70, 0.5f);
            k->spot(80, 0.5f);
        }
    };
    zeichnen();
    EXPECT_GT(unterschiede(vorher, k->Bild()), 100);
    zeichnen();
    EXPECT_EQ(k->Bild(), vorher);
}

TEST(Koordinatensystem, ValuesThatAreNoNumbersAreLeftOut)
{
    auto k = editorPlot();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const QImage vorher = k->Bild();
    k->moveto(nan, 0);
    k->lineto(50, 0.5f); // from a point that could not be mapped: no line
    k->lineto(50, nan);
    k->lineto(60, 0.5f); // likewise
    k->point(nan, nan);
    EXPECT_EQ(k->Bild(), vorher);

    // Infinite and huge values map to far-away pixels; drawing them works.
    k->setStiftart(TStiftart::Xor);
    k->setGraphFarbe(Qt::blue);
    for (int i = 0; i < 2; ++i) {
        k->moveto(50, 0.5f);
        k->lineto(inf, 0.5f);
        k->moveto(50, 0.5f);
        k->lineto(50, -inf);
        k->moveto(-1e30f, 0.2f);
        k->lineto(1e30f, 0.2f);
        if (i == 0) {
            EXPECT_EQ(rgb(k->Bild(), 250, 99), weiss ^ 0xffu) << "line towards +inf";
        }
    }
    EXPECT_EQ(k->Bild(), vorher);
}

// Non-background pixels in the label box of each grid line: the x labels
// below the plot, the y labels left of it.
QList<bool> beschriftet(TKoordinatensystem& k)
{
    const QImage& bild = k.Bild();
    const int h = QFontMetrics(k.font()).height();
    QList<bool> ergebnis;
    const int r = k.Rasteranzahl();
    for (int i = 0; i <= r; ++i) {
        const int px = 50 + static_cast<int>(std::nearbyint(229.0 * i / r));
        ergebnis << etwasAnders(bild, QRect(px - 20, 167 + 10, 40, h), weiss);
    }
    for (int i = 0; i <= r; ++i) {
        const int py = 167 - static_cast<int>(std::nearbyint(137.0 * i / r));
        ergebnis << etwasAnders(bild, QRect(0, py - h / 2, 48, h), weiss);
    }
    return ergebnis;
}

TEST(Koordinatensystem, GridLabelsFollowTheScaleStyle)
{
    struct Fall {
        TSkala skala;
        QList<bool> labels;
    };
    const QList<bool> alle(10, true);
    const QList<bool> enden = {true, false, false, false, true, true, false, false, false, true};
    const Fall faelle[] = {{TSkala::ganz, alle}, {TSkala::teilweise, enden}, {TSkala::keine, QList<bool>(10, false)}};
    for (const Fall& f : faelle) {
        auto k = editorPlot();
        k->setKSFarbe(QColor(128, 128, 128));
        k->setSkalenart(f.skala);
        k->Ks();
        EXPECT_EQ(beschriftet(*k), f.labels) << static_cast<int>(f.skala);
    }
}

TEST(Koordinatensystem, GridIsDottedAndFramesThePlotArea)
{
    auto k = editorPlot();
    k->setKSFarbe(QColor(128, 128, 128));
    k->setSkalenart(TSkala::keine);
    k->Ks();
    const QImage& bild = k->Bild();
    int grau = 0;
    int weissAufLinie = 0;
    for (int y = 31; y < 167; ++y) {
        grau += rgb(bild, 50, y) == 0x808080;
        weissAufLinie += rgb(bild, 50, y) == weiss;
    }
    EXPECT_GT(grau, 40);
    EXPECT_GT(weissAufLinie, 40);
    EXPECT_FALSE(etwasAnders(bild, QRect(0, 0, 309, 29), weiss));
    EXPECT_FALSE(etwasAnders(bild, QRect(281, 0, 28, 197), weiss));
    EXPECT_TRUE(etwasAnders(bild, QRect(279, 31, 1, 136), weiss)); // right frame at column 279
}

TEST(Koordinatensystem, GridRestoresThePenAndKeepsTheFontColour)
{
    auto k = editorPlot();
    k->setKSFarbe(QColor(128, 128, 128));
    k->setGraphFarbe(Qt::blue);
    k->setStiftart(TStiftart::Xor);
    k->Ks();
    const TCanvas& c = k->Canvas();
    EXPECT_EQ(c.Stift.Farbe, QColor(Qt::blue));
    EXPECT_EQ(c.Stift.Modus, TStiftart::Xor);
    EXPECT_EQ(c.Stift.Stil, Qt::SolidLine);
    EXPECT_EQ(c.Schriftfarbe, QColor(128, 128, 128));
}

TEST(Koordinatensystem, WritingRasteranzahlDrawsTheGridWithoutErasing)
{
    auto k = editorPlot();
    k->point(10, 0.9f);
    const QPoint punkt(k->xint(), k->yint());
    k->setKSFarbe(QColor(128, 128, 128));
    k->setRasteranzahl(2);
    EXPECT_EQ(rgb(k->Bild(), punkt.x(), punkt.y()), 0u);
    EXPECT_TRUE(etwasAnders(k->Bild(), QRect(164, 31, 1, 136), weiss)); // the middle line of 2
}

TEST(Koordinatensystem, RefreshClearsToTheBackgroundAndCallsOnPaint)
{
    auto k = editorPlot();
    k->moveto(0, 0);
    k->lineto(100, 1);
    int aufrufe = 0;
    k->setColor(QColor(10, 20, 30));
    k->setOnPaint([&](TKoordinatensystem& kk) {
        ++aufrufe;
        EXPECT_EQ(rgb(kk.Bild(), 100, 100), 0x0a141eu); // already cleared
        kk.point(50, 0.5f);
    });
    k->Refresh();
    EXPECT_EQ(aufrufe, 1);
    QImage erwartet(309, 197, QImage::Format_RGB32);
    erwartet.fill(QColor(10, 20, 30));
    EXPECT_EQ(unterschiede(erwartet, k->Bild()), 1);
}

TEST(Koordinatensystem, ResizedPlotGetsAFittingPictureAndGeometry)
{
    TKoordinatensystem k;
    k.resize(309, 197);
    k.setXBereich(0, 100); // first call after the size change adapts picture and geometry
    k.setYBereich(0, 1);
    EXPECT_EQ(k.Bild().size(), QSize(309, 197));
    k.setX(100);
    EXPECT_EQ(k.xint(), 279);
    k.point(50, 0);
    k.show(); // the late resize event must not wipe what is drawn
    QCoreApplication::processEvents();
    EXPECT_EQ(k.Bild().size(), QSize(309, 197));
    EXPECT_EQ(rgb(k.Bild(), 164, 167), 0u);
}

TEST(Koordinatensystem, ConversionsFollowASizeChangeBeforeAnyDrawing)
{
    TKoordinatensystem k; // -10..10 on both axes
    k.resize(309, 197);
    k.setX(10);
    EXPECT_EQ(k.xint(), 279);
    k.setY(-10);
    EXPECT_EQ(k.yint(), 167);
    k.resize(421, 133);
    k.setXint(391);
    EXPECT_EQ(k.x(), 10);
    k.setYint(103);
    EXPECT_EQ(k.y(), -10);
}

TEST(Koordinatensystem, GridCountBeyondThePixelsPutsALineOnEveryPixel)
{
    auto k = editorPlot();
    k->setKSFarbe(QColor(128, 128, 128));
    k->setRasteranzahl(std::numeric_limits<int>::max()); // a number typed into a field
    EXPECT_EQ(k->Rasteranzahl(), std::numeric_limits<int>::max());
    const QImage& bild = k->Bild();
    for (int x = 50; x <= 279; ++x)
        ASSERT_EQ(rgb(bild, x, 99), 0x808080u) << x;
    for (int y = 30; y <= 167; ++y)
        ASSERT_EQ(rgb(bild, 100, y), 0x808080u) << y;
    // Labels only at the ends of each axis.
    const int h = QFontMetrics(k->font()).height();
    EXPECT_TRUE(etwasAnders(bild, QRect(30, 177, 40, h), weiss));
    EXPECT_TRUE(etwasAnders(bild, QRect(259, 177, 40, h), weiss));
    EXPECT_FALSE(etwasAnders(bild, QRect(90, 177, 130, h), weiss));
    EXPECT_TRUE(etwasAnders(bild, QRect(0, 167 - h / 2, 48, h), weiss));
    EXPECT_TRUE(etwasAnders(bild, QRect(0, 30 - h / 2, 48, h), weiss));
    EXPECT_FALSE(etwasAnders(bild, QRect(0, 60, 48, 80), weiss));
}

TEST(Koordinatensystem, CopyToClipboardPutsThePictureThere)
{
    auto k = editorPlot();
    k->spot(50, 0.5f);
    k->CopyToClipboard();
    const QImage ablage = QGuiApplication::clipboard()->image();
    ASSERT_EQ(ablage.size(), k->Bild().size());
    EXPECT_EQ(unterschiede(ablage.convertToFormat(QImage::Format_RGB32), k->Bild()), 0);
}

} // namespace
