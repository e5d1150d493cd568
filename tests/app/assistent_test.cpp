// The assistant: its order of steps with the commands recorded, and the whole
// tour through the main window's dialogs.
#include "app/assistent.h"
#include "app/mainform.h"
#include "forms/regeditform.h"
#include "forms/vareditform.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "widgets/singedit.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "tests/datei_hilfe.h"
#include "tests/fuzzy_hilfe.h"
#include "tests/platform/meldung_ausgabe.h"

#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

// Records the commands and the message boxes in one list, in the order they come.
class Ablauf {
public:
    explicit Ablauf(Antwort frage, bool editorOk)
        : editorOk(editorOk)
    {
        vorher = setzeMeldungsHandler([this, frage](MeldungsArt art, const QString& text, bool jaNein) {
            schritte.append((art == MeldungsArt::Information ? QStringLiteral("Info: ") : QStringLiteral("Frage: ")) +
                            text);
            return jaNein ? frage : Antwort::Ok;
        });
    }
    ~Ablauf() { setzeMeldungsHandler(vorher); }

    TAssistentBefehle befehle()
    {
        return {[this] { schritte.append(QStringLiteral("Neu")); },
                [this](int welche) {
                    schritte.append(QStringLiteral("Variable %1").arg(welche));
                    return editorOk;
                },
                [this] { schritte.append(QStringLiteral("Regeln")); }};
    }

    QStringList schritte;

private:
    bool editorOk;
    MeldungsHandler vorher;
};

TEST(Assistent, LeadsThroughEveryStepInOrderWhateverTheEditorsReturn)
{
    const QString a = QStringLiteral("Info: Definieren Sie die Fuzzyvariable für den Eingang A!");
    const QString frage = QStringLiteral("Frage: Wollen Sie auch noch eine weitere Eingangsvariable definieren?");
    const QString aus = QStringLiteral("Info: Definieren Sie die Fuzzyvariable für den Ausgang!");
    const QString regeln = QStringLiteral("Info: Geben Sie nun die Regeln ein!");
    struct Fall {
        Antwort frage;
        bool editorOk;
        QStringList erwartet;
    };
    const Fall faelle[] = {
        {Antwort::Ja, true,
         {"Neu", a, "Variable 1", frage, "Variable 2", aus, "Variable 3", regeln, "Regeln"}},
        {Antwort::Nein, true, {"Neu", a, "Variable 1", frage, aus, "Variable 3", regeln, "Regeln"}},
        {Antwort::Ja, false,
         {"Neu", a, "Variable 1", frage, "Variable 2", aus, "Variable 3", regeln, "Regeln"}},
    };
    for (const Fall& fall : faelle) {
        Ablauf ablauf(fall.frage, fall.editorOk);
        Assistent(ablauf.befehle());
        EXPECT_EQ(ablauf.schritte, fall.erwartet) << int(fall.frage) << fall.editorOk;
    }
}

const QString frageNeu = QStringLiteral("Sollen die bestehenden Daten\rtatsächlich gelöscht werden?");
const QString ohneVariablen = QStringLiteral("Eingang A und/oder Ausgang (noch) nicht definiert!");

// A project with all three variables and one rule.
void beispielprojekt(TProjekt& p)
{
    for (TFuzzy* v : {&p.EingangA, &p.EingangB, &p.Ausgang}) {
        *v = fuzzytest::trapezVariable(0, 10, {{0, 0, 5, 10}});
        v->setName(QStringLiteral("alt"));
        v->setTermname(1, QStringLiteral("mittel"));
    }
    p.Regeltab(1, 1) = 1;
}

