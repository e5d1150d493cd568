#include "forms/ddgraphform.h"

#include "core/kennfeldfarben.h"
#include "core/projekt.h"
#include "forms/klartext.h"
#include "forms/regtestform.h"
#include "platform/modal.h"
#include "widgets/flaechendiagramm3d.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QScrollBar>
#include <QTest>

#include "tests/forms/klartext_hilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

TKennfeldDaten Rampe()
{
    TKennfeldDaten daten;
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 20; ++j)
            daten.FuzzyDaten[i][j] = float(i + j);
    return daten;
}

// Pixels in the red, yellow and green of the thirds, in any of the shades of
// a box's faces and edges; text, axes and the marker are grey, black or white.
struct TFarbanteile {
    int rot = 0, gelb = 0, gruen = 0;
};

TFarbanteile Farbanteile(const QImage& bild)
{
    TFarbanteile a;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            if (b >= 40)
                continue;
            if (r >= 100 && g < 40)
                ++a.rot;
            else if (r >= 100 && std::abs(r - g) < 20)
                ++a.gelb;
            else if (g >= 40 && r < 20)
                ++a.gruen;
        }
    return a;
}

void bildAblegen(QWidget& w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("TARVIK_BILDER");
    if (!ordner.isEmpty())
        w.grab().save(QDir(ordner).filePath(name + QStringLiteral(".png")));
}

} // namespace

TEST(DDGraph, OpeningFillsEachSeriesOnceWithTheColoursOfTheThirds)
{
    TDDGraphForm f;
    f.oeffnen(Rampe());
    f.oeffnen(Rampe());
    const TKennfeldFarben farben = KennfeldFarben(Rampe().FuzzyDaten);
    ASSERT_EQ(f.Chart1()->Serienanzahl(), 20);
    for (int i = 0; i < 20; ++i) {
        const auto& s = f.Chart1()->Serie(i);
        ASSERT_EQ(s.size(), 20u);
        for (int j = 0; j < 20; ++j) {
            EXPECT_EQ(s[j].wert, float(i + j));
            EXPECT_EQ(s[j].farbe, QColor(farben[i][j].r, farben[i][j].g, farben[i][j].b));
        }
    }
    // Showing, minimising and restoring appends nothing.
    f.show();
    f.showMinimized();
    f.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(f.Chart1()->Serie(19).size(), 20u);
    f.reject();
    EXPECT_TRUE(f.Chart1()->Serie(0).empty());
}

TEST(DDGraph, ViewAngleAndInversionsPersistBetweenOpenings)
{
    TDDGraphForm f;
    f.oeffnen(Rampe());
    EXPECT_EQ(f.ScrollBar1()->value(), 50);
    EXPECT_TRUE(f.CheckInvertX()->isChecked());
    EXPECT_FALSE(f.CheckInvertY()->isChecked());

    f.ScrollBar1()->setValue(130);
    QTest::mouseClick(f.CheckInvertX(), Qt::LeftButton);
    QTest::mouseClick(f.CheckInvertY(), Qt::LeftButton);
    EXPECT_EQ(f.Chart1()->Blickwinkel(), 130);
    EXPECT_FALSE(f.Chart1()->XInvertiert());
    EXPECT_TRUE(f.Chart1()->YInvertiert());
    f.reject();

    f.oeffnen(Rampe());
    EXPECT_EQ(f.ScrollBar1()->value(), 130);
    EXPECT_FALSE(f.CheckInvertX()->isChecked());
    EXPECT_TRUE(f.CheckInvertY()->isChecked());
}

