#include "forms/vareditform.h"

#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include "tests/fuzzy_hilfe.h"
#include "tests/platform/meldung_ausgabe.h"
#include "tests/widgets/hilfen.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using fuzzytest::trapezVariable;

const QString FehlerZahl = QStringLiteral("Fehler bei Zahleingabe");
const QString FehlerGrundmenge =
    QStringLiteral("Fehler bei Angaben zur Grundmenge!\rZweite Zahl muss größer als die erste sein.");
QString zeilenFehler(int i)
{
    return QStringLiteral("In Zeile %1 der Tabelle ist eine Zahl zu groß oder zu klein!").arg(i);
}
const QString KeinTermname = QStringLiteral("Bitte geben Sie zuerst\rden Termnamen ein!");
const QString ZuVieleTerme = QStringLiteral("Es kann kein weiterer Termname angefügt werden");
const QString NichtSelektiert = QStringLiteral("Kein Termname selektiert!");
const QString ZeileOhneName = QStringLiteral("Bitte geben Sie zunächst den zugehörigen Termnamen ein!");
const QString FrageLoeschen = QStringLiteral("Wollen Sie diese Fuzzyvariable wirklich löschen?");
const QString OhneTerm = QStringLiteral("Die Fuzzyvariable hat noch keinen Term und ist deshalb nicht definiert.\r"
                                        "Legen Sie zuerst die Termnamen an, oder schließen Sie das Fenster mit "
                                        "„Abbrechen“.");

// Pictures for looking at the dialog, when a folder is named.
void bildAblegen(QWidget& w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("TARVIK_BILDER");
    if (!ordner.isEmpty())
        w.grab().save(QDir(ordner).filePath(name + QStringLiteral(".png")));
}

// A variable with names and values as a student would type them.
TFuzzy winkel()
{
    TFuzzy f = trapezVariable(-30, 30, {{-30, -30, -20, -10}, {-20, -10, -10, 0}, {-10, 0, 0, 10}, {0, 10, 10, 20},
                                        {10, 20, 30, 30}});
    f.setName(QStringLiteral("Winkel"));
    const char* namen[] = {"negativ groß", "negativ klein", "null", "positiv klein", "positiv groß"};
    for (int i = 1; i <= 5; ++i)
        f.setTermname(i, QString::fromUtf8(namen[i - 1]));
    return f;
}

class VarEdit : public testing::Test {
public:
    void oeffnen(const TFuzzy& v)
    {
        f.oeffnen({v, QString()});
    }
    QString zelle(int r, int s) const { return f.StringGrid1()->item(r, s)->text(); }
    // What a committed cell editor does.
    void tippen(int r, int s, const QString& text) { f.StringGrid1()->item(r, s)->setText(text); }
    QStringList liste() const
    {
        QStringList namen;
        for (int i = 0; i < f.ListBox1()->count(); ++i)
            namen.append(f.ListBox1()->item(i)->text());
        return namen;
    }
    void waehlen(int zeile) { f.ListBox1()->setCurrentRow(zeile); }
    std::array<float, 5> term(int i) const
    {
        std::array<float, 5> t{};
        for (int j = 1; j <= 5; ++j)
            t[j - 1] = f.Ergebnis().Term(i, j);
        return t;
    }
    bool plotLeer() const
    {
        const QImage& bild = f.Koordinatensystem1().Bild();
        return !etwasAnders(bild, bild.rect(), qRgb(255, 255, 255));
    }

    void zeigen()
    {
        f.show();
        QApplication::setActiveWindow(&f);
    }
    // Keys as a student presses them, each to the widget that has the focus.
    static void taste(Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mod);
    }
    static void tasten(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void anfuegen(const QString& name)
    {
        f.Edit2()->setText(name);
        f.SpeedButton2Click();
    }
    void grundmenge(const QString& von, const QString& bis)
    {
        for (auto [feld, text] : {std::pair{f.SingEdit1(), von}, std::pair{f.SingEdit2(), bis}}) {
            feld->setText(text);
            emit feld->textEdited(text);
        }
    }
    QLineEdit* zellEditor(int r, int s)
    {
        QTableWidget* g = f.StringGrid1();
        g->setFocus();
        g->setCurrentCell(r, s);
        g->editItem(g->item(r, s));
        // Editors of earlier openings may not be deleted yet.
        for (auto* editor : g->viewport()->findChildren<QLineEdit*>()) {
            if (editor->isVisible()) {
                editor->setFocus();
                return editor;
            }
        }
        return nullptr;
    }

    ScopedHilfe hilfe;
    TVarEditform f;
};

