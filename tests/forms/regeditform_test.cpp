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

#include "forms/klartext.h"
#include "tests/forms/klartext_hilfe.h"
#include "tests/qstring_ausgabe.h"
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

// The rule goes where the button went down, wherever it comes up; the cell
// stays the current one.
TEST_F(RegEdit, APressSetsTheRuleOfItsCellWhereverTheButtonComesUp)
{
    const auto zelle = [&](int c, int r) { return d.Zellrechteck(c, r).center(); };
    const struct {
        const char* wo;
        QPoint los;
    } faelle[] = {{"on another cell", zelle(3, 2)}, {"on a head", QPoint(-20, 10)}, {"far outside", QPoint(900, 900)}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wo);
        d.oeffnen(daten);
        ScopedMeldungen m;
        // Without a term: the one warning, and no rule.
        QTest::mousePress(d.StringGrid1()->viewport(), Qt::LeftButton, {}, zelle(2, 1));
        QTest::mouseRelease(d.StringGrid1()->viewport(), Qt::LeftButton, {}, f.los);
        EXPECT_EQ(m.texte(), QStringList{TRegEditForm::KeinAusgangsterm});
        waehle(2);
        QTest::mousePress(d.StringGrid1()->viewport(), Qt::LeftButton, {}, zelle(1, 1));
        QTest::mouseMove(d.StringGrid1()->viewport(), f.los);
        QTest::mouseRelease(d.StringGrid1()->viewport(), Qt::LeftButton, {}, f.los);
        TRegeltab erwartet;
        erwartet(1, 1) = 2;
        EXPECT_EQ(d.Ergebnis().Regeltab, erwartet);
        EXPECT_EQ(d.Zelle(1, 1), QStringLiteral("ZI"));
        EXPECT_EQ(d.StringGrid1()->currentRow(), 0);
        EXPECT_EQ(d.StringGrid1()->currentColumn(), 0);
        EXPECT_EQ(m.texte().size(), 1);
    }
    // The right button sets nothing.
    QTest::mouseClick(d.StringGrid1()->viewport(), Qt::RightButton, {}, zelle(3, 2));
    EXPECT_EQ(d.Ergebnis().Regeltab(3, 2), 0);
}

TEST_F(RegEdit, DeleteAndBackspaceClearTheCurrentCellWithoutAChosenTerm)
{
    for (const Qt::Key taste : {Qt::Key_Delete, Qt::Key_Backspace}) {
        SCOPED_TRACE(taste);
        daten.Regeltab(2, 1) = 1;
        daten.Regeltab(3, 2) = 3;
        d.oeffnen(daten);
        ScopedMeldungen m;
        // No current cell yet: nothing to clear.
        QTest::keyClick(d.StringGrid1(), taste);
        EXPECT_FALSE(d.Geaendert());
        d.StringGrid1()->setCurrentCell(0, 1);
        QTest::keyClick(d.StringGrid1(), taste);
        EXPECT_EQ(d.Zelle(2, 1), QString());
        EXPECT_EQ(d.Ergebnis().Regeltab(2, 1), 0);
        EXPECT_EQ(d.Ergebnis().Regeltab(3, 2), 3);
        EXPECT_TRUE(d.Geaendert());
        // The current cell stays; the key moved nothing.
        EXPECT_EQ(d.StringGrid1()->currentColumn(), 1);
        EXPECT_EQ(d.LueckenLabel()->text(), QStringLiteral("5 von 6 Feldern ohne Regel"));
        EXPECT_TRUE(m.texte().isEmpty());
    }
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
    EXPECT_EQ(QApplication::focusWidget(), d.Neu1());
    EXPECT_EQ(d.Ergebnis().Regeltab(1, 1), 0);
    EXPECT_TRUE(m.texte().isEmpty());
    d.hide();
}

// Tab all the way round: the list comes before the grid, and without a term
// Tab leaves the grid at once instead of warning at every cell. With a term
// chosen by keys, Tab in the grid sets it in the cell it moves to.
TEST_F(RegEdit, TabGoesRoundTheDialogWithoutAWarningAndReachesTheListFirst)
{
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.oeffnen(daten);
    ScopedMeldungen m;
    QList<QWidget*> weg;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        weg << QApplication::focusWidget();
    }
    EXPECT_EQ(weg, (QList<QWidget*>{d.CancelBtn(), d.HelpBtn(), d.ListBox1(), d.StringGrid1(), d.Neu1(), d.Kopieren(),
                                    d.OKBtn()}));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), d.StringGrid1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), d.ListBox1());
    EXPECT_TRUE(m.texte().isEmpty());
    EXPECT_FALSE(d.Geaendert());

    QTest::keyClick(d.ListBox1(), Qt::Key_Down);
    ASSERT_NE(d.GewaehlterTerm(), 0);
    QTest::keyClick(d.ListBox1(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), d.StringGrid1());
    const int zeile = d.StringGrid1()->currentRow(), spalte = d.StringGrid1()->currentColumn();
    QTest::keyClick(d.StringGrid1(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.StringGrid1());
    TRegeltab erwartet;
    erwartet(spalte + 2, zeile + 1) = d.GewaehlterTerm();
    EXPECT_EQ(d.Ergebnis().Regeltab, erwartet);
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
    EXPECT_EQ(HinweisAlsText(d.Label3()->toolTip()), lang);
    EXPECT_LT(d.Label4()->geometry().right(), d.ListBox1()->x());
    EXPECT_TRUE(d.Label4()->text().endsWith(QChar(0x2026)));
    bildAblegen(d, QStringLiteral("regedit_lange_namen"));
}

