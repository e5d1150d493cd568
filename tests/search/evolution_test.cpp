#include "search/evolution.h"

#include "plant/simulation.h"
#include "search/bewertung.h"

#include "core/zahlenformat.h"
#include "search/suchtexte.h"
#include "suchhilfe.h"
#include "tests/gebietsschema.h"
#include "tests/qstring_ausgabe.h"
#include "tests/zufallsfolge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace suchtest;

const QString nullen(96, QLatin1Char('0'));
const QString einsen(96, QLatin1Char('1'));

TEST(Zahlenformat, ProtokollZahlTwoDecimalsInEight)
{
    struct Fall {
        double wert;
        const char* text;
    };
    const Fall faelle[] = {
        {841.4483642578125, "  841.45"}, {0.125, "    0.13"},   {2.5, "    2.50"},
        {-0.005, "   -0.01"},              {-0.004, "    0.00"}, {99999.994, "99999.99"},
        {123456.789, "123456.79"},         {1e7, "10000000.00"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ProtokollZahl(f.wert), QString::fromLatin1(f.text)) << f.wert;
}

// A grader's copies of the crane variables and a stop flag that stays clear.
struct Kran {
    TKranKopien k;
    std::atomic<bool> stop{false};

    Kran() { VariablenUebernehmen(k, kran()); }
    TTestlaufErgebnis lauf(const TRegelsystem& rs, float start, TSuchBeobachter* b = nullptr,
                           const bool* echtzeit = nullptr)
    {
        return Kranlauf(rs, start, k.EingangA, k.EingangB, k.Ausgang, k.Pendel, stop, b, echtzeit);
    }
};

// The runs that stop early and those that never meet an end condition.
TEST(Testlauf, SuccessAtFirstChanceAndRunWithoutEnd)
{
    Kran kr;
    const TRegelsystem rs = *ChromosomLesen(stillstand());

    TTestlaufErgebnis e = kr.lauf(rs, 2);
    EXPECT_TRUE(e.GutGenug);
    EXPECT_EQ(e.Schritte, 20);
    EXPECT_GT(kr.k.Pendel.Zeit(), 1.0f);
    EXPECT_EQ(e.Bewertungszahl, kr.k.Pendel.Zeit()); // at rest on the target

    e = kr.lauf(rs, 0);
    EXPECT_FALSE(e.GutGenug);
    EXPECT_EQ(e.Schritte, 601);
    EXPECT_EQ(kr.k.Pendel.x(), 0.0f);
    // 30 |0 - 2| plus the time, as a 32-bit float.
    EXPECT_EQ(e.Bewertungszahl, static_cast<float>(60.0L + kr.k.Pendel.Zeit()));
    EXPECT_EQ(kr.k.EingangA.x(), 0.0f);
    EXPECT_EQ(kr.k.EingangB.x(), 0.0f);
}

// Runs that end far from rest, so that every term of the grade
// 10 |xdot| + 30 |xL - 2| + Zeit + |winkeldot| + |winkel| weighs in.
TEST(Testlauf, GradeAddsEveryTermOfARunThatEndsInMotion)
{
    TRegelsystem rs{};
    for (int k = 0; k < 16; ++k)
        rs[k] = TRegel{k % 4 + 1, k / 4 + 1, 4}; // always "stark rechts"
    Kran kr;
    for (const float start : {-3.0f, 4.0f}) {
        const TTestlaufErgebnis e = kr.lauf(rs, start);
        const TPendel& p = kr.k.Pendel;
        ASSERT_TRUE(TestlaufEnde(p) && p.Zeit() < 30) << start; // ended by an end test, in motion
        const double terme[] = {10 * std::fabs(p.xdot()), 30 * std::fabs(LastPosition(p) - 2.0), p.Zeit(),
                                std::fabs(p.winkeldot()), std::fabs(p.winkel())};
        double summe = 0;
        for (const double t : terme) {
            EXPECT_GT(t, 0.5) << start; // each term would show when it went missing
            summe += t;
        }
        EXPECT_NEAR(e.Bewertungszahl, summe, summe * 1e-6) << start;
    }
}

TEST(Testlauf, EndTestsUseCartAndAngleWithStrictBounds)
{
    struct Fall {
        float x, winkel, zeit;
        bool ende;
    };
    const Fall faelle[] = {
        {10, 0, 0, false},   {-10, 0, 0, false},   {10.001f, 0, 0, true}, {-10.001f, 0, 0, true},
        {0, 90, 0, false},   {0, -90, 0, false},   {0, 90.01f, 0, true},  {0, -90.01f, 0, true},
        {0, 0, 30, false},   {0, 0, 30.001f, true},
    };
    for (const Fall& f : faelle) {
        TPendel p;
        p.Init();
        p.setX(f.x);
        p.setWinkel(f.winkel);
        p.setZeit(f.zeit);
        EXPECT_EQ(TestlaufEnde(p), f.ende) << f.x << " " << f.winkel << " " << f.zeit;
    }
}

TEST(Testlauf, SuccessTestUsesTheLoad)
{
    TPendel p;
    p.setPendelTyp(false);
    p.Init();
    p.setLaenge(2);
    p.setZeit(1.05f);
    p.setX(1.85f);  // cart within 0.2 of the target
    p.setWinkel(5); // load at 1.85 + 2 sin 5° = 2.024
    EXPECT_TRUE(ZielErreicht(p));
    p.setWinkel(-5); // load at 1.68: the cart alone is not enough
    EXPECT_FALSE(ZielErreicht(p));
    p.setWinkel(5);
    p.setWinkeldot(5); // vL = 2 * 5 * pi / 180 = 0.17
    EXPECT_FALSE(ZielErreicht(p));
}

TEST(Testlauf, RealTimePaceDrawsAndWaitsEveryStep)
{
    Kran kr;
    TAufzeichnung a;
    const TRegelsystem rs = *ChromosomLesen(stillstand());
    bool echtzeit = true;
    kr.lauf(rs, 2, &a, &echtzeit);
    EXPECT_EQ(a.zielmarken, 1);
    EXPECT_EQ(a.pendelBilder, 1 + 2 * 20);
    EXPECT_EQ(a.pausen, 20);
    echtzeit = false;
    kr.lauf(rs, 2, &a, &echtzeit);
    EXPECT_EQ(a.pausen, 20);
}

// The user may switch the pace while a run goes on: the next step follows it.
TEST(Testlauf, PaceSwitchedDuringARunCountsFromTheNextStep)
{
    struct Umschalter : TAufzeichnung {
        bool echtzeit = true;
        void pause(int ms) override
        {
            TAufzeichnung::pause(ms);
            if (pausen == 5)
                echtzeit = false;
        }
    };
    Kran kr;
    Umschalter a;
    const TTestlaufErgebnis e = kr.lauf(*ChromosomLesen(stillstand()), 2, &a, &a.echtzeit);
    EXPECT_EQ(e.Schritte, 20);
    EXPECT_EQ(a.pausen, 5);
}

// The control step of a crane run: the trolley position and the rope angle
// into the inputs (the pendulum's angle and angular velocity where the plant
// is one), the rule-list inference, its centroid as the force.
TEST(Testlauf, RuleListControlStepTakesThePlantsMeasurements)
{
    Kran kr;
    TRegelsystem rs{};
    for (int k = 0; k < 16; ++k)
        rs[k] = TRegel{k % 4 + 1, k / 4 + 1, 4}; // always "stark rechts"
    TPendel& p = kr.k.Pendel;
    p.setPendelTyp(false);
    p.Init();
    p.setX(1.5f);
    p.setWinkel(-3);
    p.setWinkeldot(7);
    RegellistenRegelung(p, kr.k.EingangA, kr.k.EingangB, rs, kr.k.Ausgang);
    EXPECT_EQ(kr.k.EingangA.x(), 1.5f);
    EXPECT_EQ(kr.k.EingangB.x(), p.winkel());
    EXPECT_EQ(p.Kraft(), kr.k.Ausgang.Schwerpunktkoordinate());
    EXPECT_GT(p.Kraft(), 5.0f);

    p.setPendelTyp(true);
    MesswerteSetzen(p, kr.k.EingangA, kr.k.EingangB);
    EXPECT_EQ(kr.k.EingangA.x(), p.winkel());
    EXPECT_EQ(kr.k.EingangB.x(), p.winkeldot());
}

// The grade of a chromosome: its ten runs in start-position order, as the
// command-line tool prints them, added in single precision.
TEST(Bewertung, ChromosomeGradeIsTheSumOfItsTenRuns)
{
    Kran kr;
    const TChromosomBewertung b = ChromosomBewerten(*ChromosomLesen(stillstand()), kr.k, kr.stop);
    float summe = 0;
    for (int k = 0; k < Testlaeufe; ++k) {
        EXPECT_TRUE(b.gelaufen[k]);
        EXPECT_EQ(b.lauf[k].Schritte, StartPosVektor[k] == 2 ? 20 : 601) << k;
        summe = summe + b.lauf[k].Bewertungszahl;
    }
    EXPECT_EQ(b.ChrNote, summe);
    EXPECT_EQ(b.ChrNote, 841.4483642578125f);
    EXPECT_EQ(b.letzter, 9);

    // A set stop flag skips every run; an undefined variable warns once and
    // stops before the first run.
    kr.stop = true;
    TAufzeichnung a;
    const TChromosomBewertung keine = ChromosomBewerten(*ChromosomLesen(stillstand()), kr.k, kr.stop, &a);
    EXPECT_EQ(keine.ChrNote, 0.0f);
    EXPECT_EQ(keine.letzter, -1);
    EXPECT_EQ(a.testlaufNr.size(), 10u);
    EXPECT_EQ(a.zielmarken, 0);
    kr.stop = false;
    kr.k.EingangB.setDefiniert(false);
    const TChromosomBewertung undefiniert = ChromosomBewerten(*ChromosomLesen(stillstand()), kr.k, kr.stop, &a);
    EXPECT_EQ(undefiniert.letzter, -1);
    EXPECT_TRUE(kr.stop);
    ASSERT_EQ(a.meldungen.size(), 1u);
    EXPECT_EQ(a.meldungen[0], (TMeldung{MeldungsArt::Warnung, SuchTexte::variablenFehlen}));
}

TEST(Bewertung, EqualLinesTakeTheGradeOfTheFirst)
{
    const QStringList liste = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("A"),
                               QStringLiteral("B"), QStringLiteral("C")};
    EXPECT_EQ(NotenQuellen(liste, 6), (std::vector<int>{0, 1, 0, 0, 1, 5}));
    EXPECT_EQ(NotenQuellen(liste, 2), (std::vector<int>{0, 1}));
}

