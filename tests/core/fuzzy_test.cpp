#include "core/fehler.h"
#include "core/fuzzy.h"

#include "tests/fuzzy_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

using fuzzytest::variable;

struct Fall {
    std::array<float, 5> term;
    float x;
    float erwartet;
};

class Zugehoerigkeit : public testing::TestWithParam<Fall> {};

TEST_P(Zugehoerigkeit, CornersAndEdgesOfTheTrapezoid)
{
    const Fall& fall = GetParam();
    TFuzzy f = variable(0, 10, {fall.term});
    f.setX(fall.x);
    EXPECT_FLOAT_EQ(f.Zugehoerigkeit(1), fall.erwartet) << "x = " << fall.x;
}

INSTANTIATE_TEST_SUITE_P(Terme, Zugehoerigkeit,
    testing::Values(
        // (0, 2, 4, 6), h = 1
        Fall{{0, 2, 4, 6, 1}, -0.01f, 0}, Fall{{0, 2, 4, 6, 1}, 0, 0}, Fall{{0, 2, 4, 6, 1}, 1, 0.5f},
        Fall{{0, 2, 4, 6, 1}, 2, 1}, Fall{{0, 2, 4, 6, 1}, 3.99f, 1}, Fall{{0, 2, 4, 6, 1}, 4, 1},
        Fall{{0, 2, 4, 6, 1}, 5, 0.5f}, Fall{{0, 2, 4, 6, 1}, 6, 0}, Fall{{0, 2, 4, 6, 1}, 6.01f, 0},
        // vertical edges keep h at both ends
        Fall{{2, 2, 4, 4, 0.5f}, 1.99f, 0}, Fall{{2, 2, 4, 4, 0.5f}, 2, 0.5f},
        Fall{{2, 2, 4, 4, 0.5f}, 4, 0.5f}, Fall{{2, 2, 4, 4, 0.5f}, 4.01f, 0},
        // a single point
        Fall{{1, 1, 1, 1, 1}, 1, 1}, Fall{{1, 1, 1, 1, 1}, 1.01f, 0}, Fall{{1, 1, 1, 1, 1}, 0.99f, 0}));

TEST(TFuzzy, IndexAboveTermCountIsFatalAndReadsZero)
{
    ScopedFatalerFehler fehler;
    TFuzzy f = variable(0, 10, {{0, 0, 1, 1, 1}, {0, 0, 1, 1, 1}});
    f.setX(0.5f);
    EXPECT_FLOAT_EQ(f.Zugehoerigkeit(2), 1);
    EXPECT_TRUE(fehler.texte().isEmpty());
    EXPECT_EQ(f.Zugehoerigkeit(3), 0);
    EXPECT_EQ(f.Zugehoerigkeit(6), 0);
    EXPECT_EQ(fehler.texte(), QStringList(2, QStringLiteral("Termindex zu hoch! Anwendung wird abgebrochen!")));
}

TEST(TFuzzy, AreaAndCentroidOfSingleTerms)
{
    const TFuzzy f = variable(0, 10, {{1, 1, 1, 1, 1}, {0, 2, 4, 6, 0.5f}, {0, 0, 0, 3, 1}});
    EXPECT_EQ(f.TermFlaeche(1), 0);
    EXPECT_EQ(f.TermSchwerpunkt(1), 1);
    EXPECT_FLOAT_EQ(f.TermFlaeche(2), 2);
    EXPECT_FLOAT_EQ(f.TermSchwerpunkt(2), 3);
    EXPECT_FLOAT_EQ(f.TermSchwerpunkt(3), 1); // right triangle: a third of its base
}

TEST(TFuzzy, CentroidIsTheAreaWeightedMeanOfTheTerms)
{
    EXPECT_FLOAT_EQ(variable(0, 10, {{0, 0, 2, 2, 1}, {1, 1, 3, 3, 1}}).Schwerpunktkoordinate(), 1.5f);
    // without terms, and with all heights 0, the lower universe bound
    EXPECT_EQ(variable(-4, 4, {}).Schwerpunktkoordinate(), -4);
    EXPECT_EQ(variable(-7, 4, {{0, 0, 2, 2, 0}, {1, 1, 3, 3, 0}}).Schwerpunktkoordinate(), -7);
}

TEST(TFuzzy, ShortLabels)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"negativ groß", "NG"}, {"null", "NU"}, {"positiv klein", "PK"}, {"x", "X"}, {"a b", "AB"},
        {"a", "A"}, {"ä ö", "äö"}, {"ab  cd", "A "}, {"ab ", "AB"}, {"", ""},
    };
    TFuzzy f;
    for (const auto& [name, label] : faelle) {
        f.setTermname(3, QString::fromUtf8(name));
        EXPECT_EQ(f.AbkTermname(3), QString::fromUtf8(label)) << name;
    }
}

TEST(TFuzzy, ZListeStringHasTwoDecimals)
{
    TFuzzy f = variable(0, 10, {{0, 4, 8, 8, 1}, {0, 0, 1, 1, 1}, {0, 1, 1, 2, 1}, {10, 10, 10, 10, 1}});
    f.setX(1.0f);
    EXPECT_EQ(f.ZListeString(), QStringLiteral("Z = ( 0.25 ; 1.00 ; 1.00 ; 0.00 )"));
    f.setAnzahl(1);
    f.setX(3.0f);
    EXPECT_EQ(f.ZListeString(), QStringLiteral("Z = ( 0.75 )"));
}

TEST(TFuzzy, LoeschenAssignAndColours)
{
    TFuzzy f = variable(-3, 3, {{1, 2, 3, 4, 0.5f}});
    f.setName(QStringLiteral("Winkel"));
    f.setTermname(1, QStringLiteral("null"));
    f.setX(2.5f);
    f.FarbeInit();

    TFuzzy kopie;
    kopie.assign(f);
    EXPECT_EQ(kopie.Name(), QStringLiteral("Winkel"));
    EXPECT_EQ(kopie.AbkTermname(1), QStringLiteral("NU"));
    EXPECT_EQ(kopie.Term(1, 4), 4);
    EXPECT_EQ(kopie.x(), 0) << "assign does not copy x";
    EXPECT_EQ(kopie.Farbe(1), TFarbe{}) << "assign does not copy colours";
    // The ten colours: drawing colour and XOR colour of each term.
    const TFarbe farben[5][2] = {
        {{0, 0, 255}, {128, 128, 0}}, {{255, 0, 0}, {0, 128, 128}}, {{0, 255, 255}, {128, 0, 0}},
        {{0, 128, 0}, {128, 0, 128}}, {{128, 0, 128}, {0, 128, 0}},
    };
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(f.Farbe(i), farben[i - 1][0]) << i;
        EXPECT_EQ(f.XORFarbe(i), farben[i - 1][1]) << i;
    }

    f.loeschen();
    EXPECT_EQ(f.Anzahl(), 0);
    EXPECT_FALSE(f.definiert());
    EXPECT_EQ(f.Name(), QStringLiteral("Winkel"));
    EXPECT_EQ(f.Termname(1), QString());
    EXPECT_EQ(f.AbkTermname(1), QStringLiteral("NU")) << "loeschen keeps the labels";
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(f.Term(i, 1), 0);
        EXPECT_EQ(f.Term(i, 4), 0);
        EXPECT_EQ(f.Term(i, 5), 1);
    }
    EXPECT_EQ(f.a(), -3);
    EXPECT_EQ(f.x(), 2.5f);
    f.setTermname(1, QStringLiteral("positiv"));
    EXPECT_EQ(f.AbkTermname(1), QStringLiteral("PO"));
}

} // namespace
