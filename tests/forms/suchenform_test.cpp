#include "forms/suchenform.h"

#include "core/zahlenformat.h"
#include "platform/dateidialog.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "search/suchtexte.h"
#include "suchfenster.h"
#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"
#include "widgets/intedit.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

using namespace suchfenster;

const QString nullen(96, QLatin1Char('0'));
const QString einsen(96, QLatin1Char('1'));

// A valid chromosome that differs from the others by its k-th digit.
QString chromosom(int k)
{
    QString s = nullen;
    s[k] = QLatin1Char('1');
    return s;
}

void memoSetzen(TSuchenForm& f, const QString& text)
{
    f.Memo1()->setPlainText(text);
}

TEST(Suchenfenster, StartsWithTheStateOfANewSearch)
{
    TFenster w;
    TSuchenForm& f = w.form;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Genetische Regelsuche"));
    EXPECT_EQ(f.size(), QSize(628, 421));
    EXPECT_EQ(f.Memo1()->size(), QSize(609, 193));
    EXPECT_EQ(f.Koordinatensystem1()->size(), QSize(237, 109));
    EXPECT_EQ(f.Evolution().ChromosomenAnzahl(), 20);
    EXPECT_EQ(f.Evolution().Parameter().Kreuzungsrate, 0.2f);
    EXPECT_EQ(f.Evolution().Parameter().mutationsrate, 0.01f);
    EXPECT_TRUE(f.MoeglichstSchnell()->isChecked());
    EXPECT_EQ(f.SpinEdit1()->minimum(), 1);
    EXPECT_EQ(f.SpinEdit1()->maximum(), 20);
    EXPECT_EQ(f.Regelnummer(), 1);
    for (TIntEdit* e : {f.IntEdit3(), f.IntEdit1(), f.IntEdit2()})
        EXPECT_EQ(e->text(), QStringLiteral("0"));
    for (TSingEdit* e : {f.EditZeit(), f.SingEdit2(), f.SingEdit1(), f.SingEdit3()})
        EXPECT_EQ(e->text(), QStringLiteral("  0.0000"));
    EXPECT_EQ(f.StartButton()->toolTip(), QStringLiteral("genetische Evolution starten"));
    EXPECT_EQ(f.Regeltabelle()->toolTip(), QStringLiteral("Chromosom Nr. ... in Regeln übersetzen"));
    EXPECT_EQ(f.SpeichernButton()->toolTip(), QStringLiteral("Chromosomenliste speichern unter ..."));
}

TEST(Suchenfenster, ErzeugenFillsNLinesAndSetsTheCaption)
{
    TFenster w;
    w.form.Evolution().setChromosomenAnzahl(6);
    QTest::mouseClick(w.form.ErzeugenButton(), Qt::LeftButton);
    const QStringList zeilen = w.form.MemoZeilen();
    ASSERT_EQ(zeilen.size(), 6);
    for (const QString& z : zeilen)
        EXPECT_TRUE(ChromosomGueltig(z)) << z.toStdString();
    EXPECT_EQ(w.form.Evolution().Liste(), zeilen);
    EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Genetische Regelsuche [Neu]"));
}

// The window shows what the engine computes: one generation gives the same
// list, grades and log as the engine without a window and the same draws.
TEST(Suchenfenster, GenerationInTheWindowEqualsTheHeadlessEngine)
{
    TFenster w;
    w.form.Evolution().setChromosomenAnzahl(8);
    w.form.ErzeugenButtonClick();
    w.form.nachGeneration = [&](int) { w.form.StopButtonClick(); };
    {
        ScopedMeldungen m;
        w.form.StartButtonClick();
        EXPECT_TRUE(m.meldungen().isEmpty());
    }

    TEvolution e;
    TStandardZufall zufall(7);
    TProtokoll protokoll;
    e.setZufall(&zufall);
    e.setBeobachter(&protokoll);
    e.VariablenUebernehmen({position(), winkel(), kraft()});
    e.setChromosomenAnzahl(8);
    e.Erzeugen();
    ASSERT_TRUE(e.Starten(1));

    EXPECT_EQ(w.form.MemoZeilen(), e.Liste());
    EXPECT_EQ(w.form.Evolution().Liste(), e.Liste());
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(w.form.Evolution().Bewertung(i), e.Bewertung(i)) << i;
    EXPECT_EQ(protokollZeilen(w.protokoll), protokoll.zeilen);
    EXPECT_EQ(protokoll.zeilen.size(), 8 + 7);
    EXPECT_EQ(w.form.IntEdit3()->text(), QStringLiteral("1"));
    EXPECT_EQ(w.form.IntEdit1()->text(), QStringLiteral("8"));
    EXPECT_EQ(w.form.SingEdit1()->text(), SingEditText(e.Bewertung(8)));
    EXPECT_NE(w.form.SingEdit3()->text(), QStringLiteral("  0.0000"));
    // The clock display shows the last step of the last run.
    EXPECT_EQ(w.form.EditZeit()->text(), SingEditText(w.form.Evolution().Pendel().Zeit()));
    EXPECT_TRUE(w.form.StartButton()->isEnabled());
}

