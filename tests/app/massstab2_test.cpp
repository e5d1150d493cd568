// The pictures of the main window on a screen scaled to 200 %: the time
// plot and the title picture at device resolution, lines one logical pixel
// wide, and scrolling by whole device pixels.
#include "app/bilder.h"
#include "app/verlaufplot.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Set before main() creates the application, so that this program runs at
// 200 % wherever it is started.
const bool doppelt = qputenv("QT_SCALE_FACTOR", "2");

// A crane-like run: swinging values, a green phase now and then.
TVerlaufPunkt Reihe(int n)
{
    TVerlaufPunkt p;
    p.zeit = 0.05f * float(n);
    p.x = 4 * std::sin(p.zeit * 0.3f);
    p.winkel = 12 * std::cos(p.zeit * 1.1f);
    p.kraft = 0.8f * std::sin(p.zeit * 2.3f);
    p.gruen = (n / 40) % 3 == 0;
    return p;
}

// Device pixels of one colour in a device row or column.
int anzahl(const QImage& b, QColor farbe, int fest, bool spalte)
{
    int n = 0;
    for (int i = 0; i < (spalte ? b.height() : b.width()); ++i)
        n += b.pixelColor(spalte ? fest : i, spalte ? i : fest) == farbe;
    return n;
}

TEST(Massstab2App, TimePlotHasTwiceThePixelsAndLinesOneLogicalPixelWide)
{
    ASSERT_TRUE(doppelt);
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2);
    TVerlaufPlot plot;
    EXPECT_EQ(plot.Bild().size(), QSize(2 * TVerlaufPlot::Breite, 2 * TVerlaufPlot::Hoehe));
    EXPECT_EQ(plot.Bild().devicePixelRatio(), 2);
    plot.setHoehe(TVerlaufPlot::MinHoehe);
    EXPECT_EQ(plot.Bild().size(), QSize(2 * TVerlaufPlot::Breite, 2 * TVerlaufPlot::MinHoehe));

    // An empty plot: the zero line of each strip is two device rows in a
    // column between the grid lines, and the frame two device columns.
    const QImage& b = plot.Bild();
    const int spalte = int(2 * plot.Spalte(2.5f));
    EXPECT_EQ(anzahl(b, QColor(190, 190, 190), spalte, true), 3 * 2);
    const int zeile = int(2 * plot.Zeile(0, 3));
    EXPECT_EQ(anzahl(b, QColor(150, 150, 150), zeile, false), 2 * 2);
    // Two device rows for the zero line, where the enlarged picture of the
    // ratio-1 drawing would have them too: at the logical row's own pixels.
    const int null = int(std::lround(plot.Zeile(1, 0)));
    EXPECT_EQ(b.pixelColor(spalte, 2 * null), QColor(190, 190, 190));
    EXPECT_EQ(b.pixelColor(spalte, 2 * null + 1), QColor(190, 190, 190));

    // A curve two logical pixels wide covers four or five device rows across
    // a flat stretch (the last ones blended), not the eight or so of an
    // enlarged picture.
    for (int n = 0; n <= 40; ++n) {
        TVerlaufPunkt p;
        p.zeit = 0.05f * float(n);
        p.x = 3;
        plot.Hinzufuegen(p);
    }
    const int mitte = int(2 * plot.Spalte(1));
    const double y = 2 * plot.Zeile(0, 3);
    int dick = 0;
    for (int z = int(y) - 8; z <= int(y) + 8; ++z)
        dick += b.pixelColor(mitte, z) != QColor(Qt::white);
    EXPECT_GE(dick, 4);
    EXPECT_LE(dick, 5);
}

TEST(Massstab2App, ScrollingTheTimePlotLeavesThePictureDrawnAfresh)
{
    TVerlaufPlot plot;
    plot.Beginnen(true);
    for (int n = 0; n <= 1000; ++n) // 50 s: the window moves on twenty times
        plot.Hinzufuegen(Reihe(n));
    ASSERT_EQ(plot.Fensteranfang(), 20);
    const QImage geschoben = plot.Bild().copy();
    const int vorher = plot.Neuzeichnungen();
    plot.Neuzeichnen();
    ASSERT_EQ(plot.Neuzeichnungen(), vorher + 1);
    int abweichend = 0;
    for (int y = 0; y < geschoben.height(); ++y) {
        for (int x = 0; x < geschoben.width(); ++x) {
            const QColor a = geschoben.pixelColor(x, y);
            const QColor c = plot.Bild().pixelColor(x, y);
            abweichend += std::abs(a.red() - c.red()) + std::abs(a.green() - c.green()) + std::abs(a.blue() - c.blue()) > 60;
        }
    }
    // A few antialiased device pixels where segments meet.
    EXPECT_LT(abweichend, 160);
}

TEST(Massstab2App, TitlePictureAtTheScreensRatio)
{
    const QImage einfach = Titelbild();
    const QImage doppelt2 = Titelbild(2);
    EXPECT_EQ(doppelt2.size(), einfach.size() * 2);
    EXPECT_EQ(doppelt2.devicePixelRatio(), 2);
    EXPECT_EQ(doppelt2.deviceIndependentSize(), QSizeF(einfach.size()));
}

} // namespace
