// What the overview tells about a project: empty or not, the rule count, the
// state of the file and the next step.
#include "core/projektstand.h"

#include "core/projekt.h"
#include "tests/fuzzy_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Three terms on -1..1.
TFuzzy dreiTerme()
{
    return fuzzytest::trapezVariable(-1, 1, {{-1, -1, -0.5f, 0}, {-0.5f, 0, 0, 0.5f}, {0, 0.5f, 1, 1}});
}

TEST(ProjektLeer, OnlyWithoutAnyDefinedVariableAndWithoutAnyRule)
{
    EXPECT_TRUE(ProjektLeer(TProjekt{}));
    TProjekt benannt;  // a name alone defines nothing
    benannt.EingangA.setName(QStringLiteral("Winkel"));
    EXPECT_TRUE(ProjektLeer(benannt));

    TProjekt nurRegel;
    nurRegel.Regeltab(5, 5) = 1;
    EXPECT_FALSE(ProjektLeer(nurRegel));
    for (TFuzzy TProjekt::*v : {&TProjekt::EingangA, &TProjekt::EingangB, &TProjekt::Ausgang}) {
        TProjekt p;
        p.*v = dreiTerme();
        EXPECT_FALSE(ProjektLeer(p));
    }
}

TEST(AnzahlRegeln, CountsTheEntriesTheInferenceReads)
{
    TProjekt p;
    p.EingangA = dreiTerme();
    p.EingangB = dreiTerme();
    p.Ausgang = dreiTerme();
    p.Regeltab(1, 1) = 1;  // read with and without B
    p.Regeltab(2, 2) = 3;  // only with B
    p.Regeltab(2, 3) = 5;  // only with B; names a term the output lacks, so it does nothing
    p.Regeltab(1, 4) = 3;  // row beyond A's three terms
    p.Regeltab(4, 1) = 3;  // column beyond B's three terms
    p.Regeltab(5, 5) = 1;
    EXPECT_EQ(AnzahlRegeln(p), 2);
    EXPECT_EQ(AnzahlRegelnOhneAusgangsterm(p), 1);
    EXPECT_EQ(RegelanzahlText(p),
              QStringLiteral("2 Regeln · 1 nennt einen gelöschten Ausgangsterm („?“) und wirkt nicht"));
    p.EingangB = TFuzzy{};
    EXPECT_EQ(AnzahlRegeln(p), 1);
    EXPECT_EQ(RegelanzahlText(p), QStringLiteral("1 Regel"));
    p.Regeltab = TRegeltab{};
    EXPECT_EQ(AnzahlRegeln(p), 0);
    EXPECT_EQ(RegelanzahlText(p), QStringLiteral("noch keine Regeln"));
    p.Regeltab.werte.fill(2);
    p.EingangA.setAnzahl(5);
    p.EingangB = dreiTerme();
    p.EingangB.setAnzahl(5);
    EXPECT_EQ(RegelanzahlText(p), QStringLiteral("25 Regeln"));
    // Rules that name a term the output no longer has are not counted as rules.
    p.Regeltab.werte.fill(0);
    p.Regeltab(3, 3) = 4;
    EXPECT_EQ(RegelanzahlText(p),
              QStringLiteral("keine wirksame Regel · 1 nennt einen gelöschten Ausgangsterm („?“) und wirkt nicht"));
    // Without the output there are no rules to speak of, whatever the table holds.
    p.Ausgang.setDefiniert(false);
    EXPECT_FALSE(RegelnMoeglich(p));
    EXPECT_EQ(RegelanzahlText(p), QStringLiteral("keine Regeln"));
}

// A full 5 x 5 table whose output loses its fifth term: the six rules that
// named it do nothing, so the controller is not ready.
TEST(AnzahlRegeln, AfterTheOutputLostATermItsRulesAreCountedApart)
{
    const auto fuenf = [] {
        return fuzzytest::trapezVariable(-2, 2, {{-2, -2, -2, -1}, {-2, -1, -1, 0}, {-1, 0, 0, 1}, {0, 1, 1, 2},
                                                 {1, 2, 2, 2}});
    };
    TProjekt p;
    p.EingangA = fuenf();
    p.EingangB = fuenf();
    p.Ausgang = fuenf();
    for (int j = 1; j <= 5; ++j)
        for (int i = 1; i <= 5; ++i)
            p.Regeltab(j, i) = std::clamp(9 - i - j, 1, 5);  // term 5 in the six cells i + j <= 4
    EXPECT_EQ(RegelanzahlText(p), QStringLiteral("25 Regeln"));
    EXPECT_EQ(NaechsterSchritt(p), TNaechsterSchritt::Bereit);

    p.Ausgang.setAnzahl(4);
    EXPECT_EQ(AnzahlRegeln(p), 19);
    EXPECT_EQ(AnzahlRegelnOhneAusgangsterm(p), 6);
    EXPECT_EQ(RegelanzahlText(p),
              QStringLiteral("19 Regeln · 6 nennen einen gelöschten Ausgangsterm („?“) und wirken nicht"));
    EXPECT_EQ(NaechsterSchritt(p), TNaechsterSchritt::RegelnOhneAusgangsterm);
}