// Stop in the middle of grading: the list keeps the generation being graded,
// the log has no line for the chromosome that was stopped, and the controls
// come back.
TEST(Suchenfenster, StopEndsTheSearchWithTheListKept)
{
    // One thread hands events over at every step of a run, several while
    // they wait for the workers.
    for (const int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        TFenster w;
        w.form.Evolution().setThreads(threads);
        w.form.ErzeugenButtonClick();
        const QStringList vorher = w.form.MemoZeilen();
        bool gesperrt = false;
        w.form.beiEreignissen = [&] {
            if (w.form.uebergaben == (threads == 1 ? 50 : 1)) {
                gesperrt = !w.form.ErzeugenButton()->isEnabled() && !w.form.LadenButton()->isEnabled()
                    && !w.form.ParameterButton()->isEnabled() && !w.form.StartButton()->isEnabled()
                    && w.form.Memo1()->isReadOnly() && w.form.StopButton()->isEnabled()
                    && w.form.Protokollbutton()->isEnabled() && w.form.Regeltabelle()->isEnabled();
                QTest::mouseClick(w.form.StopButton(), Qt::LeftButton);
            }
        };
        w.form.StartButtonClick();
        EXPECT_TRUE(gesperrt);
        EXPECT_EQ(w.form.MemoZeilen(), vorher);
        EXPECT_EQ(w.form.Evolution().Liste(), vorher);
        EXPECT_TRUE(w.form.Evolution().simulationbeenden());
        EXPECT_EQ(w.form.IntEdit1()->text(), QStringLiteral("20"));
        const QStringList log = protokollZeilen(w.protokoll);
        ASSERT_EQ(log.size(), 3);
        EXPECT_EQ(log[0], QStringLiteral("Generation: 1"));
        for (QWidget* k : std::initializer_list<QWidget*>{w.form.ErzeugenButton(), w.form.LadenButton(),
                                                           w.form.ParameterButton(), w.form.StartButton()})
            EXPECT_TRUE(k->isEnabled());
        EXPECT_FALSE(w.form.Memo1()->isReadOnly());
    }
}

TEST(Suchenfenster, StartRefusesABadListOrTermCountWithItsMessage)
{
    TFenster w;
    memoSetzen(w.form, nullen + QStringLiteral("\n0"));
    {
        ScopedMeldungen m;
        w.form.StartButtonClick();
        EXPECT_EQ(m.texte(), QStringList{SuchTexte::listeFalsch});
    }
    TFuzzy drei = kraft();
    drei.setAnzahl(3);
    w.form.oeffnen({position(), winkel(), drei});
    memoSetzen(w.form, nullen + QLatin1Char('\n') + einsen);
    w.form.Evolution().setChromosomenAnzahl(2);
    ScopedMeldungen m;
    w.form.StartButtonClick();
    EXPECT_EQ(m.texte(), QStringList{SuchTexte::termanzahlFalsch});
    EXPECT_TRUE(w.form.StartButton()->isEnabled());
}

