// Checking a project against a task: the shipped tasks against controllers
// that pass and fail, the figures, and the runs behind them.
#include "plant/aufgabenpruefung.h"

#include "core/projekt.h"
#include "plant/simulation.h"

#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const QString Beispiele = QStringLiteral(TARVIK_TESTDATA "/../../examples/");

TProjekt laden(const char* name)
{
    TProjekt p;
    p.Dateiname = Beispiele + QString::fromUtf8(name);
    EXPECT_FALSE(LoadFile(p).meldung) << name;
    return p;
}

const TAufgabe& aufgabe(const char* id)
{
    static const std::map<QString, TAufgabe> aufgaben = [] {
        std::map<QString, TAufgabe> m;
        for (const TAufgabenDatei& d : AufgabenLaden({Beispiele + QStringLiteral("aufgaben")}))
            m[d.id] = *d.aufgabe;
        return m;
    }();
    return aufgaben.at(QString::fromUtf8(id));
}

// Every rule of the table on one output term.
TProjekt alleRegelnAuf(TProjekt p, int term)
{
    p.Regeltab.werte.fill(term);
    return p;
}

// The pendulum's 5 x 5 terms with 9 rules: angle alone where the angular
// velocity is zero, angular velocity alone where the angle is zero.
TProjekt kreuz()
{
    TProjekt p = laden("pendel.fuz");
    p.Regeltab = {};
    for (int i = 1; i <= 5; ++i) {
        p.Regeltab(3, i) = i;
        p.Regeltab(i, 3) = i;
    }
    return p;
}

TEST(AufgabePruefen, EachShippedTaskPassesAGoodControllerAndFailsABadOne)
{
    const TProjekt pendel = laden("pendel.fuz");
    const TProjekt kran = laden("kran.fuz");
    struct Fall {
        const char* aufgabe;
        TProjekt projekt;
        bool bestanden;
        const char* messwert;
    };
    const Fall faelle[] = {
        {"pendel", pendel, true, "Winkel zwischen 0.00° und 0.00°"},
        {"pendel", alleRegelnAuf(pendel, 3), false, "Winkel 3.37e+10° bei 10.00 s"},
        {"pendel-wind", pendel, true, "Winkel zwischen -2.58° und -2.58°"},
        {"pendel-wind", alleRegelnAuf(pendel, 3), false, "Winkel 3.69e+09° bei 10.00 s"},
        {"pendel-sparsam", kreuz(), true, "Winkel zwischen 0.00° und 0.00°, 9 Regeln"},
        {"pendel-sparsam", pendel, false, "25 Regeln, erlaubt sind höchstens 9"},
        {"pendel-sparsam", alleRegelnAuf(kreuz(), 0), false, "Winkel 1.28e+11° bei 10.00 s"},
        {"kran", kran, true, "grün nach 7.25 s"},
        {"kran", alleRegelnAuf(kran, 2), false, "nicht grün bis 15 s"},
        {"kran-ueberall", kran, true, "grün nach 8.85 s, Start bei 0 m"},
        {"kran-ueberall", alleRegelnAuf(kran, 2), false, "nicht grün bis 20 s, Start bei -3 m"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.aufgabe + std::string(" ") + f.messwert);
        const TPruefergebnis e = AufgabePruefen(aufgabe(f.aufgabe), f.projekt);
        EXPECT_EQ(e.bestanden, f.bestanden);
        EXPECT_EQ(e.messwert, QString::fromUtf8(f.messwert));
    }
}

// The pendulum's example stands up with the wind too, but the cart travels
// far: only the task without wind bounds it.
TEST(AufgabePruefen, TheRunsAreThoseOfTheSimulationWithTheTasksStartSetUp)
{
    const TPruefergebnis e = AufgabePruefen(aufgabe("pendel-wind"), laden("pendel.fuz"));
    ASSERT_EQ(e.laeufe.size(), 1u);
    const auto& zeilen = e.laeufe[0].zeilen;
    ASSERT_EQ(zeilen.size(), 1201u);
    EXPECT_FLOAT_EQ(zeilen[0].x, 1.5f);
    EXPECT_FLOAT_EQ(zeilen[0].winkel, 10);
    EXPECT_NEAR(zeilen[1200].zeit, 60, 1e-3);
    EXPECT_GT(std::fabs(zeilen[1200].x), 6);

    // Row by row the simulation panel's pass with the fixed step.
    TProjekt p = laden("pendel.fuz");
    TPendel pendel;
    pendel.setPendelTyp(true);
    PendelStarten(pendel, TEinstellungen{}, Windkraft);
    for (std::size_t k = 1; k <= 1200; ++k) {
        const bool gruen = FuzzyDurchlauf(pendel, p.EingangA, p.EingangB, p.Regeltab, p.AusgangKopie, 0.05f);
        ASSERT_EQ(zeilen[k].x, pendel.x()) << k;
        ASSERT_EQ(zeilen[k].winkel, pendel.winkel()) << k;
        ASSERT_EQ(zeilen[k].kraft, pendel.Kraft()) << k;
        ASSERT_EQ(zeilen[k].gruen, gruen) << k;
    }
}