// Dragging moves the picture sideways and nothing else; the scroll bar alone
// turns it. However far the mouse goes, part of the boxes stays in view.
TEST(DDGraph, DraggingMovesTheChartSidewaysAndTheScrollBarTurnsIt)
{
    TDDGraphForm f;
    f.oeffnen(Rampe());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QApplication::processEvents();
    TFlaechendiagramm3D* c = f.Chart1();
    const QPointF vorn = c->Projektion(10, 0, 15);
    const QImage vorher = c->Bild();
    const QPoint oben = c->Projektion(10.5, 0.5, 10.5 + 0.5).toPoint(); // on the top of box (0, 10)
    QTest::mousePress(c, Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseMove(c, QPoint(340, 280));
    EXPECT_EQ(c->Projektion(10, 0, 15), vorn + QPointF(40, 0));
    EXPECT_EQ(c->Bild().pixel(oben + QPoint(40, 0)), vorher.pixel(oben));
    EXPECT_EQ(c->Blickwinkel(), 50);
    EXPECT_EQ(f.ScrollBar1()->value(), 50);
    EXPECT_DOUBLE_EQ(c->Zoom(), 1);
    QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(340, 280));
    f.ScrollBar1()->setValue(90);
    EXPECT_EQ(c->Blickwinkel(), 90);
    EXPECT_DOUBLE_EQ(c->Verschiebung(), 40);
    QTest::mousePress(c, Qt::LeftButton, {}, QPoint(300, 300));
    for (const int x : {-3000, 3000}) {
        QTest::mouseMove(c, QPoint(x, 300));
        // The bottom axis is inverted: point 20 at the left.
        const double links = std::min(c->Projektion(20, 0, 0).x(), c->Projektion(20, 20, 0).x());
        const double rechts = std::max(c->Projektion(0, 0, 0).x(), c->Projektion(0, 20, 0).x());
        EXPECT_NEAR(x < 0 ? rechts : c->width() - links, 60, 1) << x;
    }
    QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(3000, 300));
    // Back by the mouse, from wherever it stopped.
    const double ganzRechts = c->Verschiebung();
    QTest::mousePress(c, Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseMove(c, QPoint(250, 300));
    QTest::mouseRelease(c, Qt::LeftButton, {}, QPoint(250, 300));
    EXPECT_DOUBLE_EQ(c->Verschiebung(), ganzRechts - 50);
}

// The axes carry the names: literally, cut to the chart's room, in full in
// the tooltip; a huge one neither grows the window nor slows the picture.
TEST(DDGraph, AxisNamesAreShownLiterallyCutToTheChartAndWholeInTheTooltip)
{
    const QString riesig(100000, QLatin1Char('W'));
    for (const QString& name : {MarkupName, riesig}) {
        SCOPED_TRACE(name.left(20).toStdString());
        TKennfeldDaten daten = Rampe();
        daten.NameA = name;
        daten.NameB = QStringLiteral("Tempo");
        daten.NameAusgang = name;
        TDDGraphForm f;
        f.oeffnen(daten);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        EXPECT_EQ(f.size(), QSize(627, 539));
        const QString hinweis = HinweisAlsText(f.Chart1()->toolTip());
        EXPECT_TRUE(hinweis.startsWith(TDDGraphForm::Diagrammhinweis));
        EXPECT_TRUE(hinweis.contains(QStringLiteral("Eingang B (nach rechts): Tempo")));
        EXPECT_TRUE(hinweis.contains(QStringLiteral("Eingang A (in die Tiefe): ") + name.left(HinweisZeichen - 30)));
        EXPECT_TRUE(hinweis.contains(QStringLiteral("Ausgang (nach oben): ")));
        EXPECT_EQ(f.Chart1()->statusTip(), TDDGraphForm::Diagrammhinweis);
        EXPECT_EQ(f.Chart1()->Bild().size(), f.Chart1()->size());
        bildAblegen(f, QStringLiteral("dd_name_%1").arg(name.size()));
    }
}

TEST(DDGraph, TheWindowCanBeResizedAndTheChartFollows)
{
    TDDGraphForm f;
    f.oeffnen(Rampe());
    f.show();
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    f.resize(900, 700);
    QApplication::processEvents();
    EXPECT_GT(f.Chart1()->width(), 850);
    EXPECT_EQ(f.Chart1()->Bild().size(), f.Chart1()->size());
}

