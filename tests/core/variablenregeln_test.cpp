#include "core/variablenregeln.h"

#include "core/regeltab.h"

#include "tests/fuzzy_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using fuzzytest::trapezVariable;

const QString FehlerGrundmenge =
    QStringLiteral("Fehler bei Angaben zur Grundmenge!\rZweite Zahl muss größer als die erste sein.");
QString zeilenFehler(int i)
{
    return QStringLiteral("In Zeile %1 der Tabelle ist eine Zahl zu groß oder zu klein!").arg(i);
}

using TZeile = std::array<float, 5>;

TZeile zeile(const TFuzzy& f, int i)
{
    TZeile t{};
    for (int j = 1; j <= 5; ++j)
        t[j - 1] = f.Term(i, j);
    return t;
}

const TZeile Frisch{0, 0, 0, 0, 1};

// Four named terms on 0..100, each row different.
TFuzzy vierTerme()
{
    TFuzzy v = fuzzytest::variable(0, 100, {{0, 0, 10, 20, 1}, {10, 20, 30, 40, 0.5f}, {30, 40, 50, 60, 1},
                                            {50, 60, 100, 100, 0.25f}});
    for (int i = 1; i <= 4; ++i)
        v.setTermname(i, QStringLiteral("t%1").arg(i));
    return v;
}

TEST(VariablenFehler, BaseSetFirstThenEachFaultyRowInOrder)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Fall {
        const char* name;
        TFuzzy v;
        QStringList fehler;
    };
    const Fall faelle[] = {
        {"points and shoulders pass", trapezVariable(0, 10, {{3, 3, 3, 3}, {0, 0, 2, 4}, {6, 8, 10, 10}}), {}},
        {"c above d", trapezVariable(0, 10, {{1, 2, 5, 4}}), {zeilenFehler(1)}},
        {"a below the base set", trapezVariable(0, 10, {{1, 2, 3, 4}, {-1, 2, 3, 4}}), {zeilenFehler(2)}},
        {"d above the base set", trapezVariable(0, 10, {{1, 2, 3, 11}}), {zeilenFehler(1)}},
        {"two faulty rows in order", trapezVariable(0, 10, {{2, 1, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 40}}),
         {zeilenFehler(1), zeilenFehler(3)}},
        {"b equal to a: only the base set", trapezVariable(5, 5, {{2, 1, 3, 4}}), {FehlerGrundmenge}},
        {"b below a", trapezVariable(10, 0, {}), {FehlerGrundmenge}},
        {"no number", trapezVariable(0, 10, {{nan, 2, 3, 4}}), {zeilenFehler(1)}},
        {"no number as a bound", trapezVariable(nan, 10, {}), {FehlerGrundmenge}},
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(VariablenFehler(fall.v), fall.fehler) << fall.name;
    // The height is not examined.
    EXPECT_EQ(VariablenFehler(fuzzytest::variable(0, 10, {{1, 2, 3, 4, -7}})), QStringList{});
}

// OK hands back a variable even when the check failed; the rule machinery
// must still give numbers for it.
TEST(VariablenFehler, AVariableWithFaultsStillGivesMembershipsAndAnOutput)
{
    TFuzzy a = trapezVariable(10, -10, {{5, -5, 0, 0}, {-10, 0, 0, 10}});
    TFuzzy b = trapezVariable(3, 3, {{3, 3, 3, 3}});
    TFuzzy aus = trapezVariable(0, 100, {{80, 20, 60, 10}, {0, 50, 40, 100}});
    TRegeltab tabelle;
    tabelle(1, 1) = 1;
    tabelle(1, 2) = 2;
    const TKennfeld feld = Kennfeld(a, b, tabelle, aus);
    for (const auto& zeile : feld)
        for (float wert : zeile)
            EXPECT_FALSE(std::isnan(wert));
}

TEST(TermEntfernen, TheTermsBehindMoveUpAndTheFreedRowIsFresh)
{
    struct Fall {
        int weg;
        QStringList namen;
        std::array<TZeile, 4> zeilen;
    };
    const TFuzzy v = vierTerme();
    const Fall faelle[] = {
        {2, {"t1", "t3", "t4"}, {zeile(v, 1), zeile(v, 3), zeile(v, 4), Frisch}},
        {1, {"t2", "t3", "t4"}, {zeile(v, 2), zeile(v, 3), zeile(v, 4), Frisch}},
        {4, {"t1", "t2", "t3"}, {zeile(v, 1), zeile(v, 2), zeile(v, 3), Frisch}},
    };
    for (const Fall& fall : faelle) {
        TFuzzy w = vierTerme();
        w.setX(5);
        TermEntfernen(w, fall.weg);
        EXPECT_EQ(w.Anzahl(), 3) << fall.weg;
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(w.Termname(i), fall.namen[i - 1]) << fall.weg;
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(zeile(w, i), fall.zeilen[i - 1]) << fall.weg << " row " << i;
        EXPECT_EQ(zeile(w, 5), Frisch);
        EXPECT_EQ(w.AbkTermname(1), fall.weg == 1 ? QStringLiteral("T2") : QStringLiteral("T1"));
        // Membership and centroid are those of a variable made of the moved rows.
        TFuzzy erwartet = fuzzytest::variable(0, 100, {fall.zeilen[0], fall.zeilen[1], fall.zeilen[2]});
        erwartet.setX(5);
        EXPECT_EQ(w.Zugehoerigkeit(1), erwartet.Zugehoerigkeit(1)) << fall.weg;
        EXPECT_EQ(w.Schwerpunktkoordinate(), erwartet.Schwerpunktkoordinate()) << fall.weg;
    }

    // The only term: nothing is left.
    TFuzzy eins = trapezVariable(0, 10, {{1, 2, 3, 4}});
    TermEntfernen(eins, 1);
    EXPECT_EQ(eins.Anzahl(), 0);
    EXPECT_EQ(zeile(eins, 1), Frisch);

    // A term the variable does not have changes nothing.
    for (int weg : {0, 5, -1}) {
        TFuzzy w = vierTerme();
        TermEntfernen(w, weg);
        EXPECT_EQ(w.Anzahl(), 4) << weg;
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(zeile(w, i), zeile(v, i)) << weg;
    }
}