TEST_F(VarEdit, ControlsSitWhereTheyBelongWithTheirTextsAndHints)
{
    EXPECT_EQ(f.size(), QSize(632, 411));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    struct Fall {
        QWidget* w;
        QRect platz;
        const char* text;
        const char* hinweis;
    };
    const Fall faelle[] = {
        {f.Edit1(), {16, 24, 145, 21}, "", "Variablennamen eingeben"},
        {f.SingEdit1(), {16, 80, 145, 21}, "", "linke Intervallgrenze"},
        {f.SingEdit2(), {16, 128, 145, 21}, "", "rechte Intervallgrenze"},
        {f.Edit2(), {208, 24, 121, 21}, "", "Termnamen eingeben"},
        {f.SpeedButton1(), {216, 48, 25, 25}, "", "ausgewählten Termnamen editieren"},
        {f.SpeedButton2(), {256, 48, 25, 25}, "", "Termnamen anfügen"},
        {f.SpeedButton3(), {296, 48, 25, 25}, "", "selektierten Termnamen ersetzen"},
        {f.ListBox1(), {208, 80, 121, 73}, "", "Liste der Termnamen"},
        {f.Image1(), {368, 24, 255, 144}, "", "a, b, c, d und h sind die charakteristische Werte"},
        {f.StringGrid1(), {368, 192, 255, 153}, "", "Tabelle für charakteristische Werte a, b, c, d und h "},
        {f.Panel1(), {16, 168, 313, 201}, "", ""},
        {f.Kopieren1(), {16, 376, 81, 25}, "Kopieren", "Grafik in die Zwischenablage kopieren"},
        {f.zeichnen1(), {104, 376, 177, 25}, "definieren und zeichnen",
         "Fuzzyvariable testen, definieren und Graphen zeichnen"},
        {f.Loeschen(), {288, 376, 81, 25}, "Löschen", "Fuzzyvariable vollständig löschen"},
        {f.OKBtn(), {377, 378, 77, 25}, "&OK", ""},
        {f.CancelBtn(), {460, 376, 77, 25}, "Abbrechen", ""},
        {f.HelpBtn(), {544, 376, 77, 25}, "Hilfe", ""},
    };
    for (const Fall& fall : faelle) {
        const QString hinweis = QString::fromUtf8(fall.hinweis);
        EXPECT_EQ(fall.w->geometry(), fall.platz) << fall.hinweis;
        EXPECT_EQ(fall.w->toolTip(), hinweis);
        EXPECT_EQ(fall.w->statusTip(), hinweis);
        if (auto* k = qobject_cast<QPushButton*>(fall.w)) {
            EXPECT_EQ(k->text(), QString::fromUtf8(fall.text));
            EXPECT_FALSE(k->autoDefault() || k->isDefault()) << fall.text;
        }
    }
    EXPECT_EQ(f.Koordinatensystem1().geometry(), QRect(2, 2, 309, 197));
    EXPECT_EQ(f.Koordinatensystem1().KSFarbe(), QColor(128, 128, 128));
    const QColor marken[] = {Qt::blue, Qt::red, Qt::cyan, QColor(0, 128, 0), Qt::magenta};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(f.Shape(i)->geometry(), QRect(344, 222 + 25 * (i - 1), 17, 17));
        const QImage bild = f.Shape(i)->grab().toImage();
        EXPECT_EQ(QColor(bild.pixel(8, 8)), marken[i - 1]) << i;
        // Beside its row of the grid.
        const QRect zeile = f.StringGrid1()->visualItemRect(f.StringGrid1()->item(i, 1))
                                .translated(f.StringGrid1()->geometry().topLeft() + QPoint(1, 1));
        EXPECT_LE(std::abs(zeile.center().y() - f.Shape(i)->geometry().center().y()), 1) << i;
    }
    // Six columns of 41 pixels and their grid lines fill the grid exactly.
    QTableWidget* g = f.StringGrid1();
    EXPECT_EQ(g->columnCount(), 6);
    EXPECT_EQ(g->rowCount(), 6);
    EXPECT_EQ(g->columnWidth(0), 42);
    EXPECT_LE(g->horizontalHeader()->length() + 2 * g->frameWidth(), g->width());
    EXPECT_LE(g->verticalHeader()->length() + 2 * g->frameWidth(), g->height());
    const QStringList koepfe{QString(), "  a", "  b", "  c", "  d", "  h"};
    for (int s = 0; s < 6; ++s) {
        EXPECT_EQ(zelle(0, s), koepfe[s]);
        EXPECT_EQ(g->item(0, s)->background().color(), QColor(0, 128, 128));
        EXPECT_FALSE(g->item(0, s)->flags() & Qt::ItemIsEditable);
    }
    EXPECT_FALSE(f.Image1()->pixmap().isNull());
    bildAblegen(f, QStringLiteral("vareditform_leer"));
}

TEST_F(VarEdit, TabVisitsTheControlsInTheirOrderAndSkipsOK)
{
    QList<QWidget*> reihe;
    QWidget* w = f.Edit1();
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            reihe.append(w);
        w = w->nextInFocusChain();
    } while (w != f.Edit1());
    const QList<QWidget*> erwartet{f.Edit1(),     f.SingEdit1(), f.SingEdit2(), f.Edit2(),
                                   f.ListBox1(),  f.StringGrid1(), f.zeichnen1(), f.HelpBtn(),
                                   f.CancelBtn(), f.Loeschen(),  f.Kopieren1()};
    EXPECT_EQ(reihe, erwartet);
    EXPECT_FALSE(f.OKBtn()->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(f.SpeedButton2()->focusPolicy(), Qt::NoFocus);

    // Inside the grid Tab moves between cells; at its ends it leaves the grid.
    ScopedMeldungen m;
    TFuzzy v = fuzzytest::trapezVariable(0, 10, {{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}});
    oeffnen(v);
    f.show();
    QApplication::setActiveWindow(&f);
    QTableWidget* g = f.StringGrid1();
    g->setFocus();
    g->setCurrentCell(1, 1);
    QTest::keyClick(g, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), g);
    EXPECT_EQ(g->currentColumn(), 2);
    QTest::keyClick(g, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(g->currentColumn(), 1);
    QTest::keyClick(g, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f.ListBox1());
    g->setFocus();
    g->setCurrentCell(5, 5);
    QTest::keyClick(g, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.zeichnen1());
    EXPECT_TRUE(m.texte().isEmpty());
    f.hide();
}

TEST_F(VarEdit, ANewVariableOpensWithDefaultsAndAnEmptyGrid)
{
    ScopedMeldungen m;
    oeffnen(TFuzzy{});
    EXPECT_EQ(f.Edit1()->text(), QStringLiteral("Fuzzyvariable"));
    EXPECT_EQ(f.SingEdit1()->text(), QStringLiteral("  0.0000"));
    EXPECT_EQ(f.SingEdit2()->text(), QStringLiteral("100.0000"));
    EXPECT_EQ(f.ListBox1()->count(), 0);
    for (int r = 1; r <= 5; ++r)
        for (int s = 0; s <= 5; ++s)
            EXPECT_EQ(zelle(r, s), QString()) << r << s;
    EXPECT_FALSE(f.Geaendert());
    EXPECT_TRUE(plotLeer());
    EXPECT_TRUE(m.texte().isEmpty());
}

