#include "hilfen.h"

#include "widgets/lineal1.h"

#include <gtest/gtest.h>

namespace {

// The ruler of the crane page.
std::unique_ptr<TLineal1> kranLineal(int breite = 365)
{
    auto l = std::make_unique<TLineal1>();
    l->resize(breite, 30);
    l->setXlinks(-6);
    l->setXrechts(6);
    l->setRastermodul(1);
    l->setSkalamodul(1);
    l->setY(5);
    l->setLinealfarbe(Qt::white);
    return l;
}

bool schwarz(const QImage& bild, int x, int y)
{
    return rgb(bild, x, y) == 0;
}

TEST(Lineal1, TicksStandAtTheRoundedUnitColumns)
{
    auto l = kranLineal();
    const QImage bild = l->Bild();
    ASSERT_FALSE(bild.isNull());
    const QList<int> spalten = {10, 39, 68, 96, 125, 154, 182, 211, 240, 269, 298, 326, 355};
    QList<int> gefunden;
    for (int x = 0; x < bild.width(); ++x)
        if (schwarz(bild, x, 12))
            gefunden << x;
    EXPECT_EQ(gefunden, spalten);
    for (const int x : spalten) {
        EXPECT_FALSE(schwarz(bild, x, 13)) << x; // 8 pixels long, rows 5..12
        EXPECT_TRUE(etwasAnders(bild, QRect(x - 8, 15, 17, 15), 0xffffff)) << "label under " << x;
    }
    for (int x = 0; x < bild.width(); ++x)
        EXPECT_EQ(schwarz(bild, x, 5), x >= 10 && x <= 355) << x; // base line to 354, then the last tick
}

// The label texts themselves: each label's ink equals its number written in
// the ruler's font.
TEST(Lineal1, LabelsShowTheWholeNumbersOfTheirTicks)
{
    auto l = kranLineal();
    const QImage bild = l->Bild();
    const QList<int> spalten = {10, 39, 68, 96, 125, 154, 182, 211, 240, 269, 298, 326, 355};
    const QColor schrift = l->palette().color(QPalette::WindowText);
    for (int i = 0; i < spalten.size(); ++i) {
        const QString zahl = QString::number(i - 6);
        EXPECT_EQ(tinte(bild, QRect(spalten[i] - 13, 15, 27, 15), 0xffffff), textTinte(zahl, l->font(), schrift, 0xffffff))
            << zahl.toStdString();
    }
}

TEST(Lineal1, ModuliChooseLongAndLabelledTicks)
{
    auto l = kranLineal();
    l->setRastermodul(2);
    l->setSkalamodul(3);
    const QImage bild = l->Bild();
    EXPECT_TRUE(schwarz(bild, 10, 12));
    EXPECT_TRUE(schwarz(bild, 39, 9));  // short: rows 5..9
    EXPECT_FALSE(schwarz(bild, 39, 10));
    EXPECT_TRUE(etwasAnders(bild, QRect(96 - 8, 15, 17, 15), 0xffffff));
    EXPECT_FALSE(etwasAnders(bild, QRect(39 - 8, 15, 17, 15), 0xffffff));
    EXPECT_FALSE(etwasAnders(bild, QRect(68 - 8, 15, 17, 15), 0xffffff));
}

TEST(Lineal1, NarrowOrEmptyRulersDrawLittleOrNothing)
{
    EXPECT_TRUE(kranLineal(20)->Bild().isNull());
    EXPECT_FALSE(kranLineal(21)->Bild().isNull());

    auto l = kranLineal();
    l->setXrechts(-7);
    QImage bild = l->Bild();
    EXPECT_TRUE(schwarz(bild, 100, 5));
    EXPECT_FALSE(etwasAnders(bild, QRect(0, 6, 365, 24), 0xffffff));

    // Moduli below 1 and a scale of one value do not fail.
    l = kranLineal();
    l->setRastermodul(0);
    l->setSkalamodul(-1);
    bild = l->Bild();
    EXPECT_TRUE(schwarz(bild, 10, 9));
    EXPECT_FALSE(schwarz(bild, 10, 10));
    EXPECT_FALSE(etwasAnders(bild, QRect(0, 15, 365, 15), 0xffffff));
    l->setXrechts(-6);
    EXPECT_FALSE(l->Bild().isNull());
}

} // namespace