// A line end after the last line adds no line: the list the user sees and the
// engine's list agree before Start and the parameter dialog's count.
TEST(Suchenfenster, TrailingLineEndAddsNoLine)
{
    TFenster w;
    memoSetzen(w.form, chromosom(0) + QLatin1Char('\n') + chromosom(1) + QLatin1Char('\n'));
    EXPECT_EQ(w.form.MemoZeilen(), (QStringList{chromosom(0), chromosom(1)}));
    memoSetzen(w.form, QString());
    EXPECT_TRUE(w.form.MemoZeilen().isEmpty());

    memoSetzen(w.form, chromosom(0) + QLatin1Char('\n') + chromosom(1) + QLatin1Char('\n'));
    w.form.Evolution().setChromosomenAnzahl(2);
    ScopedModal modal([](QDialog&) { return int(QDialog::Accepted); });
    ScopedMeldungen m;
    w.form.ParameterButtonClick();
    EXPECT_TRUE(m.meldungen().isEmpty()); // 2 lines for 2 chromosomes: no question
}

// "Regeln" reads the chromosome the field shows, checked: a number beyond the
// list or a line that is no chromosome gives the list message and no view.
TEST(Suchenfenster, RegelnShowsTheCheckedChromosomeOrTheListMessage)
{
    TFenster w;
    memoSetzen(w.form, chromosom(0) + QLatin1Char('\n') + einsen + QStringLiteral("\n0101"));
    w.form.SpinEdit1()->setValue(2);
    {
        ScopedModal modal;
        ScopedMeldungen m;
        QTest::mouseClick(w.form.Regeltabelle(), Qt::LeftButton);
        EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TCRegelform")});
        EXPECT_TRUE(m.meldungen().isEmpty());
    }
    const QStringList zeilen = w.cregel.Memo1()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 16);
    for (const QString& z : zeilen)
        EXPECT_EQ(z, QStringLiteral("WENN Position=rechts UND Winkel=stark rechts, DANN Kraft=stark rechts"));

    struct Fall {
        int nummer;
        const char* warum;
    };
    for (const Fall& fall : {Fall{3, "line is no chromosome"}, Fall{4, "beyond the list"}}) {
        w.form.SpinEdit1()->setMaximum(40);
        w.form.SpinEdit1()->setValue(fall.nummer);
        ScopedModal modal;
        ScopedMeldungen m;
        w.form.RegeltabelleClick();
        EXPECT_TRUE(modal.dialoge().isEmpty()) << fall.warum;
        EXPECT_EQ(m.texte(), QStringList{SuchTexte::listeFalsch}) << fall.warum;
    }

    memoSetzen(w.form, QString());
    ScopedModal modal;
    ScopedMeldungen m;
    w.form.RegeltabelleClick();
    EXPECT_TRUE(modal.dialoge().isEmpty());
    EXPECT_TRUE(m.meldungen().isEmpty());
}

// A click chooses the chromosome of the caret's line (a line end counting two
// characters); a double click also shows its rules.
TEST(Suchenfenster, ClickInTheListChoosesTheChromosomeUnderTheCaret)
{
    TFenster w;
    QStringList liste;
    for (int i = 0; i < 5; ++i)
        liste.append(chromosom(i));
    memoSetzen(w.form, liste.join(QLatin1Char('\n')));
    QPlainTextEdit* memo = w.form.Memo1();
    const QTextBlock dritte = memo->document()->findBlockByNumber(2);
    for (int spalte : {0, 50, 96}) {
        w.form.SpinEdit1()->setValue(1);
        QTextCursor c(dritte);
        c.setPosition(dritte.position() + spalte);
        w.form.Memo1Click(c);
        EXPECT_EQ(w.form.Regelnummer(), 3) << spalte;
    }

    w.form.SpinEdit1()->setValue(1);
    memo->resize(memo->size()); // lays the text out for cursorRect
    QTextCursor c(dritte);
    c.setPosition(dritte.position() + 10);
    const QPoint punkt = memo->cursorRect(c).center();
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, punkt);
    EXPECT_EQ(w.form.Regelnummer(), 3);

    w.form.SpinEdit1()->setValue(1);
    ScopedModal modal;
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, punkt);
    EXPECT_EQ(w.form.Regelnummer(), 3);
    EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TCRegelform")});
    TRegelsystem erwartet{};
    StringToRegelsystem(chromosom(2), erwartet);
    EXPECT_EQ(w.cregel.Memo1()->toPlainText(),
              RegelsystemZeilen(erwartet, position(), winkel(), kraft()).join(QLatin1Char('\n')));
}

