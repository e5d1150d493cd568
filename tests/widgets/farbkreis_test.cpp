// The filled colour circle of the variable editor's rows and the simulation lamps.
#include "widgets/farbkreis.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(Farbkreis, FillsTheCircleOutlinesItInBlackAndLeavesTheCornersAlone)
{
    QImage bild(26, 26, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter m(&bild);
        FarbkreisZeichnen(m, QRectF(0, 0, 26, 26), QColor(0, 255, 0));
    }
    EXPECT_EQ(bild.pixelColor(13, 13), QColor(0, 255, 0));
    EXPECT_EQ(bild.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(bild.pixelColor(25, 25), QColor(Qt::white));
    // The outline at the middle of each edge, half a pixel inside.
    for (const QPoint p : {QPoint(13, 0), QPoint(0, 13), QPoint(13, 25), QPoint(25, 13)})
        EXPECT_LT(bild.pixelColor(p).lightness(), 100) << p.x() << "," << p.y();
}

TEST(Farbkreis, AWidgetRepaintsWithItsNewColour)
{
    TFarbkreis kreis(QColor(255, 0, 0));
    kreis.resize(17, 17);
    EXPECT_EQ(kreis.grab().toImage().pixelColor(8, 8), QColor(255, 0, 0));
    kreis.setFarbe(QColor(0, 0, 255));
    EXPECT_EQ(kreis.Farbe(), QColor(0, 0, 255));
    EXPECT_EQ(kreis.grab().toImage().pixelColor(8, 8), QColor(0, 0, 255));
}

} // namespace
