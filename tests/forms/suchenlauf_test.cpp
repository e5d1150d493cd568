// The search window's runs: the search on every core, the log's limit, the
// best chromosome so far, the replay of test runs and a close while a run goes.
#include "forms/suchenform.h"

#include "core/zahlenformat.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "platform/uhr.h"
#include "search/suchtexte.h"
#include "suchfenster.h"
#include "tests/qstring_ausgabe.h"
#include "widgets/intedit.h"
#include "widgets/koordinatensystem.h"
#include "widgets/singedit.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace suchfenster;

// Every position term with angle "links" or "rechts" concludes "null": the
// cart never moves, and only the run from 2 reaches the target.
QString stillstand()
{
    TRegelsystem rs{};
    for (int k = 0; k < 16; ++k)
        rs[k] = TRegel{k % 4 + 1, k / 4 % 2 + 2, 2};
    return ChromosomText(rs);
}

// What the window shows at the end of one generation.
struct TGenerationsbild {
    TAnzeigeWerte werte;
    QStringList liste;
    std::vector<float> noten;
    friend bool operator==(const TGenerationsbild&, const TGenerationsbild&) = default;
};

// "möglichst schnell" grades on every core: the list, every grade, every log
// line in its order, the displays at the end of each generation, the progress
// curve and the last picture are those of the run on one thread.
TEST(Suchlauf, FastModeOnAllCoresShowsWhatTheOneThreadRunShows)
{
    struct TErgebnis {
        std::vector<TGenerationsbild> generationen;
        QStringList protokoll;
        QList<TNotenPunkt> verlauf;
        QStringList felder;
        QImage bild;
        int pendelBilder = 0;
    };
    auto suche = [](int threads) {
        TFenster w;
        w.form.Evolution().setThreads(threads);
        w.form.Evolution().setChromosomenAnzahl(8);
        w.form.ErzeugenButtonClick();
        QStringList liste = w.form.MemoZeilen();
        liste[5] = liste[2]; // a repeated line takes its grade without runs
        w.form.Memo1()->setPlainText(liste.join(QLatin1Char('\n')));
        TErgebnis e;
        w.form.nachGeneration = [&](int generation) {
            TGenerationsbild g{w.form.werte, w.form.Evolution().Liste(), {}};
            for (int i = 1; i <= 8; ++i)
                g.noten.push_back(w.form.Evolution().Bewertung(i));
            e.generationen.push_back(g);
            if (generation == 3)
                w.form.StopButtonClick();
        };
        ScopedMeldungen m;
        w.form.StartButtonClick();
        EXPECT_TRUE(m.meldungen().isEmpty());
        e.protokoll = protokollZeilen(w.protokoll);
        e.verlauf = w.form.Verlaufform().Plot()->Punkte();
        for (QLineEdit* f : std::initializer_list<QLineEdit*>{
                 w.form.IntEdit3(), w.form.IntEdit1(), w.form.IntEdit2(), w.form.EditZeit(), w.form.SingEdit2(),
                 w.form.SingEdit1(), w.form.SingEdit3(), w.form.BesterBisherEdit()})
            e.felder << f->text();
        e.bild = w.form.Koordinatensystem1()->Bild().copy();
        e.pendelBilder = w.form.pendelBilder;
        return e;
    };
    const TErgebnis eins = suche(1);
    const TErgebnis zwei = suche(2);
    ASSERT_EQ(eins.generationen.size(), 3u);
    EXPECT_EQ(zwei.generationen, eins.generationen);
    EXPECT_EQ(zwei.protokoll, eins.protokoll);
    EXPECT_EQ(eins.protokoll.size(), 3 * (8 + 7));
    EXPECT_EQ(zwei.verlauf, eins.verlauf);
    EXPECT_EQ(eins.verlauf.size(), 3);
    EXPECT_EQ(zwei.felder, eins.felder);
    EXPECT_EQ(eins.felder[0], QStringLiteral("3"));
    EXPECT_TRUE(zwei.bild == eins.bild);
    // The workers drew nothing: the window drew at most one picture per
    // chromosome, where one thread draws every step.
    EXPECT_LE(zwei.pendelBilder, 3 * 8);
    EXPECT_GT(eins.pendelBilder, 3 * 8 * 10);
}