// n = 2 chromosomes that leave the cart where it starts: ChrNote 841.45 each.
TEST(Evolution, LogLinesOfOneGeneration)
{
    TEvolution e;
    TAufzeichnung a;
    TZufallsfolge z({0.0005, 0.5, 0.0001, 0.9, 0.9, 0.9}, {1, 0, 0, 1, 0});
    e.setBeobachter(&a);
    e.setZufall(&z);
    kranVariablen(e);
    const QString eins = stillstand(0);
    const QString zwei = stillstand(1);
    e.setListe({eins, zwei});
    e.setChromosomenAnzahl(2);
    EXPECT_TRUE(e.Starten(1));
    EXPECT_EQ(a.protokoll, (QStringList{
                               QStringLiteral("Generation: 1"),
                               QString(37, QLatin1Char('-')),
                               QStringLiteral(" "),
                               QStringLiteral("1. Chromosom:   841.45"),
                               QStringLiteral("2. Chromosom:   841.45"),
                               QString(40, QLatin1Char('-')),
                               QStringLiteral("Durchschnittsnote:   841.45"),
                               QStringLiteral(" "),
                               QStringLiteral(" "),
                           }));
    EXPECT_EQ(e.Bewertung(1), 841.4483642578125f);
    // Selection drew (k 1, u .0005) accept, (0, .5) reject, (0, .0001) accept;
    // the mating order took line 1 of 2, then line 1 of 1.
    EXPECT_EQ(e.Liste(), (QStringList{eins, zwei}));
    EXPECT_EQ(e.NeueChromosomenliste(), (QStringList{eins, zwei}));
    EXPECT_TRUE(z.leer());
    EXPECT_FALSE(z.ueberzogen());
    EXPECT_EQ(z.grenzen(), (std::deque<int>{2, 2, 2, 2, 1}));
    EXPECT_EQ(a.generation, std::vector<int>{1});
    EXPECT_TRUE(a.meldungen.empty());
    EXPECT_EQ(e.Generation(), 1);
    EXPECT_TRUE(e.simulationbeenden());
    EXPECT_FALSE(e.laeuft());
}