// The field is the one source of the number: activation (after any message
// box) leaves it, only opening the window sets it back to 1.
TEST(Suchenfenster, ChromosomeNumberSurvivesActivationAndResetsOnOpening)
{
    TFenster w;
    w.form.SpinEdit1()->setValue(7);
    QEvent aktiv(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w.form, &aktiv);
    EXPECT_EQ(w.form.Regelnummer(), 7);
    w.form.oeffnen({position(), winkel(), kraft()});
    EXPECT_EQ(w.form.Regelnummer(), 1);
}

TEST(Suchenfenster, RadioGroupSetsThePaceAtOnce)
{
    TFenster w;
    w.form.Echtzeit()->setChecked(true);
    EXPECT_TRUE(w.form.Evolution().echtzeit());
    w.form.MoeglichstSchnell()->setChecked(true);
    EXPECT_FALSE(w.form.Evolution().echtzeit());
}

TEST(Suchenfenster, LadenOfAGoodFileSetsListCountLimitAndCaption)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("liste.gen"));
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes += chromosom(i).toLatin1() + "\r\n";
    dateitest::schreiben(pfad, bytes);

    TFenster w;
    w.form.SpinEdit1()->setValue(9);
    ScopedDateiDialoge dialoge({pfad});
    ScopedMeldungen m;
    QTest::mouseClick(w.form.LadenButton(), Qt::LeftButton);
    ASSERT_EQ(dialoge.dialoge().size(), 1);
    EXPECT_EQ(dialoge.dialoge()[0].titel, QStringLiteral("Gen-Datei laden"));
    EXPECT_EQ(dialoge.dialoge()[0].filter, QStringLiteral("Gen-Datei (*.gen)"));
    EXPECT_EQ(dialoge.dialoge()[0].art, TDateiDialog::Art::Oeffnen);
    EXPECT_TRUE(m.meldungen().isEmpty());
    EXPECT_EQ(w.form.MemoZeilen(), (QStringList{chromosom(0), chromosom(1), chromosom(2), chromosom(3)}));
    EXPECT_EQ(w.form.Evolution().ChromosomenAnzahl(), 4);
    EXPECT_EQ(w.form.SpinEdit1()->maximum(), 4);
    EXPECT_EQ(w.form.Regelnummer(), 4); // kept within the new limit
    EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Genetische Regelsuche [") + pfad + QLatin1Char(']'));
}

TEST(Suchenfenster, LadenOfBadFilesGivesTheMessagesAndAValidField)
{
    QTemporaryDir ordner;
    const QString einzeln = ordner.filePath(QStringLiteral("eine.gen"));
    dateitest::schreiben(einzeln, nullen.toLatin1() + "\r\n");
    const QString lang = ordner.filePath(QStringLiteral("lang.gen"));
    QByteArray bytes;
    for (int i = 0; i < 41; ++i)
        bytes += chromosom(i).toLatin1() + "\r\n";
    dateitest::schreiben(lang, bytes);

    TFenster w;
    {
        ScopedDateiDialoge dialoge({lang});
        ScopedMeldungen m;
        w.form.LadenButtonClick();
        EXPECT_EQ(m.texte(), QStringList{SuchTexte::maximal40});
        EXPECT_EQ(w.form.MemoZeilen().size(), 41);
        EXPECT_EQ(w.form.Evolution().ChromosomenAnzahl(), 40);
    }
    {
        // One line: n = 0, and the field still has a range of at least 1.
        ScopedDateiDialoge dialoge({einzeln});
        ScopedMeldungen m;
        w.form.LadenButtonClick();
        EXPECT_EQ(m.texte(), QStringList{SuchTexte::minimal2});
        EXPECT_EQ(w.form.Evolution().ChromosomenAnzahl(), 0);
        EXPECT_EQ(w.form.SpinEdit1()->minimum(), 1);
        EXPECT_EQ(w.form.SpinEdit1()->maximum(), 1);
        EXPECT_EQ(w.form.Regelnummer(), 1);
    }
    const QString titel = w.form.windowTitle();
    {
        ScopedDateiDialoge dialoge({ordner.filePath(QStringLiteral("fehlt.gen"))});
        ScopedMeldungen m;
        w.form.LadenButtonClick();
        ASSERT_EQ(m.meldungen().size(), 1);
        EXPECT_EQ(m.meldungen()[0].art, MeldungsArt::Fehler);
        EXPECT_TRUE(m.meldungen()[0].text.startsWith(SuchTexte::genNichtGelesen));
        EXPECT_TRUE(w.form.MemoZeilen().isEmpty());
        EXPECT_EQ(w.form.Evolution().ChromosomenAnzahl(), 0);
        EXPECT_EQ(w.form.windowTitle(), titel);
    }
    {
        ScopedDateiDialoge dialoge; // cancelled
        memoSetzen(w.form, nullen);
        w.form.LadenButtonClick();
        EXPECT_EQ(w.form.MemoZeilen(), QStringList{nullen});
    }
}

