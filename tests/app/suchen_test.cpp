// "Regeln -> Suchen (Laufkatze)": the check of the variables and the copies
// the search window gets.
#include "app/hilfeform.h"
#include "app/mainform.h"
#include "forms/suchenform.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "search/suchtexte.h"
#include "tests/fuzzy_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <QAction>
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

} // namespace

namespace {

TEST(Suchen, HelpPageOfTheSearchIsCompiledIn)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Suche);
    const QString text = h.Browser()->toPlainText();
    for (const char* wort : {"Genetische Regelsuche", "Chromosom", "ChrNote", "GenNote", "Selektion", "Kreuzung",
                             "Mutation", "Mutationsrate"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(wort))) << wort;
    // The picture of the progress curve is compiled in beside the page.
    const QVariant bild = h.Browser()->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("verlauf7.png")));
    EXPECT_FALSE(qvariant_cast<QImage>(bild).isNull() && qvariant_cast<QPixmap>(bild).isNull()
                 && bild.toByteArray().isEmpty());
}

} // namespace
