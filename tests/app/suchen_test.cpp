// "Regeln -> Suchen (Laufkatze)": the check of the variables and the copies
// the search window gets.
#include "app/hilfeform.h"
#include "app/mainform.h"
#include "app/startseite.h"
#include "forms/cregelform.h"
#include "forms/suchenform.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "search/regelsystem.h"
#include "search/suchtexte.h"
#include "tests/fuzzy_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QImage>
#include <QPixmap>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

TEST(Suchen, NeedsAllThreeVariablesDefined)
{
    TMainForm f;
    EXPECT_TRUE(f.Menue().RegelnSuchen->isEnabled());
    EXPECT_TRUE(f.Knoepfe().RegelnSuchen->isEnabled());
    f.Projekt().EingangA = fuzzytest::trapezVariable(-10, 10, {{-10, -10, 0, 10}});
    f.Projekt().Ausgang = fuzzytest::trapezVariable(-10, 10, {{-10, -10, 0, 10}});
    ScopedModal modal;
    ScopedMeldungen m;
    f.Knoepfe().RegelnSuchen->trigger();
    EXPECT_EQ(m.texte(), QStringList{SuchTexte::suchvariablenFehlen});
    EXPECT_EQ(m.meldungen()[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(modal.dialoge().isEmpty());
}

// Opening copies the variables in (three terms are fine here: Start checks
// them) and keeps the window's list from one opening to the next; the
// chromosome number starts at 1 on every opening.
TEST(Suchen, OpensTheOneSearchWindowWithCopiesOfTheVariables)
{
    TMainForm f;
    TFuzzy a = fuzzytest::trapezVariable(-10, 10, {{-10, -10, 0, 10}, {0, 5, 5, 10}, {5, 10, 10, 10}});
    a.setName(QStringLiteral("Position"));
    f.Projekt().EingangA = a;
    f.Projekt().EingangB = fuzzytest::trapezVariable(-90, 90, {{-90, -90, 0, 90}});
    f.Projekt().Ausgang = fuzzytest::trapezVariable(-10, 10, {{-10, -10, 0, 10}});
    f.Suchenform().Memo1()->setPlainText(QStringLiteral("von Hand"));
    f.Suchenform().SpinEdit1()->setValue(1);
    int geoeffnet = 0;
    ScopedModal modal([&](QDialog& d) {
        auto& s = static_cast<TSuchenForm&>(d);
        EXPECT_EQ(&s, &f.Suchenform());
        EXPECT_EQ(s.Evolution().EingangA().Name(), QStringLiteral("Position"));
        EXPECT_EQ(s.Evolution().EingangA().Anzahl(), 3);
        EXPECT_EQ(s.Regelnummer(), 1);
        EXPECT_EQ(s.Memo1()->toPlainText(), QStringLiteral("von Hand"));
        ++geoeffnet;
        return int(QDialog::Accepted);
    });
    f.Menue().RegelnSuchen->trigger();
    f.Knoepfe().RegelnSuchen->trigger();
    EXPECT_EQ(geoeffnet, 2);
    EXPECT_EQ(modal.dialoge(), (QStringList{QStringLiteral("TSuchenForm"), QStringLiteral("TSuchenForm")}));
    // The project is not touched.
    EXPECT_EQ(f.Projekt().EingangA.Anzahl(), 3);
}

// "In die Regeltabelle übernehmen" in the rule view writes the project's
// table as one step that Rückgängig takes back, and marks the project
// changed; No to the report of rules that do not fit leaves the project as it
// was.
TEST(Suchen, RuleViewCarriesTheRulesIntoTheProjectsTable)
{
    TMainForm f;
    TProjekt& p = f.Projekt();
    for (TFuzzy* v : {&p.EingangA, &p.EingangB, &p.Ausgang})
        *v = fuzzytest::trapezVariable(-10, 10, {{-10, -10, -5, 0}, {-5, 0, 0, 5}, {0, 5, 5, 10}, {5, 10, 10, 10}});
    p.Regeltab(5, 5) = 3;
    p.Geaendert = false;
    // Rule k: A term k % 4 + 1, B term k / 4 + 1, output 2; rule 2 again
    // names rule 1's premise, with output 4.
    TRegelsystem rs{};
    for (int k = 0; k < 16; ++k)
        rs[k] = TRegel{k % 4 + 1, k / 4 + 1, 2};
    rs[1] = TRegel{1, 1, 4};
    f.Suchenform().Memo1()->setPlainText(ChromosomText(rs));

    for (const Antwort antwort : {Antwort::Nein, Antwort::Ja}) {
        ScopedMeldungen m({antwort, Antwort::Ok});
        ScopedModal modal([&](QDialog& d) {
            if (auto* s = qobject_cast<TSuchenForm*>(&d)) {
                s->RegeltabelleClick();
                return int(QDialog::Accepted);
            }
            QTest::mouseClick(static_cast<TCRegelform&>(d).UebernehmenButton(), Qt::LeftButton);
            return int(QDialog::Accepted);
        });
        f.Menue().RegelnSuchen->trigger();
        EXPECT_EQ(modal.dialoge(), (QStringList{QStringLiteral("TSuchenForm"), QStringLiteral("TCRegelform")}));
        if (antwort == Antwort::Nein) {
            EXPECT_EQ(m.texte().size(), 1);
            EXPECT_EQ(p.Regeltab(5, 5), 3);
            EXPECT_FALSE(p.Geaendert);
        }
    }
    TRegeltab erwartet;
    for (int k = 0; k < 16; ++k)
        erwartet(k / 4 + 1, k % 4 + 1) = k == 1 ? 0 : 2;
    EXPECT_EQ(p.Regeltab, erwartet);
    EXPECT_TRUE(p.Geaendert);
    EXPECT_TRUE(f.Menue().Rueckgaengig->isEnabled());

    f.Menue().Rueckgaengig->trigger();
    EXPECT_EQ(p.Regeltab(5, 5), 3);
    EXPECT_EQ(p.Regeltab(1, 1), 0);
    EXPECT_FALSE(p.Geaendert);
    f.Menue().Wiederherstellen->trigger();
    EXPECT_EQ(p.Regeltab, erwartet);
    EXPECT_TRUE(p.Geaendert);
}

// The list dialogs start in the examples' folder that the start page finds.
TEST(Suchen, ListDialogsStartInTheExamplesFolder)
{
    TMainForm f;
    TProjekt& p = f.Projekt();
    for (TFuzzy* v : {&p.EingangA, &p.EingangB, &p.Ausgang})
        *v = fuzzytest::trapezVariable(-10, 10, {{-10, -10, 0, 10}});
    ScopedDateiDialoge dialoge;
    ScopedModal modal([](QDialog& d) {
        static_cast<TSuchenForm&>(d).LadenButtonClick();
        return int(QDialog::Accepted);
    });
    f.Menue().RegelnSuchen->trigger();
    ASSERT_EQ(dialoge.dialoge().size(), 1);
    const QString beispiel = BeispielDatei(f.Programmpfad(), QStringLiteral("kran.gen"));
    EXPECT_EQ(dialoge.dialoge()[0].vorschlag,
              beispiel.isEmpty() ? QString() : QFileInfo(beispiel).absolutePath() + QLatin1Char('/'));
}

} // namespace

namespace {

TEST(Suchen, HelpPageOfTheSearchIsCompiledIn)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Suche);
    const QString text = h.Browser()->toPlainText();
    for (const char* wort : {"Genetische Regelsuche", "Chromosom", "ChrNote", "GenNote", "Selektion", "Kreuzung",
                             "Mutation", "Mutationsrate", "Bester bisher", "Testläufe zeigen",
                             "In die Regeltabelle übernehmen", "2 m Seil", "--out NEU.fuz"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(wort))) << wort;
    // The picture of the progress curve is compiled in beside the page.
    const QVariant bild = h.Browser()->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("verlauf7.png")));
    EXPECT_FALSE(qvariant_cast<QImage>(bild).isNull() && qvariant_cast<QPixmap>(bild).isNull()
                 && bild.toByteArray().isEmpty());
}

} // namespace
