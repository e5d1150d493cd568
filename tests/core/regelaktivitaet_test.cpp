#include "core/regelaktivitaet.h"

#include "core/fuzzy.h"
#include "tests/fuzzy_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

// Three terms on 0..4 for each input, three on -1..1 for the output.
TFuzzy Eingang(const QString& name)
{
    TFuzzy f = fuzzytest::trapezVariable(0, 4, {{0, 0, 1, 2}, {1, 2, 2, 3}, {2, 3, 4, 4}});
    f.setName(name);
    f.setTermname(1, QStringLiteral("klein"));
    f.setTermname(2, QStringLiteral("mittel"));
    f.setTermname(3, QStringLiteral("gross"));
    return f;
}

TFuzzy Ausgang()
{
    TFuzzy f = fuzzytest::trapezVariable(-1, 1, {{-1, -1, -1, 0}, {-1, 0, 0, 1}, {0, 1, 1, 1}});
    f.setName(QStringLiteral("Stell"));
    return f;
}

} // namespace

TEST(RegelAktivitaet, DegreesAndDecidingRulesMatchTheInference)
{
    TRegeltab t;
    // Rows: A term i; columns: B term j. A term 3 with B term 3 names output
    // term 4, which the output does not have; cell (2, 1) holds no rule.
    t(1, 1) = 1, t(1, 2) = 1, t(1, 3) = 2;
    t(2, 2) = 2, t(2, 3) = 3;
    t(3, 1) = 2, t(3, 2) = 3, t(3, 3) = 4;
    const struct {
        float xa, xb;
        bool mitB;
    } faelle[] = {{0, 0, true},     {1.5f, 1.5f, true}, {2.5f, 1.2f, true}, {3.5f, 3.5f, true},
                  {4, 2, true},     {1.75f, 3, true},   {0.5f, 2.5f, false}, {3.5f, 0, false}};
    for (const auto& f : faelle) {
        TFuzzy a = Eingang(QStringLiteral("A")), b = Eingang(QStringLiteral("B")), aus = Ausgang();
        b.setDefiniert(f.mitB);
        a.setX(f.xa);
        b.setX(f.xb);
        RegleAusgang(a, b, t, aus);
        const TRegelAktivitaet r = RegelAktivitaet(a, b, t, aus);
        SCOPED_TRACE(testing::Message() << f.xa << ", " << f.xb << (f.mitB ? "" : " without B"));
        EXPECT_EQ(r.zeilen, 3);
        EXPECT_EQ(r.spalten, f.mitB ? 3 : 1);
        bool alleNull = true;
        for (int k = 1; k <= 3; ++k) {
            float groesster = 0;
            int massgebend = 0;
            for (int i = 1; i <= r.zeilen; ++i)
                for (int j = 1; j <= r.spalten; ++j) {
                    const TRegelZelle& z = r.zelle(i, j);
                    EXPECT_EQ(z.ausgang, t(j, i));
                    EXPECT_EQ(z.grad, f.mitB ? std::min(a.Zugehoerigkeit(i), b.Zugehoerigkeit(j)) : a.Zugehoerigkeit(i));
                    if (z.ausgang == k)
                        groesster = std::max(groesster, z.grad);
                    if (z.ausgang == k && z.massgebend) {
                        ++massgebend;
                        EXPECT_EQ(z.grad, aus.Term(k, 5));
                    }
                }
            EXPECT_EQ(groesster, aus.Term(k, 5)) << "term " << k;
            EXPECT_EQ(massgebend, aus.Term(k, 5) > 0 ? 1 : 0) << "term " << k;
            alleNull = alleNull && aus.Term(k, 5) == 0;
        }
        EXPECT_EQ(r.keineAktiv, alleNull);
        EXPECT_FALSE(r.zelle(3, 3).massgebend);
    }
}

TEST(RegelAktivitaet, OnlyARuleBeyondTheOutputFiresCountsAsNoRule)
{
    TRegeltab t;
    t(3, 3) = 4;
    t(1, 1) = 1;
    TFuzzy a = Eingang(QStringLiteral("A")), b = Eingang(QStringLiteral("B")), aus = Ausgang();
    a.setX(4);
    b.setX(4);
    const TRegelAktivitaet r = RegelAktivitaet(a, b, t, aus);
    EXPECT_EQ(r.zelle(3, 3).grad, 1.0f);
    EXPECT_FALSE(r.zelle(3, 3).massgebend);
    EXPECT_TRUE(r.keineAktiv);
    RegleAusgang(a, b, t, aus);
    EXPECT_EQ(aus.Schwerpunktkoordinate(), aus.a());

    // Two rules for the same term at the same degree: the first in the
    // inference's order (A outer, B inner) decides.
    TRegeltab gleich;
    gleich(1, 2) = 2;
    gleich(2, 1) = 2;
    a.setX(1.5f);
    b.setX(1.5f);
    const TRegelAktivitaet g = RegelAktivitaet(a, b, gleich, aus);
    EXPECT_EQ(g.zelle(1, 2).grad, g.zelle(2, 1).grad);
    EXPECT_TRUE(g.zelle(1, 2).massgebend);
    EXPECT_FALSE(g.zelle(2, 1).massgebend);
}

TEST(RegelLuecken, CountsTheEmptyCellsTheInferenceReadsAndNamesMissingTerms)
{
    TRegeltab t;
    t(1, 1) = 1, t(2, 1) = 2, t(3, 1) = 3;
    t(1, 2) = 4; // the output has three terms
    t(2, 3) = 3;
    t(5, 5) = 1; // outside the terms: not read, not counted
    TFuzzy a = Eingang(QStringLiteral("A")), b = Eingang(QStringLiteral("B")), aus = Ausgang();
    const struct {
        bool mitB;
        int felder, leer, ungueltig;
        const char* text;
    } faelle[] = {
        {true, 9, 4, 1, "4 von 9 Feldern ohne Regel; Ausgangsterm fehlt: MI/KL"},
        {false, 3, 1, 1, "1 von 3 Feldern ohne Regel; Ausgangsterm fehlt: MI"},
    };
    for (const auto& f : faelle) {
        b.setDefiniert(f.mitB);
        const TRegelLuecken l = RegelLuecken(a, b, t, aus);
        EXPECT_EQ(l.felder, f.felder);
        EXPECT_EQ(l.leer, f.leer);
        EXPECT_EQ(l.ungueltigAnzahl, f.ungueltig);
        EXPECT_EQ(RegelLueckenText(l, a, b), QString::fromUtf8(f.text));
    }
    TRegeltab voll;
    voll.werte.fill(2);
    b.setDefiniert(true);
    EXPECT_EQ(RegelLueckenText(RegelLuecken(a, b, voll, aus), a, b), QStringLiteral("0 von 9 Feldern ohne Regel"));
}