// The line above the grid counts the cells of the terms in use that hold no
// rule and names those that point at a lost output term; it follows every
// change and keeps to its place.
TEST_F(RegEdit, TheGapsLineCountsTheEmptyCellsAndFollowsEveryChange)
{
    daten.Regeltab(1, 1) = 3;
    daten.Regeltab(3, 2) = 2;
    daten.Regeltab(5, 5) = 1; // outside the terms in use
    d.oeffnen(daten);
    QLabel* l = d.LueckenLabel();
    EXPECT_EQ(l->text(), QStringLiteral("4 von 6 Feldern ohne Regel"));
    EXPECT_EQ(l->pos(), QPoint(112, 16));
    EXPECT_LT(l->geometry().right(), d.ListBox1()->x());
    EXPECT_LT(l->geometry().bottom(), d.Label4()->y());
    bildAblegen(d, QStringLiteral("regedit_luecken"));
    waehle(1);
    klick(2, 1);
    EXPECT_EQ(l->text(), QStringLiteral("3 von 6 Feldern ohne Regel"));
    doppelklick(1, 1);
    EXPECT_EQ(l->text(), QStringLiteral("4 von 6 Feldern ohne Regel"));
    {
        ScopedMeldungen m({Antwort::Ja});
        d.Neu1Click();
    }
    EXPECT_EQ(l->text(), QStringLiteral("6 von 6 Feldern ohne Regel"));

    // Without input B one column counts; a rule on a deleted term is named, in red.
    daten.EingangB.setDefiniert(false);
    daten.Ausgang.setAnzahl(2);
    d.oeffnen(daten);
    EXPECT_EQ(l->text(), QStringLiteral("1 von 2 Feldern ohne Regel; Ausgangsterm fehlt: NE"));
    EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(160, 0, 0));
    // Every cell of 5 x 5 on a lost term: the line is cut, the tooltip has it all.
    daten.EingangA = benannt(QStringLiteral("Winkel"), {"a1", "a2", "a3", "a4", "a5"});
    daten.EingangB = benannt(QStringLiteral("Tempo"), {"b1", "b2", "b3", "b4", "b5"});
    daten.Regeltab.werte.fill(4);
    d.oeffnen(daten);
    EXPECT_TRUE(l->text().startsWith(QStringLiteral("0 von 25 Feldern ohne Regel; Ausgangsterm fehlt: A1/B"))) << l->text().toStdString();
    EXPECT_TRUE(l->text().endsWith(QChar(0x2026)));
    EXPECT_TRUE(HinweisAlsText(l->toolTip()).endsWith(QStringLiteral("A4/B5, A5/B5")));
    EXPECT_LT(l->geometry().right(), d.ListBox1()->x());
    EXPECT_EQ(d.size(), QSize(566, 322));
    bildAblegen(d, QStringLiteral("regedit_luecken_verloren"));
}

// Names come from the user: shown literally, never as markup, and a huge one
// is cut to the room it has without moving or growing anything.
TEST_F(RegEdit, NamesAreShownLiterallyAndAHugeOneKeepsTheDialogAsItIs)
{
    const QString riesig(100000, QLatin1Char('W'));
    for (const QString& name : {MarkupName, riesig}) {
        SCOPED_TRACE(name.left(20).toStdString());
        daten.EingangA.setName(name);
        daten.EingangB.setName(name);
        daten.Ausgang.setName(name);
        daten.Ausgang.setTermname(1, name);
        daten.Regeltab(1, 1) = 1;
        d.oeffnen(daten);
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        EXPECT_EQ(d.size(), QSize(566, 322));
        for (QLabel* l : {d.Label3(), d.Label4(), d.Label5()}) {
            EXPECT_EQ(l->textFormat(), Qt::PlainText);
            EXPECT_LE(l->geometry().right(), d.width());
            EXPECT_TRUE(name.startsWith(l->text().remove(QChar(0x2026))));
            EXPECT_TRUE(l->text() == name || HinweisAlsText(l->toolTip()).startsWith(name.left(HinweisZeichen)));
        }
        EXPECT_LT(d.Label4()->geometry().right(), d.ListBox1()->x());
        // Tooltips of cells, heads and list entries show the names as typed.
        const QString regel = HinweisAlsText(d.StringGrid1()->item(0, 0)->toolTip());
        EXPECT_TRUE(regel.startsWith(QStringLiteral("WENN ") + name.left(HinweisZeichen - 5))) << regel.left(80).toStdString();
        EXPECT_TRUE(HinweisAlsText(d.ListBox1()->item(0)->toolTip()).startsWith(name.left(HinweisZeichen)));
        bildAblegen(d, QStringLiteral("regedit_name_%1").arg(name.size()));
        d.hide();
    }
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