TEST_F(VarEdit, ADefinedVariableOpensWithItsValuesAndIsDrawn)
{
    ScopedMeldungen m;
    TFuzzy v = winkel();
    v.setTerm(2, 5, 0.125f);
    oeffnen(v);
    EXPECT_EQ(f.Edit1()->text(), QStringLiteral("Winkel"));
    EXPECT_EQ(f.SingEdit1()->text(), QStringLiteral("-30.0000"));
    EXPECT_EQ(f.SingEdit2()->text(), QStringLiteral(" 30.0000"));
    EXPECT_EQ(liste(), (QStringList{"negativ groß", "negativ klein", "null", "positiv klein", "positiv groß"}));
    EXPECT_EQ(zelle(1, 0), QStringLiteral(" NG"));
    EXPECT_EQ(zelle(3, 0), QStringLiteral(" NU"));
    EXPECT_EQ(zelle(1, 1), QStringLiteral("-30.00"));
    EXPECT_EQ(zelle(3, 2), QStringLiteral("0.00"));
    EXPECT_EQ(zelle(2, 5), QStringLiteral("0.13"));
    EXPECT_EQ(zelle(5, 4), QStringLiteral("30.00"));
    EXPECT_EQ(zelle(1, 5), QStringLiteral("1.00"));
    // The blue of term 1 and the red of term 2 are on the plot.
    const QImage& bild = f.Koordinatensystem1().Bild();
    bool blau = false;
    bool rot = false;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            blau |= rgb(bild, x, y) == 0x0000ff;
            rot |= rgb(bild, x, y) == 0xff0000;
        }
    EXPECT_TRUE(blau && rot);
    EXPECT_TRUE(m.texte().isEmpty());
    bildAblegen(f, QStringLiteral("vareditform_winkel"));
}

TEST_F(VarEdit, DrawingReportsEveryFaultAndLeavesDefiniertAlone)
{
    TFuzzy v = winkel();
    v.setDefiniert(false);
    oeffnen(v);
    // Not defined: the editor opened empty. Two terms, the second one faulty.
    f.Edit2()->setText(QStringLiteral("links"));
    f.SpeedButton2Click();
    f.Edit2()->setText(QStringLiteral("rechts"));
    f.SpeedButton2Click();
    for (int s = 1; s <= 4; ++s) {
        tippen(1, s, QString::number(10 * s));
        tippen(2, s, QString::number(50 - 10 * s));
    }
    ScopedMeldungen m;
    f.zeichnen1Click();
    EXPECT_EQ(m.texte(), QStringList{zeilenFehler(2)});
    EXPECT_FALSE(f.Ergebnis().definiert());
    EXPECT_TRUE(plotLeer());
    bildAblegen(f, QStringLiteral("vareditform_fehler"));

    for (int s = 1; s <= 4; ++s)
        tippen(2, s, QString::number(50 + 10 * s));
    f.zeichnen1Click();
    EXPECT_EQ(m.texte().size(), 1);
    EXPECT_TRUE(f.Ergebnis().definiert());
    EXPECT_FALSE(plotLeer());
}

TEST_F(VarEdit, TermNamesAppendReplaceAndDeleteWithRowsMovingUp)
{
    ScopedMeldungen m;
    TFuzzy v = trapezVariable(0, 100, {{0, 0, 10, 20}, {10, 20, 30, 40}, {30, 40, 50, 60}, {50, 60, 100, 100}});
    for (int i = 1; i <= 4; ++i)
        v.setTermname(i, QStringLiteral("t%1").arg(i));
    oeffnen(v);

    // Delete term 2 of 4: terms 3 and 4 move up, row 4 is reset.
    waehlen(1);
    f.SpeedButton3Click();
    EXPECT_EQ(liste(), (QStringList{"t1", "t3", "t4"}));
    EXPECT_EQ(f.Ergebnis().Anzahl(), 3);
    EXPECT_EQ(term(2), (std::array<float, 5>{30, 40, 50, 60, 1}));
    EXPECT_EQ(term(3), (std::array<float, 5>{50, 60, 100, 100, 1}));
    EXPECT_EQ(term(4), (std::array<float, 5>{0, 0, 0, 0, 1}));
    EXPECT_EQ(f.Ergebnis().Termname(2), QStringLiteral("t3"));
    EXPECT_EQ(zelle(2, 0), QStringLiteral(" T3"));
    EXPECT_EQ(zelle(2, 1), QStringLiteral("30.00"));
    EXPECT_EQ(zelle(4, 1), QString());
    EXPECT_TRUE(f.Geaendert());

    // Replace keeps the values of the term.
    waehlen(2);
    f.Edit2()->setText(QStringLiteral("groß"));
    f.SpeedButton3Click();
    EXPECT_EQ(liste(), (QStringList{"t1", "t3", "groß"}));
    EXPECT_EQ(f.Edit2()->text(), QString());
    EXPECT_EQ(term(3), (std::array<float, 5>{50, 60, 100, 100, 1}));
    EXPECT_EQ(zelle(3, 0), QStringLiteral(" GR"));

    // Edit copies the selected name.
    waehlen(0);
    f.SpeedButton1Click();
    EXPECT_EQ(f.Edit2()->text(), QStringLiteral("t1"));

    // Append: the new term gets its row's fresh values; up to five names.
    f.Edit2()->setText(QStringLiteral("neu"));
    f.SpeedButton2Click();
    f.Edit2()->setText(QStringLiteral("fünf"));
    f.SpeedButton2Click();
    EXPECT_EQ(liste(), (QStringList{"t1", "t3", "groß", "neu", "fünf"}));
    EXPECT_EQ(zelle(4, 0), QStringLiteral(" NE"));
    EXPECT_EQ(zelle(4, 5), QStringLiteral("1.00"));
    f.Edit2()->setText(QStringLiteral("sechs"));
    f.SpeedButton2Click();
    EXPECT_EQ(m.texte(), QStringList{ZuVieleTerme});
    EXPECT_EQ(m.meldungen().last().art, MeldungsArt::Fehler);
    EXPECT_EQ(liste().size(), 5);
    EXPECT_EQ(f.Edit2()->text(), QStringLiteral("sechs"));

    // The Delete key deletes the selected term and keeps Edit2's text.
    waehlen(0);
    QTest::keyClick(f.ListBox1(), Qt::Key_Delete);
    EXPECT_EQ(liste(), (QStringList{"t3", "groß", "neu", "fünf"}));
    EXPECT_EQ(f.Edit2()->text(), QStringLiteral("sechs"));
    EXPECT_EQ(term(1), (std::array<float, 5>{30, 40, 50, 60, 1}));
}

