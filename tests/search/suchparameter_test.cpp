#include "search/suchparameter.h"

#include "search/suchtexte.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Whatever the fields hold, the dialog's result lies in range: a value out of
// its range becomes its default, a value at the edge is kept.
TEST(Suchparameter, ValuesOutOfRangeBecomeTheDefaults)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Fall {
        TSuchParameter eingabe, ergebnis;
    };
    const Fall faelle[] = {
        {{0, 0, 1.5f}, {20, 0.2f, 0.01f}},        {{41, 1.5f, 0}, {20, 0.2f, 0.01f}},
        {{40, 1, 1}, {40, 1, 1}},                  {{1, 0.5f, 0.02f}, {1, 0.5f, 0.02f}},
        {{-3, -0.1f, nan}, {20, 0.2f, 0.01f}},     {{2, 1e-30f, 1.0001f}, {2, 1e-30f, 0.01f}},
    };
    for (const Fall& f : faelle) {
        const TSuchParameter p = ParameterImBereich(f.eingabe);
        EXPECT_EQ(p, f.ergebnis) << f.eingabe.ChromosomenAnzahl << " " << f.eingabe.Kreuzungsrate << " "
                                 << f.eingabe.mutationsrate;
    }
    EXPECT_EQ(TSuchParameter{}, (TSuchParameter{20, 0.2f, 0.01f}));
}

TEST(Suchparameter, CountAgainstTheList)
{
    struct Fall {
        int anzahl;
        qsizetype zeilen;
        bool ungerade, weichtAb;
    };
    const Fall faelle[] = {{20, 20, false, false}, {3, 3, true, false}, {4, 6, false, true},
                           {5, 0, true, true},     {40, 45, false, true}};
    for (const Fall& f : faelle) {
        const TAnzahlAbgleich a = AnzahlAbgleichen(f.anzahl, f.zeilen);
        EXPECT_EQ(a.ungerade, f.ungerade) << f.anzahl << " " << f.zeilen;
        EXPECT_EQ(a.listeWeichtAb, f.weichtAb) << f.anzahl << " " << f.zeilen;
    }

    // Keeping a list: its lines, at most 40 with the loader's warning.
    for (const qsizetype zeilen : {0, 1, 7, 40}) {
        const TAnzahlAusZeilen n = AnzahlAusZeilen(zeilen);
        EXPECT_EQ(n.anzahl, zeilen);
        EXPECT_FALSE(n.meldung) << zeilen;
    }
    const TAnzahlAusZeilen viele = AnzahlAusZeilen(41);
    EXPECT_EQ(viele.anzahl, 40);
    ASSERT_TRUE(viele.meldung);
    EXPECT_EQ(*viele.meldung, (TMeldung{MeldungsArt::Warnung, SuchTexte::maximal40}));
}

} // namespace