TEST(FreieZeilenZuruecksetzen, OnlyTheRowsBehindTheLastTermAreReset)
{
    TFuzzy v = vierTerme();
    fuzzytest::setzeTerm(v, 5, {7, 8, 9, 10, 0.5f});
    v.setAnzahl(2);
    FreieZeilenZuruecksetzen(v);
    EXPECT_EQ(zeile(v, 1), (TZeile{0, 0, 10, 20, 1}));
    EXPECT_EQ(zeile(v, 2), (TZeile{10, 20, 30, 40, 0.5f}));
    for (int i = 3; i <= 5; ++i)
        EXPECT_EQ(zeile(v, i), Frisch) << i;
    // A fresh term has no area, so it adds nothing to the centroid.
    EXPECT_EQ(v.TermFlaeche(3), 0.0f);
}

TEST(NeueVariableSetzen, ClearsTheTermsAndSetsNameAndBaseSetButKeepsXAndColours)
{
    TFuzzy v = vierTerme();
    v.setName(QStringLiteral("Winkel"));
    v.FarbeInit();
    v.setX(33);
    NeueVariableSetzen(v);
    EXPECT_EQ(v.Name(), QStringLiteral("Fuzzyvariable"));
    EXPECT_EQ(v.a(), 0.0f);
    EXPECT_EQ(v.b(), 100.0f);
    EXPECT_EQ(v.Anzahl(), 0);
    EXPECT_FALSE(v.definiert());
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(zeile(v, i), Frisch) << i;
        EXPECT_EQ(v.Termname(i), QString()) << i;
    }
    EXPECT_EQ(v.x(), 33.0f);
    EXPECT_EQ(v.Farbe(2), (TFarbe{255, 0, 0}));
    EXPECT_TRUE(VariablenFehler(v).isEmpty());
}

TEST(OKBeendetEditor, ClosesOnlyWhenNothingTypedIsDropped)
{
    auto mit = [](int terme, bool definiert) {
        TFuzzy v = vierTerme();
        v.setAnzahl(terme);
        v.setDefiniert(definiert);
        return v;
    };
    struct Fall {
        const char* name;
        TFuzzy v;
        bool warDefiniert;
        bool schliesst;
    };
    const Fall faelle[] = {
        {"defined now", mit(4, true), false, true},
        {"defined before, the check failed and it stayed defined", mit(4, true), true, true},
        {"new, the check failed", mit(4, false), false, false},
        {"new, no term yet", mit(0, false), false, false},
        {"defined before, emptied on purpose", mit(0, false), true, true},
        {"defined before, emptied and typed again with a fault", mit(2, false), true, false},
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(OKBeendetEditor(fall.v, fall.warDefiniert), fall.schliesst) << fall.name;
}

TEST(GleicheAbkuerzung, NamesBothTermsInTheirOrderAndTheSharedShortName)
{
    TFuzzy v = trapezVariable(0, 10, {{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}});
    const char* namen[] = {"negativ", "null", "neutral", "negativ klein"};
    for (int i = 1; i <= 4; ++i)
        v.setTermname(i, QString::fromUtf8(namen[i - 1]));
    const QString ne = QStringLiteral("Die Terme „negativ“ und „neutral“ haben dieselbe Abkürzung „NE“.");
    EXPECT_EQ(GleicheAbkuerzung(v, 3), ne);
    EXPECT_EQ(GleicheAbkuerzung(v, 1), ne);
    // NU and NK are their own; so is any index the variable does not have.
    for (int i : {2, 4, 0, 5})
        EXPECT_EQ(GleicheAbkuerzung(v, i), QString()) << i;
    // Only letters a to z change case: "äb" and "Äb" differ.
    v.setTermname(1, QStringLiteral("äb"));
    v.setTermname(2, QStringLiteral("Äb"));
    EXPECT_EQ(GleicheAbkuerzung(v, 2), QString());
}

TEST(NameOhneSteuerzeichen, DropsLineBreaksTabsAndOtherControlsOnly)
{
    const std::pair<const char*, const char*> faelle[] = {
        {"Win\r\nkel\t", "Winkel"}, {"ä\x7f\x1bß", "äß"}, {"negativ groß", "negativ groß"}, {"\n", ""}};
    for (const auto& [ein, aus] : faelle)
        EXPECT_EQ(NameOhneSteuerzeichen(QString::fromUtf8(ein)), QString::fromUtf8(aus)) << ein;
}

TEST(Eingangswert, FourHundredStepsFromTheLeftToTheRightBound)
{
    struct Fall {
        float fa, fb;
        int position;
        float x;
    };
    const Fall faelle[] = {
        {0, 100, 0, 0},       {0, 100, 1, 0.25f},  {0, 100, 200, 50}, {0, 100, 400, 100},
        {-30, 30, 150, -7.5f}, {-30, 30, 400, 30}, {20, 100, 0, 20},  {100, 0, 200, 50},
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(Eingangswert(trapezVariable(fall.fa, fall.fb, {}), fall.position), fall.x)
            << fall.fa << ".." << fall.fb << " @" << fall.position;
}

} // namespace
