#include "search/regelsystem.h"

#include "suchhilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

QString nullen(int n = ChromosomLaenge)
{
    return QString(n, QLatin1Char('0'));
}

TEST(Regelsystem, DecodingExamples)
{
    TRegelsystem rs{};
    StringToRegelsystem(nullen(), rs);
    for (const TRegel& r : rs)
        EXPECT_EQ(r, (TRegel{1, 1, 1}));

    StringToRegelsystem(QString(ChromosomLaenge, QLatin1Char('1')), rs);
    for (const TRegel& r : rs)
        EXPECT_EQ(r, (TRegel{4, 4, 4}));

    TRegel r{};
    StringToEineRegel(u"011011", r);
    EXPECT_EQ(r, (TRegel{2, 3, 4}));

    // Rule 16 comes from positions 91..96, rule 15 ends at 90.
    const QString s = nullen(90) + QStringLiteral("011011");
    StringToRegelsystem(s, rs);
    EXPECT_EQ(rs[15], (TRegel{2, 3, 4}));
    EXPECT_EQ(rs[14], (TRegel{1, 1, 1}));
    EXPECT_EQ(ChromosomText(rs), s);
}

TEST(Regelsystem, PairsThatAreNoGeneLeaveTheFieldAndInvalidLinesAreRejected)
{
    TRegel r{3, 3, 3};
    StringToEineRegel(u"0 1x11", r);
    EXPECT_EQ(r, (TRegel{3, 3, 4}));
    StringToEineRegel(u"01", r);
    EXPECT_EQ(r, (TRegel{2, 3, 4}));

    EXPECT_TRUE(ChromosomLesen(nullen()).has_value());
    for (const QString& zeile : {nullen(95), nullen(97), nullen(95) + QLatin1Char(' '), nullen(95) + QLatin1Char('2'),
                                 QString()})
        EXPECT_FALSE(ChromosomLesen(zeile).has_value()) << zeile.size();
}

TEST(Regelsystem, ListCheckExaminesEveryLine)
{
    const QString gut = nullen();
    struct Fall {
        const char* name;
        QStringList liste;
        bool ergebnis;
    };
    QStringList einundvierzig;
    for (int i = 0; i < 40; ++i)
        einundvierzig << gut;
    einundvierzig << nullen(95);
    const Fall faelle[] = {
        {"eine Zeile", {gut}, false},
        {"zwei Zeilen", {gut, gut}, true},
        {"leer", {}, false},
        {"95 Zeichen", {gut, nullen(95), gut}, false},
        {"97 Zeichen", {gut, nullen(97)}, false},
        {"Leerzeichen", {gut, nullen(50) + QLatin1Char(' ') + nullen(45)}, false},
        {"leere Zeile", {gut, QString(), gut}, false},
        {"Fehler in Zeile 41", einundvierzig, false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ChromosomenlistePruefen(f.liste), f.ergebnis) << f.name;
}

TEST(Regelsystem, TermCheckWantsFourTermsEverywhere)
{
    const TFuzzy a = suchtest::position();
    const TFuzzy b = suchtest::winkel();
    const TFuzzy y = suchtest::kraft();
    EXPECT_TRUE(TermanzahlPruefen(a, b, y));
    for (int variable = 0; variable < 3; ++variable) {
        for (const int anzahl : {3, 5}) {
            TFuzzy v[3] = {a, b, y};
            v[variable].setAnzahl(anzahl);
            EXPECT_FALSE(TermanzahlPruefen(v[0], v[1], v[2])) << variable << " " << anzahl;
        }
    }
}

TEST(Regelsystem, RuleTextUsesNamesAndFullTermNames)
{
    EXPECT_EQ(RegelText(TRegel{1, 2, 4}, suchtest::position(), suchtest::winkel(), suchtest::kraft()),
              QStringLiteral("WENN Position=weit links UND Winkel=links, DANN Kraft=stark rechts"));
}

} // namespace