TEST(Evolution, LogLinesUnderAGermanLocaleKeepTheDecimalPoint)
{
    TARVIK_DEUTSCH(deutsch);
    TEvolution e;
    TAufzeichnung a;
    TStandardZufall z(1);
    e.setBeobachter(&a);
    e.setZufall(&z);
    kranVariablen(e);
    e.setListe({stillstand(0), stillstand(1)});
    e.setChromosomenAnzahl(2);
    EXPECT_TRUE(e.Starten(1));
    ASSERT_GE(a.protokoll.size(), 7);
    EXPECT_EQ(a.protokoll[3], QStringLiteral("1. Chromosom:   841.45"));
    EXPECT_EQ(a.protokoll[6], QStringLiteral("Durchschnittsnote:   841.45"));
    EXPECT_EQ(QStringLiteral("1. Chromosom: ") + ProtokollZahl(1346.2939453125), QStringLiteral("1. Chromosom:  1346.29"));
}

// The parameter dialog may change the count while a generation is graded; the
// search goes on with the count it started with, on both grading paths.
TEST(Evolution, CountIsTakenAtStartWhileAHandlerChangesIt)
{
    struct Aendernd : TAufzeichnung {
        int neu = 0;
        void zeigeChromosomNr(int i) override
        {
            TAufzeichnung::zeigeChromosomNr(i);
            if (i == 1 && evolution->Generation() == 1)
                evolution->setChromosomenAnzahl(neu);
        }
    };
    for (const int threads : {1, 2}) {
        for (const int neu : {40, 2, 0}) {
            TEvolution e;
            Aendernd a;
            a.evolution = &e;
            a.neu = neu;
            TStandardZufall z(5);
            e.setZufall(&z);
            e.setBeobachter(&a);
            e.setThreads(threads);
            kranVariablen(e);
            e.setChromosomenAnzahl(4);
            e.Erzeugen();
            EXPECT_TRUE(e.Starten(2));
            EXPECT_EQ(a.chromosomNr, (std::vector<int>{1, 2, 3, 4, 1, 2, 3, 4})) << threads << " " << neu;
            EXPECT_EQ(e.Liste().size(), 4) << threads << " " << neu;
            EXPECT_TRUE(ChromosomenlistePruefen(e.Liste()));
            EXPECT_EQ(a.protokoll.size(), 2 * (4 + 7));
            EXPECT_TRUE(a.meldungen.empty());
            EXPECT_EQ(e.ChromosomenAnzahl(), neu) << "the new count waits for the next start";
        }
    }
}