TEST(AssistentImHauptfenster, RunsEveryStepThroughTheMenusCommandsWhateverTheAnswers)
{
    struct Fall {
        const char* wie;
        bool geaendert;
        QList<Antwort> antworten;
        QStringList texte;
        QStringList dialoge;
        bool leer;  // the project was emptied by New
    };
    const QString a = AssistentTexte::eingangA;
    const QString frage = AssistentTexte::weitererEingang;
    const QString aus = AssistentTexte::ausgang;
    const QString regeln = AssistentTexte::regeln;
    const Fall faelle[] = {
        {"changed project, New answered No, input B wanted", true, {Antwort::Nein, Antwort::Ja},
         {frageNeu, a, frage, aus, regeln},
         {"TVarEditform", "TVarEditform", "TVarEditform", "TRegEditForm"}, false},
        {"changed project, New answered Yes, no input B", true, {Antwort::Ja, Antwort::Nein},
         {frageNeu, a, frage, aus, regeln, ohneVariablen}, {"TVarEditform", "TVarEditform"}, true},
        {"unchanged project, no question from New", false, {Antwort::Nein},
         {a, frage, aus, regeln, ohneVariablen}, {"TVarEditform", "TVarEditform"}, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.wie);
        TMainForm f;
        beispielprojekt(f.Projekt());
        f.Projekt().Geaendert = fall.geaendert;
        ScopedMeldungen m(fall.antworten);
        // Every editor is cancelled: the tour goes on all the same.
        ScopedModal modal;
        f.Menue().Assistent->trigger();
        EXPECT_EQ(m.texte(), fall.texte);
        EXPECT_EQ(m.offeneAntworten(), 0);
        EXPECT_EQ(modal.dialoge(), fall.dialoge);
        EXPECT_EQ(f.Projekt().EingangA.definiert(), !fall.leer);
        EXPECT_EQ(f.Projekt().Regeltab(1, 1), fall.leer ? 0 : 1);
        EXPECT_EQ(f.Projekt().Geaendert, fall.geaendert);
    }
}

// Fills a new variable in the editor as a student would, and presses OK.
int variableEintippen(TVarEditform& e, const QString& name, float fa, float fb, const QStringList& terme,
                      const QList<std::array<const char*, 5>>& werte)
{
    auto eintippen = [](QLineEdit* feld, const QString& text) {
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(feld, text);
    };
    eintippen(e.Edit1(), name);
    eintippen(e.SingEdit1(), QString::number(fa));
    eintippen(e.SingEdit2(), QString::number(fb));
    for (const QString& term : terme) {
        e.Edit2()->setText(term);
        e.SpeedButton2Click();
    }
    for (int i = 1; i <= werte.size(); ++i)
        for (int j = 1; j <= 5; ++j)
            e.StringGrid1()->item(i, j)->setText(QString::fromLatin1(werte[i - 1][j - 1]));
    e.OKBtn()->click();
    return e.result();
}

TEST(AssistentImHauptfenster, AProjectMadeInTheDialogsIsSavedAsTheHandWrittenFile)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    TMainForm f;
    ScopedMeldungen m({Antwort::Nein});
    int editor = 0;
    ScopedModal modal([&](QDialog& d) {
        if (auto* e = qobject_cast<TVarEditform*>(&d)) {
            if (++editor == 1)
                return variableEintippen(*e, QStringLiteral("Winkel"), -30, 30,
                                         {QStringLiteral("negativ"), QStringLiteral("positiv")},
                                         {{"-30", "-30", "-10", "0", "1"}, {"0", "10", "30", "30", "1"}});
            return variableEintippen(*e, QStringLiteral("Kraft"), -10, 10,
                                     {QStringLiteral("links"), QStringLiteral("rechts")},
                                     {{"-10", "-10", "-5", "0", "1"}, {"0", "5", "10", "10", "1"}});
        }
        auto& r = dynamic_cast<TRegEditForm&>(d);
        EXPECT_EQ(r.Zelle(0, 2), QStringLiteral("PO"));
        r.ListBox1()->setCurrentRow(1);
        QTest::mouseClick(r.StringGrid1()->viewport(), Qt::LeftButton, {}, r.Zellrechteck(1, 1).center());
        r.ListBox1()->setCurrentRow(0);
        QTest::mouseClick(r.StringGrid1()->viewport(), Qt::LeftButton, {}, r.Zellrechteck(1, 2).center());
        r.OKBtn()->click();
        return r.result();
    });
    f.Menue().Assistent->trigger();
    EXPECT_EQ(modal.dialoge(), (QStringList{"TVarEditform", "TVarEditform", "TRegEditForm"}));
    EXPECT_EQ(m.texte(), (QStringList{AssistentTexte::eingangA, AssistentTexte::weitererEingang,
                                      AssistentTexte::ausgang, AssistentTexte::regeln}));
    EXPECT_TRUE(f.Projekt().Geaendert);

    const QString datei = ordner.filePath(QStringLiteral("winkel.fuz"));
    {
        ScopedDateiDialoge speichern({datei});
        f.Menue().SpeichernUnter->trigger();
    }
    EXPECT_FALSE(f.Projekt().Geaendert);
    const QByteArray handgeschrieben = dateitest::lesen(QStringLiteral(TARVIK_TESTDATA "/winkel.fuz"));
    EXPECT_EQ(dateitest::lesen(datei), handgeschrieben);

    TMainForm g;
    {
        ScopedDateiDialoge oeffnen({datei});
        g.FileOpen();
    }
    EXPECT_EQ(g.Projekt().Regeltab, f.Projekt().Regeltab);
    EXPECT_EQ(g.Projekt().Ausgang.Termname(2), QStringLiteral("rechts"));
    EXPECT_EQ(ProjektBytes(g.Projekt()), handgeschrieben);
}