TEST_F(VarEdit, TermCommandsWithoutWhatTheyNeedOnlyWarn)
{
    oeffnen(winkel());
    f.ListBox1()->clearSelection();
    struct Fall {
        void (TVarEditform::*befehl)();
        const char* edit2;
        TMeldung meldung;
    };
    const Fall faelle[] = {
        {&TVarEditform::SpeedButton1Click, "",
         {MeldungsArt::Warnung, QStringLiteral("Bitte zuerst Feld selektieren!")}},
        {&TVarEditform::SpeedButton2Click, "", {MeldungsArt::Warnung, KeinTermname}},
        {&TVarEditform::SpeedButton2Click, "   ", {MeldungsArt::Warnung, KeinTermname}},
        {&TVarEditform::SpeedButton3Click, "x", {MeldungsArt::Fehler, NichtSelektiert}},
        {&TVarEditform::SpeedButton3Click, "", {MeldungsArt::Fehler, NichtSelektiert}},
        {&TVarEditform::ListBox1Entf, "", {MeldungsArt::Fehler, NichtSelektiert}},
    };
    for (const Fall& fall : faelle) {
        ScopedMeldungen m;
        f.Edit2()->setText(QString::fromUtf8(fall.edit2));
        (f.*fall.befehl)();
        EXPECT_EQ(m.meldungen(), QList<TMeldung>{fall.meldung}) << fall.meldung.text.toStdString();
        EXPECT_EQ(liste().size(), 5);
    }
    // Replacing by blanks alone neither renames nor deletes.
    ScopedMeldungen m;
    waehlen(0);
    f.Edit2()->setText(QStringLiteral("  "));
    f.SpeedButton3Click();
    EXPECT_EQ(m.texte(), QStringList{KeinTermname});
    EXPECT_EQ(liste().first(), QStringLiteral("negativ groß"));
}

TEST_F(VarEdit, CellsReadCommaAndReportTextThatIsNoNumberOnce)
{
    oeffnen(winkel());
    ScopedMeldungen m;
    tippen(1, 5, QStringLiteral("0,5"));
    tippen(2, 1, QString());
    tippen(2, 2, QStringLiteral("-12,5e-1"));
    f.Varaktuell();
    EXPECT_EQ(f.Ergebnis().Term(1, 5), 0.5f);
    EXPECT_EQ(f.Ergebnis().Term(2, 1), 0.0f);
    EXPECT_EQ(f.Ergebnis().Term(2, 2), -1.25f);
    EXPECT_EQ(m.meldungen(), QList<TMeldung>{(TMeldung{MeldungsArt::Fehler, FehlerZahl})});
    // The cell shows what the variable now holds; the next transfer has
    // nothing to complain about.
    EXPECT_EQ(zelle(2, 1), QStringLiteral("0.00"));
    f.Varaktuell();
    EXPECT_EQ(m.texte().size(), 1);
    // A text that is a number but reads the same as a typed 0 is no error.
    tippen(3, 3, QStringLiteral("0"));
    f.Varaktuell();
    EXPECT_EQ(m.texte().size(), 1);
}

TEST_F(VarEdit, OpeningAndOKChangeNoValue)
{
    ScopedMeldungen m;
    TFuzzy v = trapezVariable(1234, 98765.4f, {{1234, 2000.125f, 3000.0625f, 98765.4f}});
    v.setTermname(1, QStringLiteral("alles"));
    v.setTerm(1, 5, 0.125f);
    v.setName(QStringLiteral("Weg"));
    oeffnen(v);
    EXPECT_EQ(f.SingEdit1()->text(), QStringLiteral(" 1.2E+0003"));
    f.OKBtnClick();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_TRUE(m.texte().isEmpty());
    const TFuzzy w = f.Ergebnis();
    EXPECT_EQ(w.a(), 1234.0f);
    EXPECT_EQ(w.b(), 98765.4f);
    EXPECT_EQ(term(1), (std::array<float, 5>{1234, 2000.125f, 3000.0625f, 98765.4f, 0.125f}));
    EXPECT_TRUE(w.definiert());
    EXPECT_FALSE(f.Geaendert());
}

TEST_F(VarEdit, OKAfterAFailedCheckStillEndsWithOK)
{
    TFuzzy v = winkel();
    oeffnen(v);
    f.SingEdit2()->setText(QStringLiteral("-40"));
    emit f.SingEdit2()->textEdited(f.SingEdit2()->text());
    ScopedMeldungen m;
    f.OKBtnClick();
    EXPECT_EQ(m.texte(), QStringList{FehlerGrundmenge});
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.Ergebnis().b(), -40.0f);
    EXPECT_TRUE(f.Ergebnis().definiert());
    EXPECT_TRUE(f.Geaendert());
}