TEST(Evolution, RepeatedChromosomeTakesTheEarlierGradeWithoutRuns)
{
    TEvolution e;
    TAufzeichnung a;
    e.setBeobachter(&a);
    kranVariablen(e);
    e.setListe({nullen, stillstand(), nullen});
    e.setChromosomenAnzahl(3);
    e.Dekodieren();
    e.setSimulationbeenden(false);
    e.GenerationBewerten();
    EXPECT_EQ(a.zielmarken, 20);
    EXPECT_EQ(a.plotLeerungen, 20);
    EXPECT_EQ(e.Bewertung(3), e.Bewertung(1));
    EXPECT_NE(e.Bewertung(1), e.Bewertung(2));
    EXPECT_EQ(a.protokoll[2], QStringLiteral("3. Chromosom: ") + ProtokollZahl(e.Bewertung(1)));
    // "TestlaufNr." keeps the last run of chromosome 2.
    EXPECT_EQ(a.testlaufNr.size(), 20u);
    EXPECT_EQ(a.chromosomNr, (std::vector<int>{1, 2, 3}));
    // The best of the generation: the lower grade, of equal lines the first.
    const int beste = e.Bewertung(1) < e.Bewertung(2) ? 1 : 2;
    EXPECT_EQ(e.BesterChromosom(), beste);
    EXPECT_EQ(e.BesterChromosomText(), beste == 1 ? nullen : stillstand());
}

