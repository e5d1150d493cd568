// The main window's variable commands: the editor and the tester get copies,
// only the editor's OK brings a variable back.
#include "app/hilfeform.h"
#include "app/mainform.h"
#include "forms/vareditform.h"
#include "forms/vartestform.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "widgets/koordinatensystem.h"

#include "tests/fuzzy_hilfe.h"
#include "tests/platform/meldung_ausgabe.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TFuzzy temperatur()
{
    TFuzzy f = fuzzytest::trapezVariable(0, 40, {{0, 0, 10, 20}, {10, 20, 40, 40}});
    f.setName(QStringLiteral("Temperatur"));
    f.setTermname(1, QStringLiteral("kalt"));
    f.setTermname(2, QStringLiteral("warm"));
    return f;
}

TEST(Variablenbefehle, EditorOpensOnACopyWithTheFileInItsCaptionAndOKBringsItBack)
{
    const struct {
        QAction* TMainForm::TMenue::*eintrag;
        TFuzzy TProjekt::*variable;
        bool kopie;
    } faelle[] = {
        {&TMainForm::TMenue::EditierenA, &TProjekt::EingangA, false},
        {&TMainForm::TMenue::EditierenB, &TProjekt::EingangB, false},
        {&TMainForm::TMenue::EditierenAusgang, &TProjekt::Ausgang, true},
    };
    for (const auto& fall : faelle) {
        ScopedMeldungen m;
        TMainForm f;
        f.Projekt().Dateiname = QStringLiteral("/home/anna/heizung.fuz");
        f.Projekt().*fall.variable = temperatur();
        QString titel;
        QString feld;
        ScopedModal modal([&](QDialog& d) {
            auto& e = dynamic_cast<TVarEditform&>(d);
            titel = e.windowTitle();
            feld = e.Edit1()->text();
            QTest::keyClick(e.Edit1(), Qt::Key_End);
            QTest::keyClicks(e.Edit1(), "luft");
            e.OKBtn()->click();
            return d.result();
        });
        (f.Menue().*fall.eintrag)->trigger();
        EXPECT_EQ(modal.dialoge(), QStringList{"TVarEditform"});
        EXPECT_EQ(titel, QStringLiteral("Variable editieren [/home/anna/heizung.fuz]"));
        EXPECT_EQ(feld, QStringLiteral("Temperatur"));
        const TFuzzy& v = f.Projekt().*fall.variable;
        EXPECT_EQ(v.Name(), QStringLiteral("Temperaturluft"));
        EXPECT_TRUE(v.definiert());
        EXPECT_EQ(v.Term(2, 2), 20.0f);
        EXPECT_TRUE(f.Projekt().Geaendert);
        EXPECT_EQ(f.Projekt().AusgangKopie.Name(), fall.kopie ? QStringLiteral("Temperaturluft") : QString());
        EXPECT_TRUE(m.texte().isEmpty());
    }
}

TEST(Variablenbefehle, CancelKeepsTheVariableAndOKWithoutChangesKeepsGeaendert)
{
    TMainForm f;
    f.Projekt().EingangA = temperatur();
    {
        ScopedModal modal([](QDialog& d) {
            auto& e = dynamic_cast<TVarEditform&>(d);
            QTest::keyClicks(e.Edit1(), "weg");
            e.Edit2()->setText(QStringLiteral("heiß"));
            e.SpeedButton2Click();
            return int(QDialog::Rejected);
        });
        EXPECT_FALSE(f.VariableEditieren(1));
    }
    EXPECT_EQ(f.Projekt().EingangA.Name(), QStringLiteral("Temperatur"));
    EXPECT_EQ(f.Projekt().EingangA.Anzahl(), 2);
    EXPECT_FALSE(f.Projekt().Geaendert);

    ScopedModal modal([](QDialog& d) {
        dynamic_cast<TVarEditform&>(d).OKBtn()->click();
        return d.result();
    });
    EXPECT_TRUE(f.VariableEditieren(1));
    EXPECT_FALSE(f.Projekt().Geaendert);
    EXPECT_EQ(f.Projekt().EingangA.Anzahl(), 2);
    // The output's working copy is refreshed by the output's editor only.
    EXPECT_EQ(f.Projekt().AusgangKopie.Anzahl(), 0);
    EXPECT_FALSE(f.VariableEditieren(0));
    EXPECT_FALSE(f.VariableEditieren(4));
    EXPECT_EQ(modal.dialoge().size(), 1);
}

TEST(Variablenbefehle, AnUndefinedVariableOpensTheEditorEmpty)
{
    TMainForm f;
    QString name;
    ScopedModal modal([&](QDialog& d) {
        name = dynamic_cast<TVarEditform&>(d).Edit1()->text();
        return int(QDialog::Rejected);
    });
    f.Menue().EditierenB->trigger();
    EXPECT_EQ(name, QStringLiteral("Fuzzyvariable"));
}

TEST(Variablenbefehle, TesterGetsACopyAndGivesNothingBack)
{
    TMainForm f;
    f.Projekt().Ausgang = temperatur();
    f.Projekt().Ausgang.setX(33);
    QString titel;
    float x = 0;
    ScopedModal modal([&](QDialog& d) {
        auto& t = dynamic_cast<TVarTestForm&>(d);
        titel = t.windowTitle();
        t.ScrollBar1()->setValue(200);
        x = t.Variable().x();
        return int(QDialog::Accepted);
    });
    f.Menue().TestenAusgang->trigger();
    EXPECT_EQ(modal.dialoge(), QStringList{"TVarTestForm"});
    EXPECT_EQ(titel, QStringLiteral("Fuzzyvariable testen [Temperatur]"));
    EXPECT_EQ(f.Projekt().Ausgang.Name(), QStringLiteral("Temperatur"));
    // The tester's copy moved to the middle of 0..40, the project's value stays.
    EXPECT_EQ(x, 20.0f);
    EXPECT_EQ(f.Projekt().Ausgang.x(), 33.0f);
    EXPECT_FALSE(f.Projekt().Geaendert);
}

TEST(Variablenbefehle, TheDialogsAndTheirPlotsAreReachable)
{
    TMainForm f;
    EXPECT_EQ(&f.VarEditPlot(), &f.VarEditform().Koordinatensystem1());
    EXPECT_EQ(&f.VarTestPlot(), &f.VarTestForm().Koordinatensystem1());
    f.VarEditPlot().setRasteranzahl(9);
    EXPECT_EQ(f.VarEditform().Koordinatensystem1().Rasteranzahl(), 9);
}

TEST(Variablenbefehle, HelpPageOfTheVariableWindowsExplainsTermsAndMessages)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Variablen);
    const QString text = h.Browser()->toPlainText();
    for (const char* teil : {"Fuzzyvariablen definieren und testen", "Grundmenge", "Trapez", "Fehler bei Zahleingabe",
                             "Es kann kein weiterer Termname angefügt werden", "Z = ( 0.00 ; 0.75 ; 0.25 )",
                             // The keys of OK, and that a new variable with a fault stays open.
                             "Strg+Eingabe", "Alt+O", "bleibt das Fenster offen", "dieselbe Abkürzung",
                             "Die Fuzzyvariable hat noch keinen Term und ist deshalb nicht definiert."})
        EXPECT_TRUE(text.contains(QString::fromUtf8(teil))) << teil;
    h.close();
}

} // namespace
