// The undo history: steps back and forward, what makes a step, and the
// changed flag after undoing past a save.
#include "core/projektverlauf.h"

#include "tests/fuzzy_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TProjekt mitEingangA(const QString& name, bool geaendert = true, const QString& datei = NeuerProjektname)
{
    TProjekt p;
    p.EingangA = fuzzytest::trapezVariable(-1, 1, {{-1, -1, 0, 1}, {-1, 0, 1, 1}});
    p.EingangA.setName(name);
    p.Geaendert = geaendert;
    p.Dateiname = datei;
    return p;
}

QString nameVon(const TProjekt& p)
{
    return p.EingangA.Name();
}

TEST(Projektverlauf, GoesBackAndForthThroughTheStepsWithTheirChangedFlags)
{
    TProjektverlauf verlauf;
    EXPECT_FALSE(verlauf.RueckgaengigMoeglich());
    EXPECT_FALSE(verlauf.WiederherstellenMoeglich());
    TProjekt p = mitEingangA(QStringLiteral("eins"));
    verlauf.Merken(p);
    p.Regeltab(1, 1) = 2;
    verlauf.Merken(p);

    ASSERT_TRUE(verlauf.Rueckgaengig(p));
    EXPECT_EQ(p.Regeltab, TRegeltab{});
    EXPECT_EQ(nameVon(p), QStringLiteral("eins"));
    ASSERT_TRUE(verlauf.Rueckgaengig(p));
    EXPECT_FALSE(p.EingangA.definiert());
    EXPECT_FALSE(p.Geaendert);  // the start was unchanged
    EXPECT_FALSE(verlauf.Rueckgaengig(p));
    EXPECT_FALSE(p.EingangA.definiert());

    ASSERT_TRUE(verlauf.Wiederherstellen(p));
    EXPECT_TRUE(p.Geaendert);
    ASSERT_TRUE(verlauf.Wiederherstellen(p));
    EXPECT_EQ(p.Regeltab(1, 1), 2);
    EXPECT_FALSE(verlauf.Wiederherstellen(p));
    EXPECT_EQ(p.Regeltab(1, 1), 2);
}

TEST(Projektverlauf, OnlyOtherVariablesOrRulesMakeAStep)
{
    TProjektverlauf verlauf(mitEingangA(QStringLiteral("eins"), false, QStringLiteral("/a.fuz")));
    // What no file holds: the current values, the colours, the working copy,
    // the file name and the flag go with the current snapshot.
    TProjekt p = mitEingangA(QStringLiteral("eins"), true, QStringLiteral("/b.fuz"));
    p.EingangA.setX(0.5f);
    p.AusgangKopie = p.EingangA;
    verlauf.Merken(p);
    EXPECT_FALSE(verlauf.RueckgaengigMoeglich());

    // Each part a file holds is a step.
    const auto aendern = [](TProjekt& q, int fall) {
        switch (fall) {
        case 0: q.EingangA.setName(QStringLiteral("zwei")); break;
        case 1: q.EingangB.setDefiniert(true); break;
        case 2: q.Ausgang.setA(-2); break;
        case 3: q.EingangA.setTerm(2, 5, 0.5f); break;
        case 4: q.EingangA.setTermname(1, QStringLiteral("negativ")); break;
        case 5: q.EingangA.setAnzahl(1); break;
        case 6: q.Regeltab(5, 5) = 1; break;
        }
    };
    for (int fall = 0; fall <= 6; ++fall) {
        TProjektverlauf v(p);
        TProjekt q = p;
        aendern(q, fall);
        v.Merken(q);
        EXPECT_TRUE(v.RueckgaengigMoeglich()) << fall;
    }

    // A NaN from a file equals itself.
    TProjekt nan = p;
    nan.EingangA.setB(std::numeric_limits<float>::quiet_NaN());
    TProjektverlauf v(nan);
    v.Merken(nan);
    EXPECT_FALSE(v.RueckgaengigMoeglich());
}