TEST(Evolution, SelectionWithEqualGradesAcceptsOnePerThousandAndRepeats)
{
    TEvolution e;
    TAufzeichnung a;
    e.setBeobachter(&a);
    e.setSimulationbeenden(false);
    e.setListe({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    e.setChromosomenAnzahl(4);
    for (int i = 1; i <= 4; ++i)
        e.setBewertung(i, 100);
    // Threshold 100 / 1000: u * 100 must stay below 0.1.
    TZufallsfolge z({0.5, 0.00099, 0.001, 0.0005, 0.0009, 0.00001}, {2, 2, 0, 3, 2, 1});
    e.setZufall(&z);
    EXPECT_TRUE(e.Selektion());
    EXPECT_EQ(e.Liste(), (QStringList{QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("C"),
                                    QStringLiteral("B")}));
    EXPECT_TRUE(z.leer());
    EXPECT_EQ(a.protokoll, (QStringList{QStringLiteral("Durchschnittsnote:   100.00"), QStringLiteral(" "),
                                        QStringLiteral(" ")}));
}

TEST(Evolution, SelectionRefusesGradesThatGiveNoProbabilities)
{
    for (const float schlecht : {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), 0.0f}) {
        TEvolution e;
        TAufzeichnung a;
        e.setBeobachter(&a);
        e.setSimulationbeenden(false);
        e.setListe({QStringLiteral("A"), QStringLiteral("B")});
        e.setChromosomenAnzahl(2);
        e.setBewertung(1, schlecht);
        e.setBewertung(2, schlecht == 0 ? 0 : 5);
        EXPECT_FALSE(e.Selektion());
        EXPECT_EQ(e.Liste(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
        ASSERT_EQ(a.meldungen.size(), 1u);
        EXPECT_EQ(a.meldungen[0].text, SuchTexte::noteUnendlich);
        EXPECT_TRUE(e.simulationbeenden());
    }
}

TEST(Evolution, CrossoverCuts)
{
    const QString a = QStringLiteral("00000000") + QString(88, QLatin1Char('0'));
    const QString b = einsen;
    struct Fall {
        double u;
        int k; // integer draw, cut = k + 1
        QString kind1, kind2;
        bool schnitt;
    };
    const Fall faelle[] = {
        {0.1, 95, a, b, true},                                       // cut 96: copies
        {0.1, 0, QLatin1Char('0') + b.mid(1), QLatin1Char('1') + a.mid(1), true},
        {0.1, 47, a.left(48) + b.mid(48), b.left(48) + a.mid(48), true},
        {0.2, 0, a, b, false},                                       // u not below the rate
    };
    for (const Fall& f : faelle) {
        TEvolution e;
        TZufallsfolge z({f.u}, {f.k});
        e.setZufall(&z);
        QString k1, k2;
        e.KreuzePaar(a, b, k1, k2);
        EXPECT_EQ(k1, f.kind1) << f.k;
        EXPECT_EQ(k2, f.kind2) << f.k;
        EXPECT_EQ(z.grenzen().size(), f.schnitt ? 1u : 0u);
        if (f.schnitt) {
            EXPECT_EQ(z.grenzen().front(), 96);
        }
    }
}

TEST(Evolution, MatingOrderAndMutation)
{
    TEvolution e;
    e.setListe({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    e.setChromosomenAnzahl(4);
    TZufallsfolge z({0.9, 0.9}, {2, 0, 1, 0});
    e.setZufall(&z);
    e.Kreuzung();
    EXPECT_EQ(e.Liste(), (QStringList{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("D"),
                                    QStringLiteral("B")}));
    EXPECT_EQ(z.grenzen(), (std::deque<int>{4, 3, 2, 1}));

    e.setListe({nullen, nullen});
    e.setChromosomenAnzahl(2);
    e.setParameter(TSuchParameter{2, 0.2f, 1.0f});
    TZufallsfolge m({0.999, 0.5}, {95, 0});
    e.setZufall(&m);
    e.Mutation();
    EXPECT_EQ(e.Liste()[0], nullen.left(95) + QLatin1Char('1'));
    EXPECT_EQ(e.Liste()[1], QLatin1Char('1') + nullen.mid(1));
}

TEST(Evolution, CreationComparesTheDrawAsFloat)
{
    TEvolution e;
    e.setChromosomenAnzahl(2);
    TZufallsfolge z;
    for (int i = 0; i < 2 * 96; ++i)
        z.real(i == 0 ? 0.49999999 : (i == 1 ? 0.4999 : 0.7));
    e.setZufall(&z);
    e.Erzeugen();
    ASSERT_EQ(e.Liste().size(), 2);
    // 0.49999999 becomes 0.5f and gives "1".
    EXPECT_EQ(e.Liste()[0], QStringLiteral("10") + QString(94, QLatin1Char('1')));
    EXPECT_EQ(e.Liste()[1], einsen);
    EXPECT_TRUE(z.leer());
}

TEST(Evolution, StartChecksRefuseInTheirOrder)
{
    struct Fall {
        const char* name;
        QStringList liste;
        int n;
        int terme;
        TMeldung meldung;
    };
    const QString gut = stillstand();
    const Fall faelle[] = {
        {"Liste", {gut, gut.left(95)}, 2, 3, {MeldungsArt::Fehler, SuchTexte::listeFalsch}},
        {"Terme", {gut, gut}, 2, 3, {MeldungsArt::Fehler, SuchTexte::termanzahlFalsch}},
        {"n = 0", {gut, gut}, 0, 4, {MeldungsArt::Warnung, SuchTexte::minimal2}},
        {"ungerade", {gut, gut, gut}, 3, 4, {MeldungsArt::Warnung, SuchTexte::anzahlUngerade}},
        {"zu wenig Zeilen", {gut, gut}, 4, 4, {MeldungsArt::Warnung, SuchTexte::zuWenigZeilen}},
    };
    for (const Fall& f : faelle) {
        TEvolution e;
        TAufzeichnung a;
        e.setBeobachter(&a);
        TSuchVariablen v = kran();
        v.Ausgang.setAnzahl(f.terme);
        e.VariablenUebernehmen(v);
        e.setListe(f.liste);
        e.setChromosomenAnzahl(f.n);
        EXPECT_FALSE(e.Starten(1)) << f.name;
        ASSERT_EQ(a.meldungen.size(), 1u) << f.name;
        EXPECT_EQ(a.meldungen[0], f.meldung) << f.name;
        EXPECT_EQ(a.leerungen, 0) << f.name;
        EXPECT_EQ(e.Liste(), f.liste) << f.name;
        EXPECT_TRUE(e.simulationbeenden());
    }
}

TEST(Evolution, StopDuringARunKeepsListAndLogsNothingFurther)
{
    TEvolution e;
    TAufzeichnung a;
    a.evolution = &e;
    e.setBeobachter(&a);
    kranVariablen(e);
    e.setListe({stillstand(0), stillstand(1), nullen, einsen});
    e.setChromosomenAnzahl(4);
    const QStringList vorher = e.Liste();
    // Chromosome 1 takes 9 x 601 + 20 steps; stop in the 3rd run of chromosome 2.
    a.schritteBisStop = 9 * 601 + 20 + 2 * 601 + 5;
    EXPECT_TRUE(e.Starten());
    EXPECT_EQ(e.Liste(), vorher);
    EXPECT_EQ(a.protokoll, (QStringList{QStringLiteral("Generation: 1"), QString(37, QLatin1Char('-')),
                                        QStringLiteral(" "), QStringLiteral("1. Chromosom:   841.45")}));
    EXPECT_EQ(a.chromosomNr, (std::vector<int>{1, 2, 3, 4}));
    // The runs after the stop are skipped; the stopped run's grade still counts.
    EXPECT_EQ(a.zielmarken, 10 + 3);
    EXPECT_GT(e.Bewertung(2), 180.04983f + 150.04983f);
    EXPECT_LT(e.Bewertung(2), 841.0f);
    EXPECT_EQ(e.Generation(), 1);
    EXPECT_FALSE(e.laeuft());
}

TEST(Evolution, StopAtTheHandOverAfterAGenerationKeepsTheNewList)
{
    TEvolution e;
    TAufzeichnung a;
    a.evolution = &e;
    e.setBeobachter(&a);
    kranVariablen(e);
    const QString eins = stillstand(0);
    const QString zwei = stillstand(1);
    e.setListe({eins, zwei});
    e.setChromosomenAnzahl(2);
    // Selection takes line 2 twice; no crossover, no mutation.
    TZufallsfolge z({0.0005, 0.0001, 0.9, 0.9, 0.9}, {1, 1, 0, 0});
    e.setZufall(&z);
    // Both chromosomes take 9 x 601 + 20 steps; the next hand-over ends the generation.
    a.schritteBisStop = 2 * (9 * 601 + 20);
    EXPECT_TRUE(e.Starten());
    EXPECT_EQ(e.Liste(), (QStringList{zwei, zwei}));
    EXPECT_EQ(a.protokoll.size(), 2 + 7);
    EXPECT_EQ(a.protokoll.last(), QStringLiteral(" "));
    EXPECT_EQ(a.generation, std::vector<int>{1});
    EXPECT_TRUE(z.leer());
    EXPECT_FALSE(e.laeuft());
}

TEST(Evolution, StopWhileWorkersGradeKeepsListAndLogsNothingFurther)
{
    TEvolution e;
    TAufzeichnung a;
    a.evolution = &e;
    a.schritteBisStop = 0; // as the wait for chromosome 1 begins
    e.setBeobachter(&a);
    e.setThreads(2);
    kranVariablen(e);
    TStandardZufall z(5);
    e.setZufall(&z);
    e.setChromosomenAnzahl(6);
    e.Erzeugen();
    const QStringList vorher = e.Liste();
    EXPECT_TRUE(e.Starten());
    EXPECT_EQ(e.Liste(), vorher);
    EXPECT_EQ(a.protokoll.size(), 3);
    EXPECT_EQ(a.chromosomNr, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(e.laeuft());
}

TEST(Evolution, FullLogStopsTheSearch)
{
    struct Fall {
        int platz;      // lines the log takes
        int zielmarken; // runs made
    };
    // A refused chromosome line ends the grading after that chromosome's runs;
    // a refused header line ends the search before any run, with one warning.
    const Fall faelle[] = {{3, 10}, {2, 0}, {0, 0}};
    for (const Fall& f : faelle) {
        TEvolution e;
        TAufzeichnung a;
        a.protokollPlatz = f.platz;
        e.setBeobachter(&a);
        kranVariablen(e);
        e.setListe({stillstand(0), stillstand(1)});
        e.setChromosomenAnzahl(2);
        EXPECT_TRUE(e.Starten()) << f.platz;
        ASSERT_EQ(a.meldungen.size(), 1u) << f.platz;
        EXPECT_EQ(a.meldungen[0], (TMeldung{MeldungsArt::Warnung, SuchTexte::protokollVoll}));
        EXPECT_EQ(a.protokoll.size(), f.platz);
        EXPECT_EQ(e.Liste(), (QStringList{stillstand(0), stillstand(1)})) << f.platz;
        EXPECT_EQ(a.zielmarken, f.zielmarken) << f.platz;
        EXPECT_TRUE(e.simulationbeenden());
        EXPECT_FALSE(e.laeuft());
    }
}

TEST(Evolution, UndefinedVariableStopsAtTheFirstRun)
{
    TEvolution e;
    TAufzeichnung a;
    e.setBeobachter(&a);
    TSuchVariablen v = kran();
    v.EingangB.setDefiniert(false);
    e.VariablenUebernehmen(v);
    e.setListe({stillstand(0), stillstand(1)});
    e.setChromosomenAnzahl(2);
    EXPECT_TRUE(e.Starten());
    ASSERT_EQ(a.meldungen.size(), 1u);
    EXPECT_EQ(a.meldungen[0], (TMeldung{MeldungsArt::Warnung, SuchTexte::variablenFehlen}));
    EXPECT_EQ(a.zielmarken, 0);
    EXPECT_EQ(a.protokoll.size(), 3);
}

TEST(Evolution, EveryStartCountsFromOneWithAnEmptyLog)
{
    TEvolution e;
    TAufzeichnung a;
    TStandardZufall z(7);
    e.setZufall(&z);
    e.setBeobachter(&a);
    kranVariablen(e);
    e.setChromosomenAnzahl(4);
    e.Erzeugen();
    EXPECT_TRUE(e.Starten(2));
    EXPECT_EQ(a.generation, (std::vector<int>{1, 2}));
    EXPECT_EQ(a.protokoll.size(), 2 * (4 + 7));
    EXPECT_TRUE(e.Starten(1));
    EXPECT_EQ(a.generation, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(a.leerungen, 2);
    EXPECT_EQ(a.protokoll.size(), 4 + 7);
    EXPECT_EQ(a.protokoll.first(), QStringLiteral("Generation: 1"));
}

TEST(Evolution, FortyOneLinesGradeFortyAndLeaveForty)
{
    TEvolution e;
    TAufzeichnung a;
    TStandardZufall z(3);
    e.setZufall(&z);
    e.setBeobachter(&a);
    kranVariablen(e);
    e.setChromosomenAnzahl(41);
    e.Erzeugen();
    e.setChromosomenAnzahl(40);
    EXPECT_TRUE(e.Starten(1));
    EXPECT_EQ(a.chromosomNr.back(), 40);
    EXPECT_EQ(a.chromosomNr.size(), 40u);
    EXPECT_EQ(e.Liste().size(), 40);
    EXPECT_TRUE(ChromosomenlistePruefen(e.Liste()));
}

// Records every grade with the line it belongs to, and the best so far as the
// engine reports it.
struct TNotenAufzeichnung : TAufzeichnung {
    QStringList bewertet; // the list as its generation began
    int i = 0;
    float minimum = std::numeric_limits<float>::infinity();
    QString minimumChromosom;
    int minimumGeneration = 0;
    std::vector<float> besteBisher;

    void zeigeGeneration(int g) override
    {
        TAufzeichnung::zeigeGeneration(g);
        bewertet = evolution->Liste();
        i = 0;
    }
    void zeigeChrNote(float note) override
    {
        ++i;
        if (note < minimum) {
            minimum = note;
            minimumChromosom = bewertet[i - 1];
            minimumGeneration = generation.back();
        }
    }
    void zeigeBesterBisher(float note) override { besteBisher.push_back(note); }
};

// The lowest ChrNote of the whole search stays with its chromosome and its
// generation, although the generations keep no elite; every thread count
// finds the same.
TEST(Evolution, BestSoFarIsTheLowestGradeOfTheWholeSearch)
{
    for (const int threads : {1, 2}) {
        TEvolution e;
        TNotenAufzeichnung a;
        a.evolution = &e;
        TStandardZufall z(11);
        e.setZufall(&z);
        e.setBeobachter(&a);
        e.setThreads(threads);
        kranVariablen(e);
        e.setChromosomenAnzahl(6);
        e.Erzeugen();
        ASSERT_TRUE(e.Starten(8));
        ASSERT_TRUE(e.BesterBisher().has_value());
        EXPECT_EQ(e.BesterBisher()->ChrNote, a.minimum) << threads;
        EXPECT_EQ(e.BesterBisher()->chromosom, a.minimumChromosom) << threads;
        EXPECT_EQ(e.BesterBisher()->generation, a.minimumGeneration) << threads;
        ASSERT_FALSE(a.besteBisher.empty());
        EXPECT_EQ(a.besteBisher.back(), a.minimum);
        EXPECT_TRUE(std::is_sorted(a.besteBisher.rbegin(), a.besteBisher.rend()));
        // Graded again, the chromosome earns the same grade.
        TKranKopien k;
        VariablenUebernehmen(k, kran());
        std::atomic<bool> stop{false};
        EXPECT_EQ(ChromosomBewerten(*ChromosomLesen(a.minimumChromosom), k, stop).ChrNote, a.minimum);
    }
}

// A grade cut short by a stop is no grade of the chromosome; every Start
// begins the record afresh.
TEST(Evolution, BestSoFarTakesNoGradeCutShortAndStartsAfreshWithEveryStart)
{
    TEvolution e;
    TAufzeichnung a;
    a.evolution = &e;
    e.setBeobachter(&a);
    kranVariablen(e);
    e.setListe({stillstand(0), stillstand(1), nullen, einsen});
    e.setChromosomenAnzahl(4);
    // Chromosome 1 takes 9 x 601 + 20 steps; stop in the 3rd run of chromosome 2,
    // whose partial grade is lower than chromosome 1's.
    a.schritteBisStop = 9 * 601 + 20 + 2 * 601 + 5;
    EXPECT_TRUE(e.Starten());
    ASSERT_LT(e.Bewertung(2), e.Bewertung(1));
    ASSERT_TRUE(e.BesterBisher().has_value());
    EXPECT_EQ(e.BesterBisher()->chromosom, stillstand(0));
    EXPECT_EQ(e.BesterBisher()->ChrNote, e.Bewertung(1));
    EXPECT_EQ(e.BesterBisher()->generation, 1);

    a.schritteBisStop = 5;
    EXPECT_TRUE(e.Starten());
    EXPECT_FALSE(e.BesterBisher().has_value());
}

// The draws stay on the calling thread, so the thread count changes nothing.
TEST(Evolution, ThreadCountDoesNotChangeTheResult)
{
    QStringList listen[4];
    QStringList protokolle[4];
    std::array<float, 20> noten[4];
    // The last one without an observer: then the calling thread grades too.
    const int threads[4] = {1, 2, 5, 2};
    for (int t = 0; t < 4; ++t) {
        TEvolution e;
        TAufzeichnung a;
        TStandardZufall z(11);
        e.setZufall(&z);
        if (t < 3)
            e.setBeobachter(&a);
        e.setThreads(threads[t]);
        kranVariablen(e);
        e.Erzeugen();
        QStringList liste = e.Liste();
        liste[5] = liste[2]; // a repeated line on the workers too
        e.setListe(liste);
        EXPECT_TRUE(e.Starten(3));
        listen[t] = e.Liste();
        protokolle[t] = a.protokoll;
        for (int i = 1; i <= 20; ++i)
            noten[t][i - 1] = e.Bewertung(i);
        EXPECT_EQ(a.chromosomNr.size(), t < 3 ? 60u : 0u);
    }
    for (int t = 1; t < 4; ++t) {
        EXPECT_EQ(listen[t], listen[0]) << t;
        EXPECT_EQ(noten[t], noten[0]) << t;
        if (t < 3) {
            EXPECT_EQ(protokolle[t], protokolle[0]) << t;
        }
    }
    EXPECT_EQ(protokolle[0].size(), 3 * 27);
}

} // namespace