TEST(NaechsterSchritt, FollowsWhatTheProjectLacksInTheAssistantsOrder)
{
    const struct {
        bool a, b, ausgang;
        int regelZeile;  // row of A of the one rule, 0 for none, -1 for one naming output term 4 of 3
        TNaechsterSchritt schritt;
    } faelle[] = {
        {false, true, true, 1, TNaechsterSchritt::EingangA},
        {false, false, false, 0, TNaechsterSchritt::EingangA},
        {true, true, false, 1, TNaechsterSchritt::Ausgang},
        {true, true, true, 0, TNaechsterSchritt::Regeln},
        {true, true, true, 5, TNaechsterSchritt::Regeln},  // a rule beyond A's terms is none
        {true, false, true, 1, TNaechsterSchritt::EingangB},
        {true, false, true, -1, TNaechsterSchritt::RegelnOhneAusgangsterm},
        {true, true, true, -1, TNaechsterSchritt::RegelnOhneAusgangsterm},
        {true, true, true, 1, TNaechsterSchritt::Bereit},
    };
    for (const auto& f : faelle) {
        TProjekt p;
        if (f.a)
            p.EingangA = dreiTerme();
        if (f.b)
            p.EingangB = dreiTerme();
        if (f.ausgang)
            p.Ausgang = dreiTerme();
        if (f.regelZeile != 0)
            p.Regeltab(1, std::abs(f.regelZeile)) = f.regelZeile > 0 ? 1 : 4;
        EXPECT_EQ(NaechsterSchritt(p), f.schritt) << f.a << f.b << f.ausgang << f.regelZeile;
    }
}

TEST(NaechsterSchritt, TextsNameTheWayToTheStep)
{
    const struct {
        TNaechsterSchritt schritt;
        const char* text;
    } faelle[] = {
        {TNaechsterSchritt::EingangA, "Nächster Schritt: Definieren Sie den Eingang A: Doppelklick auf „Eingang A“ "
                                      "oder „Fuzzyvariable → Editieren → Eingang A“."},
        {TNaechsterSchritt::Ausgang, "Nächster Schritt: Definieren Sie den Ausgang: Doppelklick auf „Ausgang“ "
                                     "oder „Fuzzyvariable → Editieren → Ausgang“."},
        {TNaechsterSchritt::RegelnOhneAusgangsterm,
         "Nächster Schritt: Ändern oder löschen Sie die Regeln mit „?“: Sie nennen einen Ausgangsterm, den es "
         "nicht mehr gibt, und wirken nicht. Doppelklick auf „Regeln“ oder „Regeln → Editieren“."},
        {TNaechsterSchritt::Regeln, "Nächster Schritt: Geben Sie die Regeln ein: Doppelklick auf „Regeln“ "
                                    "oder „Regeln → Editieren“."},
        {TNaechsterSchritt::EingangB, "Nächster Schritt: Testen Sie den Regler mit „Regeln → Testen“. Um mit ihm "
                                      "das Pendel oder die Laufkatze zu regeln, definieren Sie auch Eingang B."},
        {TNaechsterSchritt::Bereit, "Nächster Schritt: Der Regler ist bereit: Testen Sie ihn mit „Regeln → Testen“ "
                                    "oder lassen Sie ihn unter „Simulation“ das Pendel oder die Laufkatze regeln "
                                    "(Fuzzy-Regelung)."},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(NaechsterSchrittText(f.schritt), QString::fromUtf8(f.text));
}

TEST(Speicherstand, NewSavedOrChanged)
{
    const struct {
        const char* dateiname;
        bool geaendert;
        const char* text;
    } faelle[] = {
        {"Neu", false, "Noch nicht gespeichert"},
        {"/daten/pendel.fuz", false, "Gespeichert"},
        {"/daten/pendel.fuz", true, "Ungespeicherte Änderungen"},
        {"Neu", true, "Ungespeicherte Änderungen"},
    };
    for (const auto& f : faelle) {
        TProjekt p;
        p.Dateiname = QString::fromUtf8(f.dateiname);
        p.Geaendert = f.geaendert;
        EXPECT_EQ(SpeicherstandText(p), QString::fromUtf8(f.text)) << f.dateiname << f.geaendert;
    }
}

TEST(Grundmengentext, UniverseWithTwoDecimalsAndTheTermCount)
{
    TFuzzy f = fuzzytest::trapezVariable(-30, 30, {{-30, -30, 0, 30}});
    EXPECT_EQ(Grundmengentext(f), QStringLiteral("Grundmenge -30.00 bis 30.00 · 1 Term"));
    f = dreiTerme();
    f.setA(-0.125f);
    f.setB(2.5f);
    EXPECT_EQ(Grundmengentext(f), QStringLiteral("Grundmenge -0.13 bis 2.50 · 3 Terme"));
    f.setAnzahl(99);  // a count out of range shows the terms there can be
    EXPECT_EQ(Grundmengentext(f), QStringLiteral("Grundmenge -0.13 bis 2.50 · 5 Terme"));
}

} // namespace