TEST(Projektverlauf, ANewStepDropsWhatWasUndoneAndAnUnrecordedChangeIsAStepOfItsOwn)
{
    TProjektverlauf verlauf;
    TProjekt p = mitEingangA(QStringLiteral("eins"));
    verlauf.Merken(p);
    verlauf.Rueckgaengig(p);
    p = mitEingangA(QStringLiteral("zwei"));
    verlauf.Merken(p);
    EXPECT_FALSE(verlauf.WiederherstellenMoeglich());

    // Changed without Merken: undo goes back to "zwei", not past it.
    p.Regeltab(2, 2) = 3;
    ASSERT_TRUE(verlauf.Rueckgaengig(p));
    EXPECT_EQ(nameVon(p), QStringLiteral("zwei"));
    EXPECT_EQ(p.Regeltab, TRegeltab{});
    ASSERT_TRUE(verlauf.Wiederherstellen(p));
    EXPECT_EQ(p.Regeltab(2, 2), 3);
    // And a change after an undo leaves nothing to redo.
    verlauf.Rueckgaengig(p);
    p.Regeltab(3, 3) = 1;
    EXPECT_FALSE(verlauf.Wiederherstellen(p));
    EXPECT_EQ(p.Regeltab(3, 3), 1);
    ASSERT_TRUE(verlauf.Rueckgaengig(p));
    EXPECT_EQ(p.Regeltab, TRegeltab{});
}

TEST(Projektverlauf, AfterASaveTheSnapshotsOfThatFileAreChangedExactlyWhenTheyDifferFromIt)
{
    const QString datei = QStringLiteral("/kurs/pendel.fuz");
    TProjekt geladen = mitEingangA(QStringLiteral("eins"), false, datei);
    TProjektverlauf verlauf(mitEingangA(QStringLiteral("anderes"), false, QStringLiteral("/kurs/kran.fuz")));
    verlauf.Merken(geladen);
    TProjekt p = geladen;
    p.EingangA.setName(QStringLiteral("zwei"));
    p.Geaendert = true;
    verlauf.Merken(p);
    p.EingangA.setName(QStringLiteral("eins"));  // typed back as it was
    verlauf.Merken(p);
    p.EingangA.setName(QStringLiteral("drei"));
    verlauf.Merken(p);

    p.Geaendert = false;  // written to the file
    verlauf.Gespeichert(p);
    const struct {
        QString name;
        bool geaendert;
    } zurueck[] = {
        {QStringLiteral("eins"), true},     // typed back: differs from the file now
        {QStringLiteral("zwei"), true},
        {QStringLiteral("eins"), true},     // as loaded: the file holds "drei" now
        {QStringLiteral("anderes"), false}, // another file, untouched by the save
    };
    for (const auto& z : zurueck) {
        ASSERT_TRUE(verlauf.Rueckgaengig(p));
        EXPECT_EQ(nameVon(p), z.name);
        EXPECT_EQ(p.Geaendert, z.geaendert) << z.name.toStdString();
    }
    for (int i = 0; i < 4; ++i)
        verlauf.Wiederherstellen(p);
    EXPECT_EQ(nameVon(p), QStringLiteral("drei"));
    EXPECT_FALSE(p.Geaendert);

    // Undoing to what the file holds gives an unchanged project.
    p.EingangA.setName(QStringLiteral("vier"));
    p.Geaendert = true;
    verlauf.Merken(p);
    verlauf.Rueckgaengig(p);
    EXPECT_EQ(nameVon(p), QStringLiteral("drei"));
    EXPECT_FALSE(p.Geaendert);
}

TEST(Projektverlauf, KeepsTheLastHundredSteps)
{
    TProjektverlauf verlauf;
    TProjekt p;
    for (int i = 1; i <= 150; ++i) {
        p.Regeltab.werte[0] = i;
        verlauf.Merken(p);
    }
    int schritte = 0;
    while (verlauf.Rueckgaengig(p))
        ++schritte;
    EXPECT_EQ(schritte, int(TProjektverlauf::MaxSchritte));
    EXPECT_EQ(p.Regeltab.werte[0], 50);
}

} // namespace