// Keys as a student presses them, each to the widget that has the focus.
void taste(Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, mod);
}
void tasten(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}
void feldTippen(const QString& text)
{
    taste(Qt::Key_A, Qt::ControlModifier);
    tasten(text);
    taste(Qt::Key_Return);
}

// Name, base set and term names, each ended by Enter; then Tab through the
// list into the grid and every value followed by Tab.
void variableTippen(const QStringList& felder, const QStringList& terme, const QStringList& werte)
{
    for (const QString& feld : felder)
        feldTippen(feld);
    for (const QString& term : terme) {
        tasten(term);
        taste(Qt::Key_Return);
    }
    taste(Qt::Key_Tab);
    taste(Qt::Key_Tab);
    for (const QString& wert : werte) {
        tasten(wert);
        taste(Qt::Key_Tab);
    }
}

// No mouse from the first question to the rule editor's OK; one typo on the
// way costs nothing that was typed.
TEST(AssistentImHauptfenster, AStudentFinishesItByKeyboardAloneAndATypoLosesNothing)
{
    TMainForm f;
    ScopedMeldungen m({Antwort::Nein});
    int editor = 0;
    bool offenNachTippfehler = false;
    ScopedModal modal([&](QDialog& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        if (qobject_cast<TVarEditform*>(&d)) {
            if (++editor == 1) {
                // c of "positiv" typed as 3 instead of 30.
                variableTippen({"Winkel", "-30", "30"}, {"negativ", "positiv"},
                               {"-30", "-30", "-10", "0", "1", "0", "10", "3", "30", "1"});
                taste(Qt::Key_Return, Qt::ControlModifier);
                offenNachTippfehler = d.isVisible() && d.result() == 0;
                // Back into the grid at the last value, two cells left, the right number.
                taste(Qt::Key_Backtab, Qt::ShiftModifier);
                taste(Qt::Key_Left);
                taste(Qt::Key_Left);
                tasten(QStringLiteral("30"));
            } else {
                variableTippen({"Kraft", "-10", "10"}, {"links", "rechts"},
                               {"-10", "-10", "-5", "0", "1", "0", "5", "10", "10", "1"});
            }
            taste(Qt::Key_Return, Qt::ControlModifier);
        } else {
            // The rule editor opens with the focus on its OK.
            taste(Qt::Key_Return);
        }
        d.hide();
        return d.result();
    });
    f.Menue().Assistent->trigger();
    EXPECT_EQ(modal.dialoge(), (QStringList{"TVarEditform", "TVarEditform", "TRegEditForm"}));
    EXPECT_TRUE(offenNachTippfehler);
    const QString zeile2 = QStringLiteral("In Zeile 2 der Tabelle ist eine Zahl zu groß oder zu klein!");
    EXPECT_EQ(m.texte(), (QStringList{AssistentTexte::eingangA, zeile2, AssistentTexte::weitererEingang,
                                      AssistentTexte::ausgang, AssistentTexte::regeln}));
    ASSERT_TRUE(f.Projekt().EingangA.definiert());
    ASSERT_TRUE(f.Projekt().Ausgang.definiert());
    // Every value as in the hand-written file, whose rules are set here.
    TProjekt erwartet = f.Projekt();
    erwartet.Regeltab(1, 1) = 2;
    erwartet.Regeltab(1, 2) = 1;
    EXPECT_EQ(ProjektBytes(erwartet), dateitest::lesen(QStringLiteral(TARVIK_TESTDATA "/winkel.fuz")));
}

} // namespace
