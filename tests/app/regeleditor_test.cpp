// "Regeln → Editieren": copies into the rule editor, back on OK only.
#include "app/hilfeform.h"
#include "app/mainform.h"
#include "forms/regeditform.h"
#include "platform/meldung.h"
#include "platform/modal.h"

#include <QListWidget>
#include <QTextBrowser>
#include <QUrl>

#include "tests/fuzzy_hilfe.h"
#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

namespace {

class RegelnEditieren : public testing::Test {
protected:
    RegelnEditieren()
    {
        TProjekt& p = f.Projekt();
        p.EingangA = fuzzytest::trapezVariable(0, 10, {{0, 0, 2, 5}, {2, 5, 10, 10}});
        p.EingangA.setName(QStringLiteral("Ort"));
        p.EingangA.setTermname(1, QStringLiteral("links"));
        p.EingangA.setTermname(2, QStringLiteral("rechts"));
        p.Ausgang = fuzzytest::trapezVariable(-1, 1, {{-1, -1, -1, 0}, {0, 1, 1, 1}});
        p.Ausgang.setName(QStringLiteral("Kraft"));
        p.Ausgang.setTermname(1, QStringLiteral("bremsen"));
        p.Ausgang.setTermname(2, QStringLiteral("gas"));
        p.Regeltab(1, 2) = 1;
    }

    TMainForm f;
};

TEST_F(RegelnEditieren, TheEditorGetsCopiesAndTheProjectKeepsItsRulesAfterCancel)
{
    ScopedMeldungen m;
    TRegEditForm* gesehen = nullptr;
    ScopedModal modal([&](QDialog& d) {
        gesehen = qobject_cast<TRegEditForm*>(&d);
        EXPECT_NE(gesehen, nullptr);
        if (!gesehen)
            return int(QDialog::Rejected);
        EXPECT_EQ(gesehen->Ergebnis().EingangA.Name(), QStringLiteral("Ort"));
        EXPECT_FALSE(gesehen->Ergebnis().EingangB.definiert());
        EXPECT_EQ(gesehen->Ergebnis().Ausgang.Termname(2), QStringLiteral("gas"));
        EXPECT_EQ(gesehen->Ergebnis().Regeltab, f.Projekt().Regeltab);
        EXPECT_EQ(gesehen->Zelle(1, 2), QStringLiteral("BR"));
        gesehen->ListBox1()->setCurrentRow(1);
        gesehen->ZelleSetzen(1, 1);
        return int(QDialog::Rejected);
    });
    const TRegeltab vorher = f.Projekt().Regeltab;
    f.Menue().RegelnEditieren->trigger();
    ASSERT_EQ(modal.dialoge(), QStringList{QStringLiteral("TRegEditForm")});
    EXPECT_EQ(gesehen, &f.RegEditForm());
    EXPECT_EQ(f.Projekt().Regeltab, vorher);
    EXPECT_FALSE(f.Projekt().Geaendert);
    // The tool button opens the same dialog, with the project's table again.
    f.Knoepfe().RegelnEditieren->trigger();
    EXPECT_EQ(modal.dialoge().size(), 2);
    EXPECT_TRUE(m.texte().isEmpty());
}

TEST_F(RegelnEditieren, OkTakesTheTableBackAndMarksTheProjectOnlyAfterAChange)
{
    struct Fall {
        const char* wie;
        bool aendern;
    };
    for (const Fall& fall : {Fall{"OK without a change", false}, Fall{"OK after setting a rule", true}}) {
        SCOPED_TRACE(fall.wie);
        f.Projekt().Geaendert = false;
        ScopedModal modal([&](QDialog& d) {
            auto& r = static_cast<TRegEditForm&>(d);
            if (fall.aendern) {
                r.ListBox1()->setCurrentRow(1);
                r.ZelleSetzen(1, 1);
            }
            return int(QDialog::Accepted);
        });
        f.RegelnEditieren();
        EXPECT_EQ(f.Projekt().Geaendert, fall.aendern);
        EXPECT_EQ(f.Projekt().Regeltab(1, 1), fall.aendern ? 2 : 0);
        EXPECT_EQ(f.Projekt().Regeltab(1, 2), 1);
    }
}

} // namespace

namespace {

TEST(Regelhilfe, TheRuleWindowsHelpPageLinksToTheAssistantsPage)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Regeln);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Wählen Sie zunächst einen Ausgangsterm!")));
    h.Browser()->setSource(QUrl(QStringLiteral("assistent.html")));
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("Geben Sie nun die Regeln ein!")));
    h.close();
}

} // namespace