// The log takes a limited number of lines, however often the window has
// refreshed it meanwhile: past the limit the search stops with the engine's
// message instead of dropping lines.
TEST(Suchlauf, FullLogStopsTheSearchAlsoAfterRefreshes)
{
    for (const int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        TFenster w;
        w.form.Evolution().setThreads(threads);
        w.form.Evolution().setChromosomenAnzahl(4);
        w.form.ErzeugenButtonClick();
        const QStringList liste = w.form.MemoZeilen();
        w.protokoll.setMaxZeilen(40);
        // Every reading of the clock is 10 ms later: the window refreshes the
        // log many times before it is full.
        ScopedUhr uhr(0, 10);
        // A log that dropped lines would let the search run on.
        w.form.nachGeneration = [&](int generation) {
            if (generation == 6)
                w.form.StopButtonClick();
        };
        ScopedMeldungen m;
        w.form.StartButtonClick();
        EXPECT_EQ(m.texte(), QStringList{SuchTexte::protokollVoll});
        EXPECT_EQ(w.form.IntEdit3()->text(), QStringLiteral("4"));

        TEvolution e;
        TStandardZufall zufall(7);
        TProtokoll protokoll;
        e.setZufall(&zufall);
        e.setBeobachter(&protokoll);
        e.VariablenUebernehmen({position(), winkel(), kraft()});
        e.setListe(liste);
        e.setChromosomenAnzahl(4);
        zufall.Saeen(7);
        ASSERT_TRUE(e.Starten(4));
        EXPECT_EQ(protokollZeilen(w.protokoll), protokoll.zeilen.mid(0, 40));
    }
    EXPECT_EQ(TProtokollform::MaxZeilen, 200000);
}