// One wrong number must not cost a new variable everything typed into it.
TEST_F(VarEdit, OKKeepsANewVariableWithAFaultOpenWithEverythingTyped)
{
    ScopedMeldungen m;
    oeffnen(TFuzzy{});
    f.Edit1()->setText(QStringLiteral("Winkel"));
    grundmenge(QStringLiteral("-30"), QStringLiteral("30"));
    anfuegen(QStringLiteral("negativ"));
    anfuegen(QStringLiteral("positiv"));
    const QStringList werte[] = {{"-30", "-30", "-10", "0", "1"}, {"0", "10", "3", "30", "1"}};
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 5; ++j)
            tippen(i, j, werte[i - 1][j - 1]);
    f.OKBtn()->click();
    EXPECT_EQ(m.texte(), QStringList{zeilenFehler(2)});
    EXPECT_NE(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.Edit1()->text(), QStringLiteral("Winkel"));
    EXPECT_EQ(liste(), (QStringList{"negativ", "positiv"}));
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 5; ++j)
            EXPECT_EQ(zelle(i, j), werte[i - 1][j - 1]) << i << j;
    EXPECT_EQ(term(2), (std::array<float, 5>{0, 10, 3, 30, 1}));

    tippen(2, 3, QStringLiteral("20"));
    f.OKBtn()->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(m.texte().size(), 1);
    EXPECT_TRUE(f.Ergebnis().definiert());
    EXPECT_EQ(f.Ergebnis().b(), 30.0f);
    EXPECT_EQ(term(2), (std::array<float, 5>{0, 10, 20, 30, 1}));
}

TEST_F(VarEdit, OKEndsOnlyWhenTheVariableIsDefinedOrWasEmptiedOnPurpose)
{
    struct Fall {
        const char* wie;
        TFuzzy start;
        std::function<void(VarEdit&)> tun;
        QList<Antwort> antworten;
        QStringList texte;
        bool beendet;
    };
    const auto nichts = [](VarEdit&) {};
    const Fall faelle[] = {
        {"a new variable without a term", TFuzzy{}, nichts, {}, {OhneTerm}, false},
        {"a new variable with a wrong base set", TFuzzy{},
         [](VarEdit& t) { t.grundmenge(QStringLiteral("5"), QStringLiteral("5")); }, {}, {FehlerGrundmenge}, false},
        {"deleted, then typed again with a fault", winkel(),
         [](VarEdit& t) {
             t.f.LoeschenClick();
             t.anfuegen(QStringLiteral("x"));
             t.tippen(1, 1, QStringLiteral("50"));
         },
         {Antwort::Ja}, {FrageLoeschen, zeilenFehler(1)}, false},
        {"deleted on purpose", winkel(), [](VarEdit& t) { t.f.LoeschenClick(); }, {Antwort::Ja}, {FrageLoeschen},
         true},
    };
    for (const Fall& fall : faelle) {
        ScopedMeldungen m(fall.antworten);
        oeffnen(fall.start);
        fall.tun(*this);
        f.setResult(0);
        f.OKBtn()->click();
        EXPECT_EQ(m.texte(), fall.texte) << fall.wie;
        EXPECT_EQ(f.result() == QDialog::Accepted, fall.beendet) << fall.wie;
        EXPECT_FALSE(f.Ergebnis().definiert()) << fall.wie;
    }
}

TEST_F(VarEdit, DeletingTheVariableAsksAndLeavesItUndefinedEvenAfterOK)
{
    oeffnen(winkel());
    {
        ScopedMeldungen m({Antwort::Nein});
        f.LoeschenClick();
        EXPECT_EQ(m.meldungen(), QList<TMeldung>{(TMeldung{MeldungsArt::Bestaetigung, FrageLoeschen})});
        EXPECT_EQ(liste().size(), 5);
        EXPECT_FALSE(f.Geaendert());
    }
    ScopedMeldungen m({Antwort::Ja});
    f.LoeschenClick();
    EXPECT_EQ(f.Edit1()->text(), QStringLiteral("Fuzzyvariable"));
    EXPECT_EQ(f.SingEdit1()->text(), QStringLiteral("0"));
    EXPECT_EQ(f.SingEdit2()->text(), QStringLiteral("100"));
    EXPECT_EQ(f.ListBox1()->count(), 0);
    EXPECT_EQ(zelle(1, 1), QString());
    EXPECT_EQ(zelle(1, 0), QString());
    EXPECT_TRUE(plotLeer());
    EXPECT_TRUE(f.Geaendert());
    EXPECT_EQ(term(1), (std::array<float, 5>{0, 0, 0, 0, 1}));

    f.OKBtnClick();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(m.texte(), QStringList{FrageLoeschen});
    EXPECT_FALSE(f.Ergebnis().definiert());
    EXPECT_EQ(f.Ergebnis().Anzahl(), 0);
    EXPECT_EQ(f.Ergebnis().a(), 0.0f);
    EXPECT_EQ(f.Ergebnis().b(), 100.0f);
}

TEST_F(VarEdit, ACellInARowWithoutANameWarnsAndIsNeverTransferred)
{
    TFuzzy v = trapezVariable(0, 10, {{0, 1, 2, 3}, {2, 3, 4, 5}});
    v.setTermname(1, QStringLiteral("a"));
    v.setTermname(2, QStringLiteral("b"));
    oeffnen(v);
    ScopedMeldungen m;
    f.StringGrid1()->setCurrentCell(3, 2);
    EXPECT_EQ(m.meldungen(), QList<TMeldung>{(TMeldung{MeldungsArt::Warnung, ZeileOhneName})});
    EXPECT_TRUE(f.Geaendert());
    tippen(3, 2, QStringLiteral("7"));
    f.StringGrid1()->setCurrentCell(2, 2);
    EXPECT_EQ(m.texte().size(), 1);
    f.Varaktuell();
    EXPECT_EQ(term(3)[1], 0.0f);

    f.Edit2()->setText(QStringLiteral("c"));
    f.SpeedButton2Click();
    EXPECT_EQ(zelle(3, 2), QStringLiteral("0.00"));
    EXPECT_EQ(term(3)[1], 0.0f);
}

