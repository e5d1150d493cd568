#include "hilfen.h"

#include "core/fuzzy.h"
#include "tests/fuzzy_hilfe.h"
#include "widgets/fuzzyzeichnen.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

constexpr QRgb weiss = 0xffffff;
constexpr QRgb blau = 0x0000ff;

// Named as the labels in these pictures are.
TFuzzy variable(float fa, float fb, std::initializer_list<std::array<float, 5>> terme)
{
    TFuzzy f = fuzzytest::variable(fa, fb, terme);
    f.setName(QStringLiteral("Winkel"));
    for (int i = 1; i <= f.Anzahl(); ++i)
        f.setTermname(i, QStringLiteral("null klein"));
    f.FarbeInit();
    return f;
}

std::unique_ptr<TKoordinatensystem> testerPlot()
{
    auto k = plot(373, 221);
    k->setKSFarbe(QColor(128, 128, 128));
    return k;
}

TEST(FuzzyZeichnen, WindowEndsAtTheUniverseWhateverItWasBefore)
{
    struct Fall {
        float fa, fb;
    };
    for (const Fall f : {Fall{20, 30}, Fall{10, 30}, Fall{10, 20}, Fall{-30, -20}, Fall{-10, 10}}) {
        auto k = testerPlot();
        k->setXBereich(-10, 10);
        k->setYBereich(-10, 10);
        k->setStiftart(TStiftart::Xor);
        Zeichnen(variable(f.fa, f.fb, {}), *k);
        EXPECT_EQ(k->x1(), f.fa);
        EXPECT_EQ(k->x2(), f.fb);
        EXPECT_EQ(k->y1(), 0);
        EXPECT_EQ(k->y2(), 1);
        EXPECT_EQ(k->Stiftart(), TStiftart::Kopieren);
    }
}

TEST(FuzzyZeichnen, VariableWithoutTermsLeavesTheClearedGrid)
{
    auto k = testerPlot();
    k->spot(0, 0);
    TFuzzy f = variable(0, 10, {});
    Zeichnen(f, *k);
    auto nurGitter = testerPlot();
    nurGitter->setXBereich(0, 10);
    nurGitter->setYBereich(0, 1);
    nurGitter->Ks();
    EXPECT_EQ(k->Bild(), nurGitter->Bild());
    k->setStiftart(TStiftart::Xor);
    ZugehoerigkeitZeichnen(f, *k);
    EXPECT_EQ(k->Bild(), nurGitter->Bild());
}

TEST(FuzzyZeichnen, TermsAreTrapezoidsInTheirColoursWithTheirHeights)
{
    struct Fall {
        float h;
        float yOben; // world y at which the top edge is drawn
    };
    for (const Fall f : {Fall{1, 1}, Fall{0.5f, 0.5f}}) {
        auto k = testerPlot();
        Zeichnen(variable(0, 10, {{2, 4, 6, 8, f.h}}), *k);
        const QPoint oben = *k->Pixel(5, f.yOben);
        EXPECT_EQ(rgb(k->Bild(), oben.x(), oben.y()), blau) << f.h;
        const QPoint achse = *k->Pixel(1, 0);
        EXPECT_EQ(rgb(k->Bild(), achse.x(), achse.y()), blau) << "the outline runs along the axis";
        const QPoint rechtsAchse = *k->Pixel(9, 0);
        EXPECT_EQ(rgb(k->Bild(), rechtsAchse.x(), rechtsAchse.y()), blau);
    }
    // Higher than 1: the edges rise to the top of the control.
    auto k = testerPlot();
    Zeichnen(variable(0, 10, {{2, 4, 6, 8, 1.5f}}), *k);
    EXPECT_TRUE(etwasAnders(k->Bild(), QRect(0, 0, 373, 1), weiss));
    const QPoint mitte = *k->Pixel(5, 1);
    EXPECT_EQ(rgb(k->Bild(), mitte.x(), mitte.y() - 5), weiss) << "no top edge inside the plot";
}

TEST(FuzzyZeichnen, ShortLabelStandsAboveThePlotOverTheTermsB)
{
    auto k = testerPlot();
    const TFuzzy f = variable(0, 10, {{2, 4, 6, 8, 1}});
    Zeichnen(f, *k);
    const int spalte = k->Pixel(4, 0)->x();
    const int hoehe = QFontMetrics(k->font()).height();
    EXPECT_TRUE(etwasAnders(k->Bild(), QRect(spalte, 10, 12, hoehe), weiss));
    EXPECT_FALSE(etwasAnders(k->Bild(), QRect(spalte - 12, 0, 11, 29), weiss));
    EXPECT_FALSE(etwasAnders(k->Bild(), QRect(spalte + 40, 0, 40, 29), weiss));
    EXPECT_EQ(k->Canvas().Schriftfarbe, k->KSFarbe());
}

TEST(FuzzyZeichnen, MembershipLinesGoUpAndAcrossAndVanishWhenDrawnAgain)
{
    auto k = testerPlot();
    TFuzzy f = variable(0, 10, {{0, 2, 4, 6, 1}, {4, 6, 8, 10, 1}});
    Zeichnen(f, *k);
    k->setStiftart(TStiftart::Xor);
    const QImage vorher = k->Bild();
    f.setX(4.6f); // memberships 0.7 and 0.3
    ZugehoerigkeitZeichnen(f, *k);
    EXPECT_NE(k->Bild(), vorher);
    const QPoint eins = *k->Pixel(3, 0.7f);
    const QPoint zwei = *k->Pixel(3, 0.3f);
    EXPECT_EQ(rgb(k->Bild(), eins.x(), eins.y()), weiss ^ 0x808000u); // olive
    EXPECT_EQ(rgb(k->Bild(), zwei.x(), zwei.y()), weiss ^ 0x008080u); // teal
    const QPoint hoch = *k->Pixel(4.6f, 0.5f);
    EXPECT_NE(rgb(k->Bild(), hoch.x(), hoch.y()), weiss);
    EXPECT_EQ(k->Canvas().Stift.Breite, 1);
    ZugehoerigkeitZeichnen(f, *k);
    EXPECT_EQ(k->Bild(), vorher);

    f.setX(1.2f); // term 1 at 0.6, term 2 at 0: a line along the axis only
    ZugehoerigkeitZeichnen(f, *k);
    const QPoint drei = *k->Pixel(0.6f, 0.6f);
    EXPECT_EQ(rgb(k->Bild(), drei.x(), drei.y()), weiss ^ 0x808000u);
    ZugehoerigkeitZeichnen(f, *k);
    EXPECT_EQ(k->Bild(), vorher);
}

} // namespace