TEST(DDGraph, TheOperatingPointOfTheTesterIsMarkedOnItsBoxAtEveryAngle)
{
    TProjekt p;
    p.Dateiname = QStringLiteral(TARVIK_TESTDATA "/../../examples/pendel.fuz");
    ASSERT_FALSE(LoadFile(p).meldung.has_value());
    TDDGraphForm f;
    TRegTestForm tester(&f);
    tester.oeffnen({p.EingangA, p.EingangB, p.Ausgang, p.Regeltab});
    tester.ScrollBar1()->setValue(125); // A = 7.5: sample 12 of -30..30
    tester.ScrollBar2()->setValue(60);  // B = -24: sample 6 of -60..60
    int geprueft = 0;
    ScopedModal modal([&](QDialog&) {
        TFlaechendiagramm3D* c = f.Chart1();
        c->resize(627, 500);
        for (int winkel : {50, 130}) {
            f.ScrollBar1()->setValue(winkel);
            const QPointF mitte = c->Projektion(6.5, 12.5, c->Serie(12)[6].wert);
            const QImage& bild = c->Bild();
            const int x = qRound(mitte.x()), y = qRound(mitte.y());
            // Black dot, white ring, black rim (antialiased).
            EXPECT_LT(qGray(bild.pixel(x, y)), 40) << winkel;
            EXPECT_GT(qGray(bild.pixel(x + 3, y)), 230) << winkel;
            EXPECT_GT(qGray(bild.pixel(x, y - 3)), 230) << winkel;
            EXPECT_LT(qGray(bild.pixel(x - 5, y)), 40) << winkel;
            EXPECT_LT(qGray(bild.pixel(x, y + 5)), 40) << winkel;
            ++geprueft;
        }
        return int(QDialog::Rejected);
    });
    tester.b3dClick();
    EXPECT_EQ(geprueft, 2);
}

// What the user sees of the window: a picture of its size in which the chart
// is the chart's own picture, with boxes in all three colours at the view
// angles and with either axis inverted (the low green part may hide behind
// the red one at some angles); without rules the surface is flat and all
// yellow.
TEST(DDGraph, TheChartShowsTheThirdsInTheirColoursAtEveryAngleAndAFlatSurfaceInYellow)
{
    TProjekt p;
    p.Dateiname = QStringLiteral(TARVIK_TESTDATA "/../../examples/pendel.fuz");
    ASSERT_FALSE(LoadFile(p).meldung.has_value());
    TDDGraphForm f;
    TRegTestForm tester(&f);
    const auto stellen = [&](const TRegeltab& regeln) {
        tester.oeffnen({p.EingangA, p.EingangB, p.Ausgang, regeln});
        tester.ScrollBar1()->setValue(125);
        tester.ScrollBar2()->setValue(60);
    };
    stellen(p.Regeltab);
    int nummer = 0;
    bool flach = false;
    ScopedModal modal([&](QDialog&) {
        f.resize(627, 539);
        int gruen = 0;
        for (int winkel : {0, 50, 90, 130, 180}) {
            SCOPED_TRACE(testing::Message() << "opening " << nummer << ", angle " << winkel);
            f.ScrollBar1()->setValue(winkel);
            const QImage bild = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(bild.size(), QSize(627, 539));
            const QImage chart = bild.copy(f.Chart1()->geometry());
            EXPECT_TRUE(chart == f.Chart1()->Bild());
            const TFarbanteile a = Farbanteile(chart);
            EXPECT_GT(a.gelb, 1000);
            if (flach) {
                EXPECT_EQ(a.rot, 0);
                EXPECT_EQ(a.gruen, 0);
            } else {
                EXPECT_GT(a.rot, 1000);
            }
            gruen = std::max(gruen, a.gruen);
            bildAblegen(f, QStringLiteral("dd_%1_%2").arg(nummer).arg(winkel));
        }
        if (!flach) {
            EXPECT_GT(gruen, 1000) << "opening " << nummer;
        }
        f.ScrollBar1()->setValue(50);
        return int(QDialog::Rejected);
    });
    tester.b3dClick();
    ++nummer;
    f.CheckInvertX()->click();
    tester.b3dClick();
    ++nummer;
    f.CheckInvertY()->click();
    tester.b3dClick();
    ++nummer;
    flach = true;
    stellen(TRegeltab{});
    tester.b3dClick();
    EXPECT_EQ(modal.dialoge().size(), 4);
}
