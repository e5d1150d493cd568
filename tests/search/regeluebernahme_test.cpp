#include "search/regeluebernahme.h"

#include "search/suchtexte.h"
#include "suchhilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

using namespace suchtest;

// Rule k of a rule system whose other rules all say "weit links, stark links:
// links" (rule 1's cell).
TRegelsystem mitRegeln(std::initializer_list<std::pair<int, TRegel>> regeln)
{
    TRegelsystem rs{};
    for (TRegel& r : rs)
        r = TRegel{1, 1, 1};
    for (const auto& [k, r] : regeln)
        rs[k - 1] = r;
    return rs;
}

// One premise, one cell: the first rule of a premise takes the cell, a later
// one with another conclusion does not fit, one with the same conclusion
// fits.
TEST(Regeluebernahme, FirstRuleOfAPremiseTakesItsCell)
{
    const TRegelsystem rs = mitRegeln({{2, {2, 3, 4}}, {5, {2, 3, 2}}, {7, {4, 1, 3}}, {9, {2, 3, 4}}, {16, {1, 1, 2}}});
    const TTabellenUebernahme u = RegeltabAusRegelsystem(rs);
    TRegeltab erwartet;
    erwartet(1, 1) = 1; // B term 1, A term 1
    erwartet(3, 2) = 4;
    erwartet(1, 4) = 3;
    EXPECT_EQ(u.Regeltab, erwartet);
    ASSERT_EQ(u.konflikte.size(), 2);
    EXPECT_EQ(u.konflikte[0].verworfen, 5);
    EXPECT_EQ(u.konflikte[0].behalten, 2);
    EXPECT_EQ(u.konflikte[1].verworfen, 16);
    EXPECT_EQ(u.konflikte[1].behalten, 1);

    // Sixteen distinct premises fill the 4 x 4 cells.
    TRegelsystem alle{};
    for (int k = 0; k < 16; ++k)
        alle[k] = TRegel{k % 4 + 1, k / 4 + 1, (k * 3) % 4 + 1};
    const TTabellenUebernahme voll = RegeltabAusRegelsystem(alle);
    EXPECT_TRUE(voll.konflikte.isEmpty());
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(voll.Regeltab(k / 4 + 1, k % 4 + 1), (k * 3) % 4 + 1) << k;
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(voll.Regeltab(5, i), 0);
        EXPECT_EQ(voll.Regeltab(i, 5), 0);
    }
}

TEST(Regeluebernahme, ReportNamesTheRuleThatDoesNotFitAndTheOneKept)
{
    const TRegelsystem rs = mitRegeln({{2, {2, 3, 4}}, {5, {2, 3, 2}}});
    const TTabellenUebernahme u = RegeltabAusRegelsystem(rs);
    ASSERT_EQ(u.konflikte.size(), 1);
    const QString zeile = QStringLiteral(
        "Regel 5 (WENN Position=links UND Winkel=rechts, DANN Kraft=null) passt nicht; übernommen ist "
        "Regel 2 (WENN Position=links UND Winkel=rechts, DANN Kraft=stark rechts).");
    EXPECT_EQ(KonfliktText(u.konflikte[0], rs, position(), winkel(), kraft()), zeile);
    EXPECT_EQ(KonfliktFrage(u, rs, position(), winkel(), kraft()),
              SuchTexte::regelnPassenNicht + QLatin1Char('\r') + zeile + QLatin1Char('\r')
                  + SuchTexte::uebrigeUebernehmen);
}

} // namespace
