#include "search/suchparameter.h"

#include "core/zahlenformat.h"
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

namespace {

// A rate the dialog accepts survives its own display: the text reads back as
// the very same float, with no more digits than it takes.
TEST(Suchparameter, RateTextReadsBackAsTheSameRate)
{
    struct Fall {
        float rate;
        const char* text;
    };
    const Fall faelle[] = {
        {0.2f, "  0.2000"},  {0.01f, "  0.0100"},     {1.0f, "  1.0000"},     {0.00015f, " 0.00015"},
        {0.000001f, "0.000001"}, {0.123456f, "0.123456"}, {1e-20f, "9.99999968e-21"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(RateText(f.rate), QString::fromLatin1(f.text)) << f.rate;
        EXPECT_EQ(SingEditZahl(RateText(f.rate)), f.rate) << f.rate;
    }
}

} // namespace
