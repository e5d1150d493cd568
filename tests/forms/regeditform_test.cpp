#include "forms/regeditform.h"

#include "core/projekt.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "tests/fuzzy_hilfe.h"
#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

namespace {

using fuzzytest::trapezVariable;

// Pictures for looking at the dialog, when a folder is named.
void bildAblegen(QWidget& w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("TARVIK_BILDER");
    if (!ordner.isEmpty())
        w.grab().save(QDir(ordner).filePath(name + QStringLiteral(".png")));
}

// A defined variable with the named terms on 0..10.
TFuzzy benannt(const QString& name, const QStringList& terme)
{
    TFuzzy f = trapezVariable(0, 10, {});
    f.setName(name);
    f.setAnzahl(int(terme.size()));
    for (int i = 1; i <= terme.size(); ++i)
        fuzzytest::setzeTerm(f, i, terme[i - 1], {float(i - 1), float(i), float(i), float(i + 1), 1});
    return f;
}

class RegEdit : public ::testing::Test {
protected:
    RegEdit()
    {
        daten.EingangA = benannt(QStringLiteral("Winkel"), {QStringLiteral("negativ"), QStringLiteral("null")});
        daten.EingangB = benannt(QStringLiteral("Geschwindigkeit"),
                                 {QStringLiteral("links"), QStringLiteral("mitte"), QStringLiteral("rechts")});
        daten.Ausgang = benannt(QStringLiteral("Kraft"), {QStringLiteral("schieben"), QStringLiteral("ziehen"),
                                                          QStringLiteral("halten")});
    }

    // Chooses output term k (1-based) in the list by a click.
    void waehle(int k)
    {
        QListWidgetItem* eintrag = d.ListBox1()->item(k - 1);
        QTest::mouseClick(d.ListBox1()->viewport(), Qt::LeftButton, {},
                          d.ListBox1()->visualItemRect(eintrag).center());
    }

    void klick(int c, int r)
    {
        QTest::mouseClick(d.StringGrid1()->viewport(), Qt::LeftButton, {}, d.Zellrechteck(c, r).center());
    }