TEST(AufgabePruefen, TheFigurePointsAtTheRunAndTheTimeItComesFrom)
{
    const TProjekt kran = laden("kran.fuz");
    const TPruefergebnis ueberall = AufgabePruefen(aufgabe("kran-ueberall"), kran);
    ASSERT_EQ(ueberall.laeufe.size(), 3u);
    EXPECT_EQ(ueberall.laeufe[2].start, 4);
    EXPECT_FLOAT_EQ(ueberall.laeufe[2].zeilen[0].x, 4);
    EXPECT_EQ(ueberall.lauf, 1); // the latest green: from 0 m
    ASSERT_TRUE(ueberall.stelle);
    EXPECT_NEAR(*ueberall.stelle, 8.85, 1e-4);

    // A run that starts in the target is green at once; the second one fails.
    TAufgabe a = aufgabe("kran");
    a.starts = {2, -3};
    const TPruefergebnis e = AufgabePruefen(a, alleRegelnAuf(kran, 2));
    EXPECT_FALSE(e.bestanden);
    EXPECT_EQ(e.messwert, QStringLiteral("nicht grün bis 15 s, Start bei -3 m"));
    EXPECT_EQ(e.lauf, 1);
    EXPECT_EQ(e.stelle, 15.0f);
    EXPECT_TRUE(e.laeufe[0].zeilen[0].gruen);

    // The range's failure at the row where it left its bounds.
    const TPruefergebnis pendel = AufgabePruefen(aufgabe("pendel"), alleRegelnAuf(laden("pendel.fuz"), 3));
    EXPECT_EQ(pendel.stelle, pendel.laeufe[0].zeilen[200].zeit);
    EXPECT_EQ(pendel.Text(), QStringLiteral("nicht bestanden: Winkel 3.37e+10° bei 10.00 s"));
}

// A value just outside its bounds is never shown as if it were inside, and
// a bound itself is allowed.
TEST(AufgabePruefen, AFigureOutsideTheBoundsIsRoundedAwayFromThemAndTheBoundsAreIncluded)
{
    TAufgabe a = aufgabe("pendel");
    a.bereiche = {TBereich{QStringLiteral("Bereich"), TMessgroesse::Winkel, -5, 5, 0, 0}};
    struct Fall {
        float start;
        bool bestanden;
        const char* messwert;
    };
    for (const Fall f : {Fall{5.001f, false, "Winkel 5.01° bei 0.00 s"}, Fall{-5.001f, false, "Winkel -5.01° bei 0.00 s"},
                         Fall{5, true, "Winkel zwischen 5.00° und 5.00°"}}) {
        a.starts = {f.start};
        const TPruefergebnis e = AufgabePruefen(a, laden("pendel.fuz"));
        EXPECT_EQ(e.bestanden, f.bestanden) << f.start;
        EXPECT_EQ(e.messwert, QString::fromUtf8(f.messwert));
    }
}

TEST(AufgabePruefen, AProjectWithoutItsThreeVariablesFailsWithTheReason)
{
    TProjekt p = laden("pendel.fuz");
    p.EingangB.setDefiniert(false);
    const TPruefergebnis e = AufgabePruefen(aufgabe("pendel"), p);
    EXPECT_FALSE(e.bestanden);
    EXPECT_EQ(e.Text(), QStringLiteral("nicht bestanden: Eingang A, Eingang B und Ausgang müssen definiert sein"));
    EXPECT_TRUE(e.laeufe.empty());
    EXPECT_FALSE(e.stelle);
}

TEST(Regelanzahl, CountsTheRulesTheInferenceReads)
{
    TProjekt p = kreuz();
    EXPECT_EQ(Regelanzahl(p), 9);
    p.Regeltab(1, 1) = 6; // no such output term
    EXPECT_EQ(Regelanzahl(p), 9);
    p.EingangA.setAnzahl(2); // only A's terms 1 and 2 are read
    EXPECT_EQ(Regelanzahl(p), 2);
}

} // namespace