// The current cell does not change when the user clicks it or tabs into the
// grid; coming to it in a row without a name warns all the same, once.
TEST_F(VarEdit, ComingToTheCurrentCellOfARowWithoutANameWarnsOnce)
{
    struct Fall {
        const char* wie;
        std::function<void(VarEdit&)> tun;
    };
    const Fall faelle[] = {
        {"click", [](VarEdit& t) {
             QTableWidget* g = t.f.StringGrid1();
             QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(1, 1)).center());
         }},
        {"Tab", [](VarEdit& t) {
             t.f.ListBox1()->setFocus();
             taste(Qt::Key_Tab);
         }},
        {"Shift+Tab", [](VarEdit& t) {
             t.f.zeichnen1()->setFocus();
             taste(Qt::Key_Backtab, Qt::ShiftModifier);
         }},
    };
    for (const Fall& fall : faelle) {
        oeffnen(TFuzzy{});
        zeigen();
        ASSERT_EQ(f.StringGrid1()->currentRow(), 1);
        ScopedMeldungen m;
        fall.tun(*this);
        EXPECT_EQ(QApplication::focusWidget(), f.StringGrid1()) << fall.wie;
        EXPECT_EQ(m.meldungen(), QList<TMeldung>{(TMeldung{MeldungsArt::Warnung, ZeileOhneName})}) << fall.wie;
    }
    // A row with a name: no warning.
    ScopedMeldungen m;
    anfuegen(QStringLiteral("a"));
    f.ListBox1()->setFocus();
    taste(Qt::Key_Tab);
    QTableWidget* g = f.StringGrid1();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(1, 1)).center());
    EXPECT_TRUE(m.texte().isEmpty());
    f.hide();
}

// A student tabs through the grid typing each value: Tab never enters a row
// without a term, and after the last term it goes on to the next control.
TEST_F(VarEdit, TabThroughTheGridVisitsOnlyTheRowsWithTermsAndWarnsAtMostOnce)
{
    ScopedMeldungen m;
    oeffnen(TFuzzy{});
    zeigen();
    f.Edit2()->setFocus();
    for (const char* name : {"links", "rechts"}) {
        tasten(QString::fromLatin1(name));
        taste(Qt::Key_Return);
    }
    f.ListBox1()->setFocus();
    taste(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), f.StringGrid1());
    const QStringList werte{"0", "0", "20", "40", "1", "30", "60", "100", "100", "0,5"};
    for (const QString& wert : werte) {
        tasten(wert);
        taste(Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), f.zeichnen1());
    EXPECT_TRUE(m.texte().isEmpty());
    EXPECT_EQ(term(1), (std::array<float, 5>{0, 0, 20, 40, 1}));
    EXPECT_EQ(term(2), (std::array<float, 5>{30, 60, 100, 100, 0.5f}));
    // Shift+Tab comes back to the last value of the last term.
    taste(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f.StringGrid1());
    EXPECT_EQ(f.StringGrid1()->currentRow(), 2);
    EXPECT_EQ(f.StringGrid1()->currentColumn(), 5);

    // From a row without a term Tab leaves at once, Shift+Tab goes back to
    // the terms.
    f.StringGrid1()->setCurrentCell(4, 2);
    EXPECT_EQ(m.texte(), QStringList{ZeileOhneName});
    taste(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(f.StringGrid1()->currentRow(), 2);
    f.StringGrid1()->setCurrentCell(4, 2);
    taste(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.zeichnen1());
    EXPECT_EQ(m.texte().size(), 2);

    // Without any term, one warning on the way in and Tab goes straight on.
    ScopedMeldungen leer;
    oeffnen(TFuzzy{});
    f.ListBox1()->setFocus();
    taste(Qt::Key_Tab);
    taste(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.zeichnen1());
    EXPECT_EQ(leer.texte(), QStringList{ZeileOhneName});
    f.hide();
}

// A box shown while the mouse button is held on a button takes the release,
// and the click is lost: the box comes only with the click itself.
TEST_F(VarEdit, ClickingOKOrDrawWhileABadCellIsEditedActsAfterTheBox)
{
    struct Fall {
        QPushButton* (TVarEditform::*knopf)() const;
        bool beendet;
    };
    for (const Fall& fall : {Fall{&TVarEditform::OKBtn, true}, Fall{&TVarEditform::zeichnen1, false}}) {
        SCOPED_TRACE(fall.beendet ? "OK" : "zeichnen");
        oeffnen(TFuzzy{});
        zeigen();
        anfuegen(QStringLiteral("mittel"));
        for (int j = 1; j <= 4; ++j)
            tippen(1, j, QString::number(10 * j));
        QLineEdit* editor = zellEditor(1, 5);
        ASSERT_TRUE(editor);
        editor->setText(QStringLiteral("1,x"));
        QStringList boxen;
        QList<Qt::MouseButtons> knoepfe;
        const auto vorher = setzeMeldungsHandler([&](MeldungsArt, const QString& text, bool) {
            boxen.append(text);
            knoepfe.append(QApplication::mouseButtons());
            return Antwort::Ok;
        });
        QTest::mouseClick((f.*fall.knopf)(), Qt::LeftButton);
        setzeMeldungsHandler(vorher);
        EXPECT_EQ(boxen, QStringList{FehlerZahl});
        EXPECT_EQ(knoepfe, QList<Qt::MouseButtons>{Qt::NoButton});
        // The click took effect: the variable is defined with h = 0.
        EXPECT_TRUE(f.Ergebnis().definiert());
        EXPECT_FALSE(plotLeer());
        EXPECT_EQ(f.result() == QDialog::Accepted, fall.beendet);
        f.setResult(0);
        f.hide();
    }
}