// Saving writes the list as the user sees it, unchecked, with CR LF.
TEST(Suchenfenster, SpeichernWritesTheTextAreaAndSetsTheCaption)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("neu.gen"));
    TFenster w;
    memoSetzen(w.form, nullen + QStringLiteral("\nvon Hand\n"));
    ScopedDateiDialoge dialoge({pfad});
    ScopedMeldungen m;
    QTest::mouseClick(w.form.SpeichernButton(), Qt::LeftButton);
    EXPECT_EQ(dialoge.dialoge()[0].titel, QStringLiteral("Gen-Datei speichern"));
    EXPECT_EQ(dialoge.dialoge()[0].art, TDateiDialog::Art::Speichern);
    EXPECT_TRUE(m.meldungen().isEmpty());
    EXPECT_EQ(dateitest::lesen(pfad), nullen.toLatin1() + "\r\nvon Hand\r\n");
    EXPECT_EQ(w.form.windowTitle(), QStringLiteral("Genetische Regelsuche [") + pfad + QLatin1Char(']'));
}

TEST(Suchenfenster, ParameterDialogTakesValuesAndReplacesThoseOutOfRange)
{
    struct Fall {
        const char *anzahl, *kreuzung, *mutation;
        int ca;
        float kr, mr;
    };
    const Fall faelle[] = {
        {"0", "0", "1.5", 20, 0.2f, 0.01f},    {"41", "1.5", "0", 20, 0.2f, 0.01f},
        {"40", "1", "1", 40, 1.0f, 1.0f},      {"4", "0,5", "0.02", 4, 0.5f, 0.02f},
        {"x", "-0.1", "abc", 20, 0.2f, 0.01f},
    };
    for (const Fall& f : faelle) {
        TFenster w;
        ScopedModal modal([&](QDialog& d) {
            auto& p = static_cast<TParameterForm&>(d);
            EXPECT_EQ(p.IntEdit1()->text(), QStringLiteral("20"));
            p.IntEdit1()->setText(QString::fromLatin1(f.anzahl));
            p.SingEdit1()->setText(QString::fromLatin1(f.kreuzung));
            p.SingEdit2()->setText(QString::fromLatin1(f.mutation));
            return int(QDialog::Accepted);
        });
        ScopedMeldungen m({Antwort::Ja});
        w.form.SpinEdit1()->setValue(5);
        QTest::mouseClick(w.form.ParameterButton(), Qt::LeftButton);
        EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TParameterForm")});
        EXPECT_EQ(w.form.Evolution().ChromosomenAnzahl(), f.ca) << f.anzahl;
        EXPECT_EQ(w.form.Evolution().Parameter().Kreuzungsrate, f.kr) << f.kreuzung;
        EXPECT_EQ(w.form.Evolution().Parameter().mutationsrate, f.mr) << f.mutation;
        EXPECT_EQ(w.form.SpinEdit1()->maximum(), f.ca);
        EXPECT_EQ(w.form.Regelnummer(), 1);
        // The empty list differs from n: Yes creates n chromosomes.
        EXPECT_EQ(m.texte(), QStringList{SuchTexte::frageNeuErzeugen});
        EXPECT_EQ(w.form.MemoZeilen().size(), f.ca);
    }
}