    void doppelklick(int c, int r)
    {
        const QPoint p = d.Zellrechteck(c, r).center();
        QTest::mouseClick(d.StringGrid1()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(d.StringGrid1()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(d.StringGrid1()->viewport(), Qt::LeftButton, {}, p);
    }

    // The body as rows of cell texts, "." for an empty cell.
    QStringList koerper() const
    {
        QStringList zeilen;
        for (int r = 1; r <= 5; ++r) {
            QString z;
            for (int c = 1; c <= 5; ++c)
                z += (c > 1 ? QStringLiteral(" ") : QString()) +
                     (d.Zelle(c, r).isEmpty() ? QStringLiteral(".") : d.Zelle(c, r));
            zeilen.append(z);
        }
        return zeilen;
    }

    // What the opener hands over.
    TRegelDaten daten;
    TRegEditForm d;
};

TEST_F(RegEdit, ControlsSitWhereTheyBelongWithTheirTextsAndHints)
{
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Regeln editieren"));
    EXPECT_EQ(d.size(), QSize(566, 322));
    EXPECT_EQ(d.Label1()->text(), QStringLiteral("Regeln"));
    EXPECT_EQ(d.Label1()->pos(), QPoint(40, 16));
    EXPECT_EQ(d.Label2()->text(), QStringLiteral("Ausgangsterme von"));
    EXPECT_EQ(d.Label2()->pos(), QPoint(408, 16));
    EXPECT_EQ(d.Label3()->pos(), QPoint(411, 56));
    EXPECT_EQ(d.Label4()->pos(), QPoint(112, 37));
    EXPECT_EQ(d.Label5()->pos(), QPoint(40, 268));
    EXPECT_EQ(d.StringGrid1()->pos(), QPoint(40, 56));
    EXPECT_EQ(d.StringGrid1()->height(), 206);
    EXPECT_EQ(d.ListBox1()->geometry(), QRect(408, 75, 105, 206));
    EXPECT_EQ(d.Neu1()->geometry(), QRect(40, 287, 81, 27));
    EXPECT_EQ(d.Neu1()->text(), QStringLiteral("Neu"));
    EXPECT_EQ(d.Neu1()->toolTip(), QStringLiteral("gesamte Regeltabelle löschen"));
    EXPECT_EQ(d.Kopieren()->geometry(), QRect(128, 287, 81, 27));
    EXPECT_EQ(d.Kopieren()->statusTip(), QStringLiteral("Dieses Fenster in die Zwischenablage kopieren"));
    EXPECT_EQ(d.OKBtn()->geometry(), QRect(304, 287, 77, 27));
    EXPECT_EQ(d.CancelBtn()->geometry(), QRect(388, 287, 77, 27));
    EXPECT_EQ(d.CancelBtn()->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(d.HelpBtn()->geometry(), QRect(472, 287, 77, 27));
    EXPECT_EQ(d.HelpBtn()->text(), QStringLiteral("Hilfe"));
    // Every cell 50 pixels wide, all 6 x 6 inside the grid without scrolling.
    EXPECT_EQ(d.StringGrid1()->verticalHeader()->width(), 50);
    EXPECT_EQ(d.StringGrid1()->columnWidth(0), 50);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_TRUE(d.StringGrid1()->viewport()->rect().contains(d.Zellrechteck(5, 5)));
    EXPECT_FALSE(d.StringGrid1()->editTriggers() & QAbstractItemView::DoubleClicked);
}

TEST_F(RegEdit, OpeningShowsNamesHeadsAndTheRulesOfTheTermsInUse)
{
    daten.Regeltab(3, 2) = 2;
    daten.Regeltab(1, 1) = 3;
    daten.Regeltab(4, 1) = 1;  // beyond B's three terms: stored, not shown
    daten.Regeltab(1, 5) = 1;  // beyond A's two terms
    d.oeffnen(daten);
    EXPECT_EQ(d.Label3()->text(), QStringLiteral("Kraft"));
    EXPECT_EQ(d.Label4()->text(), QStringLiteral("Geschwindigkeit"));
    EXPECT_EQ(d.Label5()->text(), QStringLiteral("Winkel"));
    ASSERT_EQ(d.ListBox1()->count(), 3);
    EXPECT_EQ(d.ListBox1()->item(1)->text(), QStringLiteral("ziehen"));
    EXPECT_EQ(d.GewaehlterTerm(), 0);
    EXPECT_EQ(d.Zelle(1, 0), QStringLiteral("LI"));
    EXPECT_EQ(d.Zelle(3, 0), QStringLiteral("RE"));
    EXPECT_EQ(d.Zelle(4, 0), QString());
    EXPECT_EQ(d.Zelle(0, 1), QStringLiteral("NE"));
    EXPECT_EQ(d.Zelle(0, 3), QString());
    EXPECT_EQ(koerper(), (QStringList{"HA . . . .", ". . ZI . .", ". . . . .", ". . . . .", ". . . . ."}));
    bildAblegen(d, QStringLiteral("regedit_2x3"));
    EXPECT_FALSE(d.Geaendert());
    EXPECT_EQ(d.Ergebnis().Regeltab(4, 1), 1);
    EXPECT_EQ(d.Ergebnis().Regeltab(1, 5), 1);
}

TEST_F(RegEdit, WithoutInputBOnlyTheFirstColumnCounts)
{
    struct Fall {
        const char* wie;
        bool bMitTermen;
        QString kopf1;
    };
    for (const Fall& fall : {Fall{"B has terms but is not defined", true, QStringLiteral("LI")},
                             Fall{"B has never had terms", false, QString()}}) {
        SCOPED_TRACE(fall.wie);
        if (!fall.bMitTermen)
            daten.EingangB = TFuzzy();
        daten.EingangB.setDefiniert(false);
        daten.EingangA = benannt(QStringLiteral("Ort"), {QStringLiteral("links"), QStringLiteral("mitte"),
                                                         QStringLiteral("rechts")});
        daten.Regeltab = TRegeltab{};
        daten.Regeltab(1, 3) = 1;
        daten.Regeltab(2, 1) = 2;
        d.oeffnen(daten);
        EXPECT_EQ(d.Label4()->text(), QString());
        EXPECT_EQ(d.Zelle(1, 0), fall.kopf1);
        EXPECT_EQ(d.Zelle(0, 3), QStringLiteral("RE"));
        EXPECT_EQ(koerper(), (QStringList{". . . . .", ". . . . .", "SC . . . .", ". . . . .", ". . . . ."}));
        bildAblegen(d, QStringLiteral("regedit_ohne_b"));
    }
}

TEST_F(RegEdit, AClickBeforeChoosingATermWarnsAndChangesNothing)
{
    d.oeffnen(daten);
    ScopedMeldungen m;
    klick(2, 1);
    EXPECT_EQ(m.texte(), QStringList{TRegEditForm::KeinAusgangsterm});
    EXPECT_EQ(m.meldungen().value(0).art, MeldungsArt::Warnung);
    EXPECT_EQ(d.Ergebnis().Regeltab, TRegeltab{});
    EXPECT_EQ(d.Zelle(2, 1), QString());
    EXPECT_FALSE(d.Geaendert());
}

TEST_F(RegEdit, AClickWithAChosenTermSetsTheRuleInThatCell)
{
    d.oeffnen(daten);
    ScopedMeldungen m;
    waehle(2);
    EXPECT_EQ(d.GewaehlterTerm(), 2);
    klick(3, 2);
    EXPECT_EQ(d.Ergebnis().Regeltab(3, 2), 2);
    EXPECT_EQ(d.Zelle(3, 2), QStringLiteral("ZI"));
    EXPECT_TRUE(d.Geaendert());
    // The cell is current now; another term and a click on it again sets that term.
    waehle(3);
    klick(3, 2);
    EXPECT_EQ(d.Ergebnis().Regeltab(3, 2), 3);
    EXPECT_EQ(d.Zelle(3, 2), QStringLiteral("HA"));
    // A cell outside the terms in use takes a rule as well.
    klick(5, 5);
    EXPECT_EQ(d.Ergebnis().Regeltab(5, 5), 3);
    EXPECT_TRUE(m.texte().isEmpty());
    TRegeltab erwartet;
    erwartet(3, 2) = 3;
    erwartet(5, 5) = 3;
    EXPECT_EQ(d.Ergebnis().Regeltab, erwartet);
}

TEST_F(RegEdit, ADoubleClickLeavesTheCellWithoutARule)
{
    daten.Regeltab(2, 2) = 1;
    d.oeffnen(daten);
    waehle(3);
    doppelklick(2, 2);
    EXPECT_EQ(d.Ergebnis().Regeltab(2, 2), 0);
    EXPECT_EQ(d.Zelle(2, 2), QString());
    EXPECT_TRUE(d.Geaendert());
}

TEST_F(RegEdit, KeysSetTheChosenTermInEveryCellTheyMoveTo)
{
    d.oeffnen(daten);
    ScopedMeldungen m;
    waehle(1);
    klick(1, 1);
    QTest::keyClick(d.StringGrid1(), Qt::Key_Right);
    QTest::keyClick(d.StringGrid1(), Qt::Key_Down);
    QTest::keyClick(d.StringGrid1(), Qt::Key_Tab);
    TRegeltab erwartet;
    erwartet(1, 1) = 1;
    erwartet(2, 1) = 1;
    erwartet(2, 2) = 1;
    erwartet(3, 2) = 1;
    EXPECT_EQ(d.Ergebnis().Regeltab, erwartet);
    EXPECT_TRUE(m.texte().isEmpty());
}

TEST_F(RegEdit, TabLeavesTheGridAtItsLastCellWithoutWrappingAround)
{
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.oeffnen(daten);
    ScopedMeldungen m;
    waehle(1);
    klick(4, 5);
    QTest::keyClick(d.StringGrid1(), Qt::Key_Tab);
    EXPECT_EQ(d.Ergebnis().Regeltab(5, 5), 1);
    QTest::keyClick(d.StringGrid1(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.ListBox1());
    EXPECT_EQ(d.Ergebnis().Regeltab(1, 1), 0);
    EXPECT_TRUE(m.texte().isEmpty());
    d.hide();
}

TEST_F(RegEdit, TheFocusAloneSetsNoRule)
{
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    ScopedMeldungen m;
    d.oeffnen(daten);
    EXPECT_EQ(QApplication::focusWidget(), d.OKBtn());
    EXPECT_EQ(d.StringGrid1()->currentRow(), -1);
    waehle(2);
    // Into the grid by Tab and by focus alone, with a term chosen and without.
    d.StringGrid1()->setFocus(Qt::TabFocusReason);
    // Qt makes the first cell current on its own; that sets no rule.
    EXPECT_EQ(d.StringGrid1()->currentRow(), 0);
    d.ListBox1()->clearSelection();
    d.OKBtn()->setFocus(Qt::TabFocusReason);
    d.StringGrid1()->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(d.Ergebnis().Regeltab, TRegeltab{});
    EXPECT_FALSE(d.Geaendert());
    EXPECT_TRUE(m.texte().isEmpty());
    // A new opening takes the current cell away again.
    d.oeffnen(daten);
    EXPECT_EQ(d.StringGrid1()->currentRow(), -1);
    d.hide();
}

TEST_F(RegEdit, EveryOpeningForgetsTheChosenTermAndTheChangeFlag)
{
    d.oeffnen(daten);
    waehle(2);
    klick(1, 1);
    ASSERT_TRUE(d.Geaendert());
    d.oeffnen(daten);
    EXPECT_EQ(d.GewaehlterTerm(), 0);
    EXPECT_FALSE(d.Geaendert());
    ScopedMeldungen m;
    klick(2, 2);
    EXPECT_EQ(m.texte(), QStringList{TRegEditForm::KeinAusgangsterm});
    EXPECT_EQ(d.Ergebnis().Regeltab(2, 2), 0);
}

TEST_F(RegEdit, NeuAsksAndClearsTheWholeTableOnlyOnYes)
{
    daten.Regeltab(1, 1) = 2;
    daten.Regeltab(5, 5) = 1;
    d.oeffnen(daten);
    const TRegeltab vorher = d.Ergebnis().Regeltab;
    {
        ScopedMeldungen m({Antwort::Nein});
        QTest::mouseClick(d.Neu1(), Qt::LeftButton);
        EXPECT_EQ(m.texte(), QStringList{TRegEditForm::FrageLoeschen});
        EXPECT_EQ(m.meldungen().value(0).art, MeldungsArt::Bestaetigung);
    }
    EXPECT_EQ(d.Ergebnis().Regeltab, vorher);
    EXPECT_EQ(d.Zelle(1, 1), QStringLiteral("ZI"));
    EXPECT_FALSE(d.Geaendert());
    ScopedMeldungen m({Antwort::Ja});
    QTest::mouseClick(d.Neu1(), Qt::LeftButton);
    EXPECT_EQ(d.Ergebnis().Regeltab, TRegeltab{});
    EXPECT_EQ(koerper(), (QStringList{". . . . .", ". . . . .", ". . . . .", ". . . . .", ". . . . ."}));
    EXPECT_TRUE(d.Geaendert());
}

TEST_F(RegEdit, ARuleOnAnOutputTermThatIsGoneIsMarkedAndKept)
{
    daten.Regeltab(1, 1) = 3;
    daten.Regeltab(2, 1) = 5;
    daten.Ausgang.setAnzahl(2);  // term 3 was deleted in the variable editor
    d.oeffnen(daten);
    EXPECT_EQ(d.Zelle(1, 1), TRegEditForm::OhneWirkung);
    EXPECT_EQ(d.Zelle(2, 1), TRegEditForm::OhneWirkung);
    bildAblegen(d, QStringLiteral("regedit_verlorener_term"));
    EXPECT_NE(d.Zelle(1, 1), daten.Ausgang.AbkTermname(3));
    EXPECT_EQ(d.Ergebnis().Regeltab(1, 1), 3);
    EXPECT_EQ(d.Ergebnis().Regeltab(2, 1), 5);
    EXPECT_FALSE(d.Geaendert());
    // Setting the cell anew gives it a term that exists.
    waehle(1);
    klick(1, 1);
    EXPECT_EQ(d.Zelle(1, 1), QStringLiteral("SC"));
}

TEST_F(RegEdit, KopierenPutsThePictureOfTheDialogOnTheClipboardAndHilfeOpensTopic2)
{
    d.oeffnen(daten);
    QApplication::clipboard()->clear();
    QTest::mouseClick(d.Kopieren(), Qt::LeftButton);
    const QImage bild = QApplication::clipboard()->image();
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size() / bild.devicePixelRatio(), QSize(566, 322));
    ScopedHilfe hilfe;
    QTest::mouseClick(d.HelpBtn(), Qt::LeftButton);
    EXPECT_EQ(hilfe.seiten(), QList<HilfeSeite>{HilfeSeite::Regeln});
}

TEST_F(RegEdit, LongNamesAreShortenedAndShownWholeInTheTooltip)
{
    const QString lang = QStringLiteral("Winkelgeschwindigkeit des Pendels in Grad pro Sekunde, gemessen am Wagen");
    daten.Ausgang.setName(lang);
    daten.EingangB.setName(lang);
    d.oeffnen(daten);
    EXPECT_LE(d.Label3()->geometry().right(), d.width());
    EXPECT_EQ(d.Label3()->toolTip(), lang);
    EXPECT_LT(d.Label4()->geometry().right(), d.ListBox1()->x());
    EXPECT_TRUE(d.Label4()->text().endsWith(QChar(0x2026)));
    bildAblegen(d, QStringLiteral("regedit_lange_namen"));
}

TEST_F(RegEdit, OkAndCancelEndTheDialog)
{
    d.oeffnen(daten);
    QTest::mouseClick(d.OKBtn(), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    d.oeffnen(daten);
    QTest::mouseClick(d.CancelBtn(), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

} // namespace