// OK lies outside the Tab chain; Ctrl+Enter and Alt+O reach it from any
// control, and Enter alone still never ends the dialog.
TEST_F(VarEdit, CtrlEnterAndAltOPressOKFromTheKeyboard)
{
    struct Fall {
        const char* wie;
        std::function<void(VarEdit&)> hin;
        Qt::Key key;
        Qt::KeyboardModifiers mod;
    };
    const Fall faelle[] = {
        {"Ctrl+Return in the term name field", [](VarEdit& t) {
             t.f.Edit2()->setFocus();
             tasten(QStringLiteral("neu"));
         }, Qt::Key_Return, Qt::ControlModifier},
        {"Ctrl+Enter in a cell editor", [](VarEdit& t) {
             t.zellEditor(1, 3)->setText(QStringLiteral("-15"));
         }, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier},
        {"Alt+O in the name field", [](VarEdit& t) { t.f.Edit1()->setFocus(); }, Qt::Key_O, Qt::AltModifier},
    };
    for (const Fall& fall : faelle) {
        ScopedMeldungen m;
        oeffnen(winkel());
        zeigen();
        f.setResult(0);
        fall.hin(*this);
        taste(fall.key, fall.mod);
        EXPECT_EQ(f.result(), QDialog::Accepted) << fall.wie;
        EXPECT_EQ(liste().size(), 5) << fall.wie;
        EXPECT_TRUE(m.texte().isEmpty()) << fall.wie;
        f.hide();
    }
    EXPECT_EQ(f.Ergebnis().Term(1, 3), -20.0f);
    // The cell editor's value came along with Ctrl+Enter.
    oeffnen(winkel());
    zeigen();
    zellEditor(1, 3)->setText(QStringLiteral("-15"));
    taste(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(f.Ergebnis().Term(1, 3), -15.0f);
    f.hide();
}

TEST_F(VarEdit, TermNamesWithTheSameShortNameWarnAndAreKept)
{
    ScopedMeldungen m;
    oeffnen(TFuzzy{});
    anfuegen(QStringLiteral("negativ"));
    anfuegen(QStringLiteral("neutral"));
    EXPECT_EQ(m.meldungen(),
              QList<TMeldung>{(TMeldung{MeldungsArt::Warnung,
                                        QStringLiteral("Die Terme „negativ“ und „neutral“ haben dieselbe Abkürzung „NE“.")})});
    EXPECT_EQ(liste(), (QStringList{"negativ", "neutral"}));
    EXPECT_EQ(zelle(2, 0), QStringLiteral(" NE"));
    // Replacing: a name of its own is quiet, a clash names both in term order.
    waehlen(1);
    f.Edit2()->setText(QStringLiteral("null"));
    f.SpeedButton3Click();
    EXPECT_EQ(m.texte().size(), 1);
    waehlen(0);
    f.Edit2()->setText(QStringLiteral("nullpunkt"));
    f.SpeedButton3Click();
    EXPECT_EQ(m.texte().last(), QStringLiteral("Die Terme „nullpunkt“ und „null“ haben dieselbe Abkürzung „NU“."));
    EXPECT_EQ(liste(), (QStringList{"nullpunkt", "null"}));
}

TEST_F(VarEdit, GridValuesTypedBeforeATermCommandAreKept)
{
    TFuzzy v = trapezVariable(0, 10, {{0, 1, 2, 3}});
    v.setTermname(1, QStringLiteral("a"));
    oeffnen(v);
    tippen(1, 4, QStringLiteral("4,5"));
    f.Edit2()->setText(QStringLiteral("b"));
    f.SpeedButton2Click();
    EXPECT_EQ(f.Ergebnis().Term(1, 4), 4.5f);
    EXPECT_EQ(zelle(1, 4), QStringLiteral("4.50"));
}

// Typing reaches the variable and the changed flag without any click.
TEST_F(VarEdit, EveryEditByTheKeyboardMarksTheVariableChanged)
{
    struct Fall {
        const char* name;
        std::function<void(VarEdit&)> tun;
    };
    const Fall faelle[] = {
        {"name", [](VarEdit& t) { QTest::keyClicks(t.f.Edit1(), "x"); }},
        {"lower bound", [](VarEdit& t) { QTest::keyClicks(t.f.SingEdit1(), "1"); }},
        {"upper bound", [](VarEdit& t) { QTest::keyClicks(t.f.SingEdit2(), "1"); }},
        {"Enter in Edit2", [](VarEdit& t) {
             QTest::keyClicks(t.f.Edit2(), "neu");
             QTest::keyClick(t.f.Edit2(), Qt::Key_Return);
         }},
        {"Delete in the list", [](VarEdit& t) {
             t.waehlen(0);
             QTest::keyClick(t.f.ListBox1(), Qt::Key_Delete);
         }},
        {"a cell", [](VarEdit& t) { t.tippen(1, 1, QStringLiteral("-29")); }},
    };
    for (const Fall& fall : faelle) {
        ScopedMeldungen m;
        TFuzzy v = winkel();
        v.setAnzahl(4);
        oeffnen(v);
        EXPECT_FALSE(f.Geaendert());
        fall.tun(*this);
        EXPECT_TRUE(f.Geaendert()) << fall.name;
        EXPECT_TRUE(m.texte().isEmpty()) << fall.name;
    }
}

TEST_F(VarEdit, EnterMovesThroughTheFieldsAndNeverClosesTheDialog)
{
    oeffnen(TFuzzy{});
    f.show();
    QApplication::setActiveWindow(&f);
    f.Edit1()->setFocus();
    QTest::keyClick(f.Edit1(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.SingEdit1());
    QTest::keyClick(f.SingEdit1(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), f.SingEdit2());
    QTest::keyClick(f.SingEdit2(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.Edit2());
    QTest::keyClicks(f.Edit2(), "klein");
    QTest::keyClick(f.Edit2(), Qt::Key_Return);
    EXPECT_EQ(liste(), QStringList{"klein"});
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.result(), 0);
    f.hide();
}

TEST_F(VarEdit, LineBreaksAndTabsNeverReachANameOrATermName)
{
    oeffnen(TFuzzy{});
    f.Edit1()->clear();
    f.Edit1()->insert(QStringLiteral("Win\r\nkel\t"));
    emit f.Edit1()->textEdited(f.Edit1()->text());
    EXPECT_EQ(f.Edit1()->text(), QStringLiteral("Winkel"));
    // Even text set around the edit signal is cleaned at the transfer.
    f.Edit1()->setText(QStringLiteral("Wi\nnkel"));
    f.Edit2()->setText(QStringLiteral("ne\ngativ"));
    f.SpeedButton2Click();
    EXPECT_EQ(f.Ergebnis().Name(), QStringLiteral("Winkel"));
    EXPECT_EQ(liste(), QStringList{"negativ"});
}

// A box takes the focus from the grid; that must not transfer again and
// show the next box, nor must a repaint check anything.
TEST_F(VarEdit, BoxesAndRepaintsNeverStartAnotherTransfer)
{
    oeffnen(winkel());
    f.show();
    QApplication::setActiveWindow(&f);
    f.StringGrid1()->setFocus();
    tippen(1, 1, QStringLiteral("falsch"));
    tippen(1, 2, QStringLiteral("-50"));
    int boxen = 0;
    const auto vorher = setzeMeldungsHandler([&](MeldungsArt, const QString&, bool) {
        ++boxen;
        // As a real box does: the focus leaves the grid, the dialog repaints.
        f.Edit1()->setFocus();
        f.repaint();
        f.StringGrid1()->setFocus();
        return Antwort::Ok;
    });
    f.zeichnen1Click();
    setzeMeldungsHandler(vorher);
    // "Fehler bei Zahleingabe" for row 1, then row 1's fault.
    EXPECT_EQ(boxen, 2);

    // A defined variable with faults opens without a box and undrawn; a
    // repaint shows nothing either.
    ScopedMeldungen m;
    TFuzzy v = winkel();
    v.setTerm(3, 1, 25);
    oeffnen(v);
    f.repaint();
    f.grab();
    EXPECT_TRUE(m.texte().isEmpty());
    EXPECT_TRUE(plotLeer());
    f.hide();
}

TEST_F(VarEdit, OnlyLeavingTheGridTransfersAndTheOpenCellEditorIsCommitted)
{
    oeffnen(winkel());
    f.show();
    QApplication::setActiveWindow(&f);
    ScopedMeldungen m;
    f.StringGrid1()->setFocus();
    tippen(2, 1, QStringLiteral("x"));
    // Opening a cell editor keeps the focus inside the grid.
    f.StringGrid1()->setCurrentCell(1, 3);
    f.StringGrid1()->editItem(f.StringGrid1()->item(1, 3));
    auto* editor = f.StringGrid1()->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    editor->setFocus();
    EXPECT_TRUE(m.texte().isEmpty());
    editor->setText(QStringLiteral("-15"));
    // Leaving the grid for another control transfers both cells once.
    f.Edit2()->setFocus();
    EXPECT_EQ(m.texte(), QStringList{FehlerZahl});
    EXPECT_EQ(f.Ergebnis().Term(1, 3), -15.0f);
    EXPECT_EQ(f.Ergebnis().Term(2, 1), 0.0f);
    f.hide();
}

TEST_F(VarEdit, CancelTransfersNothing)
{
    oeffnen(winkel());
    f.show();
    QApplication::setActiveWindow(&f);
    ScopedMeldungen m;
    f.StringGrid1()->setFocus();
    tippen(1, 1, QStringLiteral("falsch"));
    f.Edit1()->setText(QStringLiteral("anders"));
    f.CancelBtn()->click();
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_TRUE(m.texte().isEmpty());
    EXPECT_EQ(f.Ergebnis().Name(), QStringLiteral("Winkel"));
    EXPECT_EQ(f.Ergebnis().Term(1, 1), -30.0f);
}

TEST_F(VarEdit, EveryOpeningShowsOnlyTheVariableItOpensWith)
{
    oeffnen(winkel());
    ASSERT_FALSE(plotLeer());
    f.Edit2()->setText(QStringLiteral("Rest"));
    oeffnen(TFuzzy{});
    EXPECT_TRUE(plotLeer());
    EXPECT_EQ(f.Edit2()->text(), QString());
    EXPECT_EQ(zelle(1, 1), QString());

    // Drawn again from a clean plot: the same picture as a fresh editor's.
    oeffnen(winkel());
    TVarEditform frisch;
    frisch.oeffnen({winkel(), QString()});
    EXPECT_EQ(unterschiede(f.Koordinatensystem1().Bild(), frisch.Koordinatensystem1().Bild()), 0);
}

TEST_F(VarEdit, HelpAndCopy)
{
    oeffnen(winkel());
    f.HelpBtn()->click();
    EXPECT_EQ(hilfe.seiten(), QList<HilfeSeite>{HilfeSeite::Variablen});
    QApplication::clipboard()->clear();
    f.Kopieren1()->click();
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              f.Koordinatensystem1().Bild());
}

} // namespace