// "Bester bisher" shows the lowest ChrNote of the search; the rule view shows
// its chromosome on request. A new search starts the record afresh.
TEST(Suchlauf, BestSoFarIsShownAndItsRulesCanBeViewed)
{
    TFenster w;
    w.form.Evolution().setChromosomenAnzahl(6);
    w.form.ErzeugenButtonClick();
    float kleinste = 1e30f;
    w.form.nachGeneration = [&](int generation) {
        for (int i = 1; i <= 6; ++i)
            kleinste = std::min(kleinste, w.form.Evolution().Bewertung(i));
        if (generation == 4)
            w.form.StopButtonClick();
    };
    w.form.StartButtonClick();
    const auto& bester = w.form.Evolution().BesterBisher();
    ASSERT_TRUE(bester.has_value());
    EXPECT_EQ(bester->ChrNote, kleinste);
    EXPECT_EQ(w.form.BesterBisherEdit()->text(), SingEditText(kleinste));

    bool gezeigt = false;
    ScopedModal modal([&](QDialog& d) {
        auto& r = static_cast<TCRegelform&>(d);
        EXPECT_TRUE(r.BesterBisherBox()->isEnabled());
        r.BesterBisherBox()->click();
        gezeigt = r.Gezeigt() == *ChromosomLesen(bester->chromosom);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(w.form.Regeltabelle(), Qt::LeftButton);
    EXPECT_TRUE(gezeigt);

    // Stopped before any chromosome is graded completely: no best yet.
    w.form.Evolution().setThreads(1);
    w.form.nachGeneration = nullptr;
    w.form.beiEreignissen = [&] { w.form.StopButtonClick(); };
    w.form.StartButtonClick();
    EXPECT_FALSE(w.form.Evolution().BesterBisher().has_value());
    EXPECT_EQ(w.form.BesterBisherEdit()->text(), SingEditText(0));
}

// "Testläufe zeigen": the ten runs at the real-time pace in the plot, each
// with its Einzelnote and whether it reached the target; the search's list
// and log stay as they were.
TEST(Suchlauf, ReplayShowsTheTenRunsAtRealTimePace)
{
    TFenster w;
    w.form.Memo1()->setPlainText(stillstand() + QLatin1Char('\n') + stillstand());
    w.protokoll.anhaengen(QStringLiteral("Generation: 1"));
    ScopedUhr uhr(0, 50);
    QStringList texte;
    w.form.nachTestlauf = [&](int) { texte << w.form.WiedergabeText()->text(); };
    bool gesperrt = false;
    w.form.beiEreignissen = [&] { gesperrt = !w.form.StartButton()->isEnabled() && w.form.StopButton()->isEnabled(); };
    ScopedModal modal([](QDialog& d) {
        QTest::mouseClick(static_cast<TCRegelform&>(d).TestlaeufeButton(), Qt::LeftButton);
        return d.result();
    });
    ScopedMeldungen m;
    QTest::mouseClick(w.form.Regeltabelle(), Qt::LeftButton);
    EXPECT_TRUE(m.meldungen().isEmpty());
    EXPECT_TRUE(gesperrt);
    ASSERT_EQ(texte.size(), 10);
    EXPECT_EQ(texte[0], QStringLiteral("Testlauf 1 (Start bei -3 m): Einzelnote 180.05, Ziel nicht erreicht"));
    EXPECT_EQ(texte[5], QStringLiteral("Testlauf 6 (Start bei 1.5 m): Einzelnote 45.05, Ziel nicht erreicht"));
    EXPECT_EQ(texte[6], QStringLiteral("Testlauf 7 (Start bei 2 m): Einzelnote 1.00, Ziel erreicht"));
    EXPECT_EQ(w.form.WiedergabeText()->text(), QStringLiteral("Ziel erreicht in 1 von 10 Testläufen; ChrNote 841.45"));
    // Every step waited 50 ms: 9 runs of 601 steps and one of 20.
    EXPECT_EQ(w.form.echtzeitPausen, 9 * 601 + 20);
    EXPECT_EQ(w.form.IntEdit2()->text(), QStringLiteral("10"));
    EXPECT_EQ(w.form.SingEdit2()->text(), SingEditText(90.0498276f));
    EXPECT_FALSE(w.form.Wiedergabe());
    EXPECT_TRUE(w.form.StartButton()->isEnabled());
    EXPECT_EQ(w.form.MemoZeilen(), (QStringList{stillstand(), stillstand()}));
    EXPECT_EQ(protokollZeilen(w.protokoll), QStringList{QStringLiteral("Generation: 1")});
}

// Stop ends a replay after its current step; a close during a replay needs
// no question and completes once the replay has returned; variables without
// four terms give the term message instead of a replay.
TEST(Suchlauf, StopAndCloseDuringAReplay)
{
    TFenster w;
    const TRegelsystem rs = *ChromosomLesen(stillstand());
    ScopedUhr uhr(0, 50);
    int laeufe = 0;
    w.form.nachTestlauf = [&](int) { ++laeufe; };
    w.form.beiEreignissen = [&] {
        if (w.form.uebergaben == 700)
            QTest::mouseClick(w.form.StopButton(), Qt::LeftButton);
    };
    w.form.TestlaeufeZeigen(rs);
    EXPECT_EQ(laeufe, 2);
    EXPECT_EQ(w.form.WiedergabeText()->text(), SuchTexte::wiedergabeAbgebrochen);

    w.form.setResult(-1);
    w.form.uebergaben = 0;
    int nachSchliessen = 0;
    w.form.beiEreignissen = [&] {
        if (w.form.uebergaben == 10) {
            w.form.reject();
            nachSchliessen = w.form.result();
        }
    };
    ScopedMeldungen m;
    w.form.TestlaeufeZeigen(rs);
    EXPECT_TRUE(m.meldungen().isEmpty());
    EXPECT_EQ(nachSchliessen, -1);
    EXPECT_EQ(w.form.result(), int(QDialog::Rejected));
    EXPECT_FALSE(w.form.Wiedergabe());

    // Variables without four terms cannot run a chromosome's rules.
    TFuzzy drei = kraft();
    drei.setAnzahl(3);
    w.form.oeffnen({position(), winkel(), drei});
    laeufe = 0;
    ScopedMeldungen termfehler;
    w.form.TestlaeufeZeigen(rs);
    EXPECT_EQ(termfehler.texte(), QStringList{SuchTexte::termanzahlFalsch});
    EXPECT_EQ(laeufe, 0);
}

// The title-bar close during a search asks as OK does; No lets the search go
// on, and the window closes when the search has ended.
TEST(Suchlauf, TitleBarCloseDuringASearchWaitsForItsEnd)
{
    TFenster w;
    w.form.Evolution().setThreads(1);
    w.form.Evolution().setChromosomenAnzahl(4);
    w.form.ErzeugenButtonClick();
    w.form.show();
    bool sichtbar = false;
    w.form.beiEreignissen = [&] {
        if (w.form.uebergaben == 10) {
            w.form.close();
            sichtbar = w.form.isVisible();
        }
    };
    w.form.nachGeneration = [&](int generation) {
        if (generation == 2)
            w.form.StopButtonClick();
    };
    ScopedMeldungen m({Antwort::Nein});
    w.form.StartButtonClick();
    EXPECT_EQ(m.texte(), QStringList{SuchTexte::frageAbbrechen});
    EXPECT_TRUE(sichtbar);
    EXPECT_EQ(w.form.IntEdit3()->text(), QStringLiteral("2"));
    EXPECT_FALSE(w.form.isVisible());
    EXPECT_EQ(w.form.result(), int(QDialog::Rejected));
}

// The list dialogs start in the folder of the last list, else in the examples'
// folder the opener names, and F1 there opens the search's help.
TEST(Suchlauf, ListDialogsStartInTheLastListsFolderElseInTheExamples)
{
    QTemporaryDir beispiele;
    QTemporaryDir eigene;
    TFenster w;
    w.form.setAnbindung({beispiele.path(), {}});
    const QString liste = eigene.filePath(QStringLiteral("meine.gen"));
    {
        ScopedDateiDialoge dialoge({std::nullopt, liste});
        w.form.LadenButtonClick();
        w.form.Memo1()->setPlainText(stillstand() + QLatin1Char('\n') + stillstand());
        ScopedMeldungen m;
        w.form.SpeichernButtonClick();
        ASSERT_EQ(dialoge.dialoge().size(), 2);
        for (const TDateiDialog& d : dialoge.dialoge()) {
            EXPECT_EQ(d.vorschlag, beispiele.path() + QLatin1Char('/'));
            EXPECT_EQ(d.hilfeSeite, HilfeSeite::Suche);
        }
        const auto dialog = DateiDialogErstellen(dialoge.dialoge()[0]);
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(beispiele.path()).absolutePath());
    }
    EXPECT_EQ(w.form.LetzteListe(), liste);
    ScopedDateiDialoge dialoge({std::nullopt, std::nullopt});
    w.form.LadenButtonClick();
    w.form.SpeichernButtonClick();
    ASSERT_EQ(dialoge.dialoge().size(), 2);
    for (const TDateiDialog& d : dialoge.dialoge())
        EXPECT_EQ(d.vorschlag, liste);
    const auto dialog = DateiDialogErstellen(dialoge.dialoge()[0]);
    EXPECT_EQ(dialog->directory().absolutePath(), QDir(eigene.path()).absolutePath());

    // Without an examples folder the dialog starts where Qt starts it.
    TFenster ohne;
    ScopedDateiDialoge leer;
    ohne.form.LadenButtonClick();
    ASSERT_EQ(leer.dialoge().size(), 1);
    EXPECT_EQ(leer.dialoge()[0].vorschlag, QString());
}

} // namespace