TEST(Suchenfenster, ParameterStandardwerteAndCancel)
{
    TFenster w;
    w.form.Evolution().setParameter(TSuchParameter{3, 0.7f, 0.01f});
    memoSetzen(w.form, QStringList{nullen, einsen, nullen}.join(QLatin1Char('\n')));
    ScopedModal modal([](QDialog& d) {
        auto& p = static_cast<TParameterForm&>(d);
        EXPECT_EQ(p.IntEdit1()->text(), QStringLiteral("3"));
        EXPECT_EQ(p.SingEdit1()->text(), SingEditText(0.7f));
        QTest::mouseClick(p.StandardButton(), Qt::LeftButton);
        EXPECT_EQ(p.IntEdit1()->text(), QStringLiteral("20"));
        EXPECT_EQ(p.SingEdit1()->text(), SingEditText(0.2f));
        EXPECT_EQ(p.SingEdit2()->text(), SingEditText(0.01f));
        return int(QDialog::Rejected);
    });
    // Cancel keeps n and the rates, but the odd count is still warned about.
    ScopedMeldungen m;
    w.form.ParameterButtonClick();
    EXPECT_EQ(w.form.Evolution().ChromosomenAnzahl(), 3);
    EXPECT_EQ(w.form.Evolution().Parameter().Kreuzungsrate, 0.7f);
    EXPECT_EQ(m.texte(), QStringList{SuchTexte::anzahlGerade});
    // The dialog took its fields anyway, as it does however it closes.
    EXPECT_EQ(w.parameter.Ergebnis().ChromosomenAnzahl, 20);
}

TEST(Suchenfenster, ParameterLineCountQuestionNoTakesTheLineCount)
{
    TFenster w;
    memoSetzen(w.form, QStringList{nullen, einsen, nullen, einsen}.join(QLatin1Char('\n')));
    ScopedModal modal([](QDialog& d) {
        static_cast<TParameterForm&>(d).IntEdit1()->setText(QStringLiteral("6"));
        return int(QDialog::Accepted);
    });
    {
        ScopedMeldungen m({Antwort::Nein});
        w.form.ParameterButtonClick();
        EXPECT_EQ(m.texte(), QStringList{SuchTexte::frageNeuErzeugen});
        EXPECT_EQ(w.form.Evolution().ChromosomenAnzahl(), 4);
        EXPECT_EQ(w.form.MemoZeilen().size(), 4);
        EXPECT_EQ(w.form.SpinEdit1()->maximum(), 4);
    }
    // More than 40 lines: n stops at 40, with the loader's warning.
    QStringList viele;
    for (int i = 0; i < 45; ++i)
        viele.append(chromosom(i));
    memoSetzen(w.form, viele.join(QLatin1Char('\n')));
    ScopedMeldungen m({Antwort::Nein});
    w.form.ParameterButtonClick();
    EXPECT_EQ(m.texte(), (QStringList{SuchTexte::frageNeuErzeugen, SuchTexte::maximal40}));
    EXPECT_EQ(w.form.Evolution().ChromosomenAnzahl(), 40);
}

