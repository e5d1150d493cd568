#include "widgets/flaechendiagramm3d.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

const QColor rot(255, 0, 0), blau(0, 0, 255), grau(160, 160, 160);

QRgb farbeBei(TFlaechendiagramm3D& c, double x, double z, double wert)
{
    const QPointF p = c.Projektion(x, z, wert);
    return c.Bild().pixel(qRound(p.x()), qRound(p.y())) & 0xffffff;
}

// Two series of two points: one box low, one high, the others on the floor.
void vierKaesten(TFlaechendiagramm3D& c, int niedrigSerie, int niedrigPunkt, int hochSerie, int hochPunkt)
{
    c.setSerienanzahl(2);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const bool niedrig = i == niedrigSerie && j == niedrigPunkt;
            const bool hoch = i == hochSerie && j == hochPunkt;
            c.PunktAnfuegen(i, niedrig ? 10.f : (hoch ? 20.f : 0.f), niedrig ? blau : (hoch ? rot : grau));
        }
}

} // namespace

TEST(Flaechendiagramm3D, NearerBoxesCoverFartherOnesAtEveryAngle)
{
    // At 50 degrees the depth leaves to the upper right: the low box at the
    // front right stands before the high one at the back left, and a point of
    // its top just in front of its back edge lies inside the picture of the
    // high box's side. At 130 degrees the same mirrored.
    const struct {
        int winkel;
        int niedrigPunkt, hochPunkt;
        double x;
    } faelle[] = {{50, 1, 0, 1.15}, {130, 0, 1, 0.85}};
    for (const auto& f : faelle) {
        TFlaechendiagramm3D c;
        c.resize(627, 500);
        c.setXInvertiert(false);
        c.setBlickwinkel(f.winkel);
        vierKaesten(c, 0, f.niedrigPunkt, 1, f.hochPunkt);
        EXPECT_EQ(farbeBei(c, f.x, 0.9, 10), blau.rgb() & 0xffffff) << f.winkel;
        // The high box is there: its own top.
        EXPECT_EQ(farbeBei(c, f.hochPunkt + 0.5, 1.5, 20), rot.rgb() & 0xffffff) << f.winkel;
    }
}

TEST(Flaechendiagramm3D, InversionsMirrorTheAxes)
{
    for (bool x : {false, true})
        for (bool y : {false, true}) {
            TFlaechendiagramm3D c;
            c.resize(627, 539);
            c.setXInvertiert(x);
            c.setYInvertiert(y);
            vierKaesten(c, 0, 0, 1, 1);
            const QPointF p0 = c.Projektion(0.5, 0.5, 0);
            const QPointF p1 = c.Projektion(1.5, 0.5, 0);
            EXPECT_EQ(p0.x() > p1.x(), x);
            const QPointF vorn = c.Projektion(0.5, 0.5, 0);
            const QPointF hinten = c.Projektion(0.5, 1.5, 0);
            EXPECT_EQ(vorn.y() < hinten.y(), y);
            EXPECT_EQ(farbeBei(c, 1.5, 1.5, 20), rot.rgb() & 0xffffff) << x << y;
        }
}

TEST(Flaechendiagramm3D, ValueAxisAndFlatOrBrokenData)
{
    TFlaechendiagramm3D c;
    c.resize(400, 300);
    c.setSerienanzahl(3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            c.PunktAnfuegen(i, -3.5f + float(i * j), Qt::yellow);
    EXPECT_LE(c.WertUnten(), -3.5);
    EXPECT_GE(c.WertOben(), 2.5);
    // A flat surface gets a range around its value; values that are not
    // finite leave the range alone.
    c.AllesLeeren();
    for (int i = 0; i < 3; ++i) {
        c.PunktAnfuegen(i, 1e6f, Qt::yellow);
        c.PunktAnfuegen(i, std::numeric_limits<float>::quiet_NaN(), Qt::yellow);
        c.PunktAnfuegen(i, std::numeric_limits<float>::infinity(), Qt::yellow);
    }
    EXPECT_LT(c.WertUnten(), 1e6);
    EXPECT_GT(c.WertOben(), 1e6);
    EXPECT_EQ(farbeBei(c, 0.5, 1.5, 1e6), QColor(Qt::yellow).rgb() & 0xffffff);
    c.AllesLeeren();
    EXPECT_EQ(c.Bild().size(), QSize(400, 300));
}

TEST(Flaechendiagramm3D, TheMarkerStaysOnTopAtTheProjectedPoint)
{
    TFlaechendiagramm3D c;
    c.resize(627, 539);
    c.setXInvertiert(false);
    vierKaesten(c, 0, 1, 1, 0);
    c.setMarke(QPointF(0.5, 1.5), 20);
    for (int winkel : {0, 50, 130, 180}) {
        c.setBlickwinkel(winkel);
        // The dot in the middle of the marker is black, whatever box is near.
        EXPECT_EQ(farbeBei(c, 0.5, 1.5, 20), 0u) << winkel;
    }
    c.setMarke(std::nullopt);
    c.setBlickwinkel(50);
    EXPECT_EQ(farbeBei(c, 0.5, 1.5, 20), rot.rgb() & 0xffffff);
}