// Closing during a search asks first; a confirmed close stops the search and
// completes once the loop has returned; an unconfirmed one lets the search go
// on and completes when it ends.
TEST(Suchenfenster, CloseDuringASearchAsksAndWaitsForTheLoop)
{
    TFenster w;
    w.form.Evolution().setThreads(1);
    w.form.Evolution().setChromosomenAnzahl(4);
    w.form.ErzeugenButtonClick();
    w.form.setResult(-1);
    int nachFrage = -1;
    w.form.beiEreignissen = [&] {
        if (w.form.uebergaben == 10) {
            QTest::mouseClick(w.form.OKBtn(), Qt::LeftButton);
            nachFrage = w.form.result();
        }
    };
    ScopedMeldungen m({Antwort::Ja});
    w.form.StartButtonClick();
    EXPECT_EQ(m.texte(), QStringList{SuchTexte::frageAbbrechen});
    EXPECT_EQ(nachFrage, -1);                         // not closed inside the loop
    EXPECT_EQ(w.form.result(), int(QDialog::Accepted)); // closed after it
    EXPECT_TRUE(w.form.Evolution().simulationbeenden());

    // No: the search goes on (here until the Stop after its third generation),
    // the close stays pending, and the window closes when the search ends. A
    // second close meanwhile asks again.
    w.form.setResult(-1);
    int offenNachNein = -1;
    w.form.nachGeneration = [&](int generation) {
        if (generation == 3) {
            offenNachNein = w.form.result();
            w.form.StopButtonClick();
        }
    };
    w.form.beiEreignissen = [&] {
        if (w.form.uebergaben == 10 || w.form.uebergaben == 20)
            w.form.reject(); // Escape and the close box
    };
    w.form.uebergaben = 0;
    ScopedMeldungen nein({Antwort::Nein, Antwort::Nein});
    w.form.StartButtonClick();
    EXPECT_EQ(nein.texte(), (QStringList{SuchTexte::frageAbbrechen, SuchTexte::frageAbbrechen}));
    EXPECT_EQ(offenNachNein, -1);
    EXPECT_EQ(w.form.IntEdit3()->text(), QStringLiteral("3"));
    EXPECT_EQ(protokollZeilen(w.protokoll).size(), 3 * (4 + 7));
    EXPECT_EQ(w.form.result(), int(QDialog::Rejected));

    // Without a close pending the end of a search leaves the window open.
    w.form.setResult(-1);
    w.form.beiEreignissen = nullptr;
    w.form.nachGeneration = [&](int) { w.form.StopButtonClick(); };
    w.form.StartButtonClick();
    EXPECT_EQ(w.form.result(), -1);
}

// The plot of a run: the red target mark under 2 and the crane in XOR.
TEST(Suchenfenster, PlotShowsTargetMarkAndCraneAfterARun)
{
    TFenster w;
    w.form.Evolution().setThreads(1);
    w.form.Evolution().setChromosomenAnzahl(2);
    w.form.ErzeugenButtonClick();
    // Stop at the first hand-over: the first run ends after its current step.
    w.form.beiEreignissen = [&] { w.form.StopButtonClick(); };
    w.form.StartButtonClick();
    const QImage& bild = w.form.Koordinatensystem1()->Bild();
    int rot = 0;
    int kran = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y) & 0xFFFFFF;
            rot += p == 0xFF0000;
            kran += p == 0x00FFFF; // red XOR white
        }
    }
    EXPECT_GT(rot, 4);
    EXPECT_GT(kran, 20);
    // The target mark sits below x = 2.
    const auto ziel = w.form.Koordinatensystem1()->Pixel(2, -0.15f);
    ASSERT_TRUE(ziel);
    bool markeBeiZwei = false;
    for (int dx = -3; dx <= 3; ++dx)
        markeBeiZwei |= (bild.pixel(ziel->x() + dx, ziel->y()) & 0xFFFFFF) == 0xFF0000;
    EXPECT_TRUE(markeBeiZwei);
}

TEST(Suchenfenster, EveryHelpButtonOpensTheSearchHelp)
{
    TFenster w;
    ScopedHilfe hilfe;
    for (QPushButton* k : {w.form.HelpBtn(), w.parameter.HelpBtn(), w.protokoll.HelpBtn(), w.cregel.HelpBtn()})
        QTest::mouseClick(k, Qt::LeftButton);
    EXPECT_EQ(hilfe.seiten(), (QList<HilfeSeite>{HilfeSeite::Suche, HilfeSeite::Suche, HilfeSeite::Suche, HilfeSeite::Suche}));
}

TEST(Suchenfenster, ProtokollButtonShowsTheLogThatSurvivesClosing)
{
    TFenster w;
    w.protokoll.anhaengen(QStringLiteral("Generation: 1"));
    w.protokoll.anhaengen(QStringLiteral(" "));
    for (int mal = 0; mal < 2; ++mal) {
        ScopedModal modal;
        QTest::mouseClick(w.form.Protokollbutton(), Qt::LeftButton);
        EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TProtokollform")});
        EXPECT_EQ(protokollZeilen(w.protokoll), (QStringList{QStringLiteral("Generation: 1"), QStringLiteral(" ")}));
    }
}

} // namespace
