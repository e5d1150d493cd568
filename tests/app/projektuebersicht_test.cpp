// The overview of the project in the main window, and its start page.
#include "app/mainform.h"
#include "app/projektuebersicht.h"
#include "app/startseite.h"
#include "core/projekt.h"
#include "forms/vareditform.h"
#include "platform/dateidialog.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "widgets/koordinatensystem.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "tests/fuzzy_hilfe.h"
#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

using fuzzytest::trapezVariable;

const QString beispiel = QStringLiteral(TARVIK_TESTDATA "/../../examples/pendel.fuz");
const QString ohneB = QStringLiteral(TARVIK_TESTDATA "/winkel.fuz");
const QString frageLoeschen = QStringLiteral("Sollen die bestehenden Daten\rtatsächlich gelöscht werden?");
const QString regelnOhneVariablen = QStringLiteral("Eingang A und/oder Ausgang (noch) nicht definiert!");

TProjekt geladen(const QString& pfad)
{
    TProjekt p;
    p.Dateiname = QFileInfo(pfad).absoluteFilePath();
    LoadFile(p);
    return p;
}

// A named variable with three terms NE, NU, PO on -1..1.
TFuzzy dreiTerme(const QString& name)
{
    TFuzzy f = trapezVariable(-1, 1, {{-1, -1, -0.5f, 0}, {-0.5f, 0, 0, 0.5f}, {0, 0.5f, 1, 1}});
    f.setName(name);
    f.setTermname(1, QStringLiteral("negativ"));
    f.setTermname(2, QStringLiteral("null"));
    f.setTermname(3, QStringLiteral("positiv"));
    return f;
}

// Whether the picture has a pixel of the colour.
bool hatFarbe(const QImage& bild, QColor farbe)
{
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixelColor(x, y) == farbe)
                return true;
        }
    }
    return false;
}

QString zelle(const QTableWidget* gitter, int zeile, int spalte)
{
    const QTableWidgetItem* z = gitter->item(zeile, spalte);
    return z ? z->text() : QStringLiteral("<keine>");
}

class Uebersicht : public testing::Test {
protected:
    void SetUp() override
    {
        u.resize(1200, 900);
        u.show();
    }
    TProjektuebersicht u;
};

TEST_F(Uebersicht, EmptyProjectShowsTheStartPageAndAnyDefinedPartTheOverview)
{
    u.Zeigen(TProjekt{});
    EXPECT_TRUE(u.StartseiteSichtbar());
    EXPECT_TRUE(u.Startseite()->AssistentKnopf()->isVisible());

    TProjekt nurRegeln;
    nurRegeln.Regeltab(1, 1) = 2;
    u.Zeigen(nurRegeln);
    EXPECT_FALSE(u.StartseiteSichtbar());

    TProjekt nurAusgang;
    nurAusgang.Ausgang = dreiTerme(QStringLiteral("Kraft"));
    u.Zeigen(nurAusgang);
    EXPECT_FALSE(u.StartseiteSichtbar());
    EXPECT_EQ(u.NaechsterSchritt()->text(),
              QStringLiteral("Nächster Schritt: Definieren Sie den Eingang A: Doppelklick auf „Eingang A“ "
                             "oder „Fuzzyvariable → Editieren → Eingang A“."));
    EXPECT_EQ(u.Regelanzahl()->text(), QStringLiteral("keine Regeln"));
    EXPECT_FALSE(u.Regelgitter()->isVisible());
}

TEST_F(Uebersicht, ShowsTheVariablesTheRulesAndTheFile)
{
    TProjekt p = geladen(beispiel);
    u.Zeigen(p);
    EXPECT_FALSE(u.StartseiteSichtbar());
    EXPECT_EQ(u.Dateiname()->text(), QStringLiteral("pendel.fuz"));
    EXPECT_EQ(u.Zustand()->text(), QStringLiteral("Gespeichert"));
    EXPECT_EQ(u.Variablentitel(1)->text(), QStringLiteral("Eingang A: Winkel"));
    EXPECT_EQ(u.Variablentext(1)->text(), QStringLiteral("Grundmenge -30.00 bis 30.00 · 5 Terme"));
    EXPECT_EQ(u.Variablentitel(3)->text(), QStringLiteral("Ausgang: Kraft"));
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(u.Variablenplot(i)->isVisible()) << i;
    EXPECT_EQ(u.Regelanzahl()->text(), QStringLiteral("25 Regeln"));

    // The grid as the rule editor lays it out: A's terms down, B's across.
    const QTableWidget* g = u.Regelgitter();
    ASSERT_EQ(g->rowCount(), 5);
    ASSERT_EQ(g->columnCount(), 5);
    EXPECT_EQ(g->verticalHeaderItem(0)->text(), p.EingangA.AbkTermname(1));
    EXPECT_EQ(g->horizontalHeaderItem(4)->text(), p.EingangB.AbkTermname(5));
    for (int c = 1; c <= 5; ++c) {
        for (int r = 1; r <= 5; ++r)
            EXPECT_EQ(zelle(g, r - 1, c - 1), p.Ausgang.AbkTermname(p.Regeltab(c, r))) << c << ", " << r;
    }

    // Terms are drawn in their colours: the first blue, the second red.
    QCoreApplication::processEvents();
    const QImage bild = u.Variablenplot(1)->Bild();
    EXPECT_GT(bild.width(), 300);
    EXPECT_TRUE(hatFarbe(bild, QColor(0, 0, 255)));
    EXPECT_TRUE(hatFarbe(bild, QColor(255, 0, 0)));

    p.Geaendert = true;
    u.Zeigen(p);
    EXPECT_EQ(u.Zustand()->text(), QStringLiteral("Ungespeicherte Änderungen"));
    p.Dateiname = QStringLiteral("Neu");
    p.Geaendert = false;
    u.Zeigen(p);
    EXPECT_EQ(u.Dateiname()->text(), QStringLiteral("Neues Projekt"));
    EXPECT_EQ(u.Zustand()->text(), QStringLiteral("Noch nicht gespeichert"));
}

TEST_F(Uebersicht, WithoutInputBTheGridHasOneColumnAndBIsNotDefined)
{
    const TProjekt p = geladen(ohneB);
    ASSERT_FALSE(p.EingangB.definiert());
    u.Zeigen(p);
    EXPECT_FALSE(u.Variablenplot(2)->isVisible());
    const QList<QLabel*> texte = u.Variablenflaeche(2)->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(texte.begin(), texte.end(), [](const QLabel* l) {
        return l->isVisible() && l->text() == QStringLiteral("nicht definiert");
    }));
    EXPECT_EQ(u.Variablentitel(2)->text(), QStringLiteral("Eingang B"));
    EXPECT_EQ(u.Regelgitter()->columnCount(), 1);
    EXPECT_EQ(u.Regelgitter()->rowCount(), p.EingangA.Anzahl());
    EXPECT_EQ(u.Regelanzahl()->text(), QStringLiteral("2 Regeln"));
}

TEST_F(Uebersicht, NextStepFollowsWhatTheProjectLacks)
{
    const TFuzzy v = dreiTerme(QStringLiteral("V"));
    struct Fall {
        bool a, b, ausgang, regel;
        const char* beginn;
    };
    const Fall faelle[] = {
        {false, true, true, true, "Definieren Sie den Eingang A"},
        {true, true, false, false, "Definieren Sie den Ausgang"},
        {true, true, true, false, "Geben Sie die Regeln ein"},
        {true, false, true, true, "Testen Sie den Regler mit „Regeln → Testen“. Um mit ihm das Pendel"},
        {true, true, true, true, "Der Regler ist bereit"},
    };
    for (const Fall& f : faelle) {
        TProjekt p;
        if (f.a)
            p.EingangA = v;
        if (f.b)
            p.EingangB = v;
        if (f.ausgang)
            p.Ausgang = v;
        p.Regeltab(1, 1) = f.regel ? 1 : 0;
        u.Zeigen(p);
        EXPECT_TRUE(u.NaechsterSchritt()->text().startsWith(QStringLiteral("Nächster Schritt: ") +
                                                            QString::fromUtf8(f.beginn)))
            << u.NaechsterSchritt()->text().toStdString();
    }
}

TEST_F(Uebersicht, ARuleNamingAMissingOutputTermShowsAsUnknown)
{
    TProjekt p;
    p.EingangA = dreiTerme(QStringLiteral("A"));
    p.Ausgang = dreiTerme(QStringLiteral("Z"));
    p.Regeltab(1, 2) = 5;
    u.Zeigen(p);
    EXPECT_EQ(zelle(u.Regelgitter(), 1, 0), QStringLiteral("?"));
    EXPECT_EQ(u.Regelanzahl()->text(),
              QStringLiteral("keine wirksame Regel · 1 nennt einen gelöschten Ausgangsterm („?“) und wirkt nicht"));
}

// The pendulum example after its output lost term 5: six rules name it.
TEST_F(Uebersicht, AfterAnOutputTermIsDeletedItsRulesAreNotCountedAndTheControllerIsNotReady)
{
    TProjekt p = geladen(beispiel);
    u.Zeigen(p);
    EXPECT_EQ(u.Regelanzahl()->text(), QStringLiteral("25 Regeln"));
    p.Ausgang.setAnzahl(4);
    u.Zeigen(p);
    int unbekannt = 0;
    for (int r = 0; r < u.Regelgitter()->rowCount(); ++r)
        for (int c = 0; c < u.Regelgitter()->columnCount(); ++c)
            unbekannt += zelle(u.Regelgitter(), r, c) == QStringLiteral("?");
    EXPECT_EQ(unbekannt, 6);
    EXPECT_EQ(u.Regelanzahl()->text(),
              QStringLiteral("19 Regeln · 6 nennen einen gelöschten Ausgangsterm („?“) und wirken nicht"));
    EXPECT_TRUE(u.NaechsterSchritt()->text().startsWith(QStringLiteral("Nächster Schritt: Ändern oder löschen Sie")))
        << u.NaechsterSchritt()->text().toStdString();
    // The whole count is readable in the card.
    EXPECT_LE(u.Regelanzahl()->heightForWidth(u.Regelanzahl()->width()), u.Regelanzahl()->height());
}

// Universes without extent or turned round, terms out of order or beyond the
// universe, a term count out of range: drawn without hanging or crashing.
TEST_F(Uebersicht, BadVariablesAreDrawnWithoutHanging)
{
    const TFuzzy faelle[] = {
        trapezVariable(5, 5, {{5, 5, 5, 5}}),
        trapezVariable(10, -10, {{-5, 0, 0, 5}}),
        trapezVariable(0, 1, {{1, 0.5f, 0.2f, 0}, {-1e30f, 3e30f, 1e30f, -1e30f}}),
        trapezVariable(0, 1e-30f, {{0, 0, 1, 1}}),
    };
    for (const TFuzzy& f : faelle) {
        TProjekt p;
        p.EingangA = f;
        p.EingangA.setName(QStringLiteral("schief"));
        p.Ausgang = f;
        p.Regeltab(1, 1) = 1;
        u.Zeigen(p);
        QCoreApplication::processEvents();
        EXPECT_EQ(u.Variablentitel(1)->text(), QStringLiteral("Eingang A: schief"));
    }
    TProjekt zuViele;
    zuViele.EingangA = dreiTerme(QStringLiteral("A"));
    zuViele.EingangA.setAnzahl(99);
    zuViele.Ausgang = dreiTerme(QStringLiteral("Z"));
    u.Zeigen(zuViele);
    EXPECT_EQ(u.Regelgitter()->rowCount(), 5);
}

TEST_F(Uebersicht, DoubleClicksAskForTheRightEditor)
{
    u.Zeigen(geladen(beispiel));
    QSignalSpy variable(&u, &TProjektuebersicht::VariableEditierenGewuenscht);
    QSignalSpy regeln(&u, &TProjektuebersicht::RegelnEditierenGewuenscht);
    // On the plot itself, on a card's free space, on the rule grid.
    QTest::mouseDClick(u.Variablenplot(3), Qt::LeftButton, {}, QPoint(100, 80));
    QTest::mouseDClick(u.Variablenflaeche(1), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(u.Variablentitel(2), Qt::LeftButton);
    ASSERT_EQ(variable.count(), 3);
    EXPECT_EQ(variable.at(0).at(0).toInt(), 3);
    EXPECT_EQ(variable.at(1).at(0).toInt(), 1);
    EXPECT_EQ(variable.at(2).at(0).toInt(), 2);
    EXPECT_EQ(regeln.count(), 0);
    QTest::mouseDClick(u.Regelgitter(), Qt::LeftButton, {}, QPoint(90, 60));
    EXPECT_EQ(regeln.count(), 1);
    // A single click opens nothing.
    QTest::mouseClick(u.Variablenplot(1), Qt::LeftButton);
    EXPECT_EQ(variable.count(), 3);
}

TEST_F(Uebersicht, UndefinedVariableAsksForItsEditorToo)
{
    u.Zeigen(geladen(ohneB));
    QSignalSpy variable(&u, &TProjektuebersicht::VariableEditierenGewuenscht);
    QTest::mouseDClick(u.Variablenflaeche(2), Qt::LeftButton, {}, QPoint(200, 150));
    ASSERT_EQ(variable.count(), 1);
    EXPECT_EQ(variable.at(0).at(0).toInt(), 2);
}

TEST_F(Uebersicht, CopyPutsThePictureOfTheOverviewOnTheClipboard)
{
    u.Zeigen(geladen(beispiel));
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(u.KopierenKnopf(), Qt::LeftButton);
    const QImage bild = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(bild.isNull());
    EXPECT_EQ(bild.size(), u.Bild().size());
    EXPECT_GT(bild.width(), 1000);
    // The plots are in it, the copy button is not.
    EXPECT_TRUE(hatFarbe(bild, QColor(0, 0, 255)));
    EXPECT_LT(bild.height(), u.height());
    // The hints for the user are left out of the picture only.
    EXPECT_TRUE(u.Zustand()->isVisible());
}

TEST(Beispieldatei, FoundBesideTheProgramInstalledInTheSourceTreeOrInADataFolder)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QDir d(ordner.path());
    d.mkpath(QStringLiteral("bin"));
    d.mkpath(QStringLiteral("build/app"));
    // The data folders are given, so that no example installed on this
    // machine is found.
    const QStringList daten = {d.filePath(QStringLiteral("daten"))};
    const auto suche = [&](const char* programm, const char* name) {
        return BeispielDatei(d.filePath(QString::fromUtf8(programm)), QString::fromUtf8(name), daten);
    };
    EXPECT_EQ(suche("bin", "pendel.fuz"), QString());
    const auto anlegen = [&](const QString& pfad) {
        d.mkpath(QFileInfo(d.filePath(pfad)).path());
        QFile f(d.filePath(pfad));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    // A data folder of the system or the user: share/tarvik/examples.
    anlegen(QStringLiteral("daten/tarvik/examples/kran.fuz"));
    EXPECT_EQ(suche("bin", "kran.fuz"), d.filePath(QStringLiteral("daten/tarvik/examples/kran.fuz")));
    // Source tree: build/app/tarvik beside examples/, before the data folders.
    anlegen(QStringLiteral("examples/kran.fuz"));
    EXPECT_EQ(suche("build/app/", "kran.fuz"), d.filePath(QStringLiteral("examples/kran.fuz")));
    // Installed: bin/tarvik and share/tarvik/examples.
    anlegen(QStringLiteral("share/tarvik/examples/kran.fuz"));
    EXPECT_EQ(suche("bin", "kran.fuz"), d.filePath(QStringLiteral("share/tarvik/examples/kran.fuz")));
    // Beside the program comes first.
    anlegen(QStringLiteral("bin/examples/kran.fuz"));
    EXPECT_EQ(suche("bin", "kran.fuz"), d.filePath(QStringLiteral("bin/examples/kran.fuz")));
    EXPECT_EQ(suche("bin", "pendel.fuz"), QString());
}

// The overview in the main window, driven through the commands. Only the
// examples beside the program count: CTest gives the program empty data folders.
class UebersichtImHauptfenster : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        QDir(ordner.path()).mkpath(QStringLiteral("examples"));
        ASSERT_TRUE(QFile::copy(beispiel, ordner.filePath(QStringLiteral("examples/pendel.fuz"))));
        f = std::make_unique<TMainForm>(ordner.path());
        f->resize(1280, 1000);
        f->show();
    }
    TProjektuebersicht& u() { return *f->Uebersicht(); }

    QTemporaryDir ordner;
    std::unique_ptr<TMainForm> f;
};

TEST_F(UebersichtImHauptfenster, FollowsOpenNewAndSaveAs)
{
    EXPECT_TRUE(u().StartseiteSichtbar());
    {
        ScopedDateiDialoge d({QFileInfo(ohneB).absoluteFilePath()});
        f->Menue().Oeffnen->trigger();
    }
    EXPECT_FALSE(u().StartseiteSichtbar());
    EXPECT_EQ(u().Dateiname()->text(), QStringLiteral("winkel.fuz"));
    EXPECT_EQ(u().Regelgitter()->columnCount(), 1);

    const QString ziel = ordner.filePath(QStringLiteral("kopie.fuz"));
    {
        ScopedDateiDialoge d({ziel});
        ScopedMeldungen m;
        f->FileSaveAs();
    }
    EXPECT_EQ(u().Dateiname()->text(), QStringLiteral("kopie.fuz"));

    // An open cancelled in the file dialog changes nothing.
    {
        ScopedDateiDialoge d;
        f->FileOpen();
    }
    EXPECT_EQ(u().Dateiname()->text(), QStringLiteral("kopie.fuz"));

    f->FileNew();
    EXPECT_TRUE(u().StartseiteSichtbar());
}

// A Save As that wrote nothing leaves the project where it was: the overview
// and the caption name the old file, not one that does not exist. On a full
// disk (a file size limit stands for it) the message claims no earlier version.
TEST_F(UebersichtImHauptfenster, FailedSaveAsKeepsTheFileAndStateOfBefore)
{
    {
        ScopedDateiDialoge d({QFileInfo(ohneB).absoluteFilePath()});
        f->FileOpen();
    }
    const QString titel = f->windowTitle();
    const QString unmoeglich = ordner.filePath(QStringLiteral("fehlt/neu.fuz"));
    {
        ScopedDateiDialoge d({unmoeglich});
        ScopedMeldungen m;
        EXPECT_FALSE(f->FileSaveAs());
        EXPECT_EQ(m.meldungen(), (QList<TMeldung>{{MeldungsArt::Warnung, ProjektTexte::nichtGespeichert}}));
    }
    EXPECT_EQ(f->Projekt().Dateiname, QFileInfo(ohneB).absoluteFilePath());
    EXPECT_EQ(f->windowTitle(), titel);
    EXPECT_EQ(u().Dateiname()->text(), QStringLiteral("winkel.fuz"));
    EXPECT_EQ(u().Zustand()->text(), QStringLiteral("Gespeichert"));

    f->FileNew();
    f->Projekt() = geladen(ohneB);
    f->Projekt().Dateiname = NeuerProjektname;
    f->Projekt().Geaendert = true;
    const QString neu = ordner.filePath(QStringLiteral("neu.fuz"));
    {
        ScopedDateiDialoge d({neu});
        ScopedMeldungen m;
        rlimit vorher{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
        rlimit klein = vorher;
        klein.rlim_cur = 100;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
        const bool gespeichert = f->FileSaveAs();
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalVorher);
        EXPECT_FALSE(gespeichert);
        EXPECT_EQ(m.meldungen(), (QList<TMeldung>{{MeldungsArt::Fehler, ProjektTexte::schreibFehlerNeu}}));
    }
    EXPECT_FALSE(QFile::exists(neu));
    EXPECT_EQ(f->Projekt().Dateiname, NeuerProjektname);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Tarvik [Neu]"));
    EXPECT_EQ(u().Zustand()->text(), QStringLiteral("Ungespeicherte Änderungen"));
}

TEST_F(UebersichtImHauptfenster, EveryMenuCommandRefreshesTheOverviewAfterwards)
{
    // Stands for a command that changed the project without the overview
    // knowing, like an editor closed with OK.
    f->Projekt() = geladen(beispiel);
    f->Projekt().Geaendert = true;
    EXPECT_TRUE(u().StartseiteSichtbar());
    f->Menue().Knopfleiste->trigger();
    EXPECT_FALSE(u().StartseiteSichtbar());
    EXPECT_EQ(u().Zustand()->text(), QStringLiteral("Ungespeicherte Änderungen"));
    EXPECT_EQ(u().Regelanzahl()->text(), QStringLiteral("25 Regeln"));
}

// A double click on a variable opens its editor; OK shows the edited variable
// and the unsaved change at once, Cancel changes nothing.
TEST_F(UebersichtImHauptfenster, VariableDoubleClickOpensItsEditorAndShowsTheResult)
{
    {
        ScopedDateiDialoge d({QFileInfo(beispiel).absoluteFilePath()});
        f->FileOpen();
    }
    const auto umbenennen = [](int ergebnis) {
        return [ergebnis](QDialog& d) {
            auto& e = dynamic_cast<TVarEditform&>(d);
            e.Edit1()->setText(QStringLiteral("Kraft am Wagen"));
            QTest::keyClicks(e.Edit1(), "!");
            if (ergebnis == QDialog::Accepted) {
                e.OKBtn()->click();
                return d.result();
            }
            return ergebnis;
        };
    };
    {
        ScopedModal abbrechen(umbenennen(QDialog::Rejected));
        QTest::mouseDClick(u().Variablenplot(3), Qt::LeftButton, {}, QPoint(80, 80));
        EXPECT_EQ(abbrechen.dialoge(), QStringList{QStringLiteral("TVarEditform")});
    }
    EXPECT_EQ(u().Variablentitel(3)->text(), QStringLiteral("Ausgang: Kraft"));
    EXPECT_EQ(u().Zustand()->text(), QStringLiteral("Gespeichert"));
    {
        ScopedModal ok(umbenennen(QDialog::Accepted));
        QTest::mouseDClick(u().Variablenplot(3), Qt::LeftButton, {}, QPoint(80, 80));
    }
    EXPECT_EQ(u().Variablentitel(3)->text(), QStringLiteral("Ausgang: Kraft am Wagen!"));
    EXPECT_EQ(u().Regelanzahl()->text(), QStringLiteral("25 Regeln"));
    EXPECT_EQ(u().Zustand()->text(), QStringLiteral("Ungespeicherte Änderungen"));
    {
        // The command itself shows the result, as the assistant calls it between its steps.
        ScopedModal ok(umbenennen(QDialog::Accepted));
        ASSERT_TRUE(f->VariableEditieren(1));
    }
    EXPECT_EQ(u().Variablentitel(1)->text(), QStringLiteral("Eingang A: Kraft am Wagen!"));

    // The undefined input B, between a defined A and a defined output.
    f->Projekt().EingangA = dreiTerme(QStringLiteral("A"));
    f->Projekt().EingangB = TFuzzy{};
    f->Projekt().Ausgang = dreiTerme(QStringLiteral("Z"));
    f->Menue().Knopfleiste->trigger();
    QString name;
    ScopedModal welche([&name](QDialog& d) {
        name = dynamic_cast<TVarEditform&>(d).Edit1()->text();
        return int(QDialog::Rejected);
    });
    QTest::mouseDClick(u().Variablenflaeche(2), Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(name, QStringLiteral("Fuzzyvariable"));
}

TEST_F(UebersichtImHauptfenster, RulesDoubleClickGoesThroughTheRuleCommandWithItsWarning)
{
    {
        ScopedDateiDialoge d({QFileInfo(beispiel).absoluteFilePath()});
        f->FileOpen();
    }
    f->Projekt().Ausgang.setDefiniert(false);
    ScopedMeldungen m;
    QTest::mouseDClick(u().Regelflaeche(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Warnung, regelnOhneVariablen}}));
    // The command refreshed the overview: the output shows as undefined now.
    EXPECT_FALSE(u().Variablenplot(3)->isVisible());
}

TEST_F(UebersichtImHauptfenster, StartPageOpensTheExampleThroughOpenWithItsQuestion)
{
    ASSERT_TRUE(u().Startseite()->PendelKnopf()->isEnabled());
    EXPECT_FALSE(u().Startseite()->KranKnopf()->isEnabled());
    EXPECT_EQ(u().Startseite()->KranKnopf()->toolTip(), QStringLiteral("Die Beispieldatei kran.fuz wurde bei Tarvik nicht gefunden."));

    f->Projekt().Geaendert = true;
    {
        ScopedMeldungen m({Antwort::Nein});
        QTest::mouseClick(u().Startseite()->PendelKnopf(), Qt::LeftButton);
        EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Bestaetigung, frageLoeschen}}));
    }
    EXPECT_TRUE(u().StartseiteSichtbar());
    EXPECT_EQ(f->Projekt().Dateiname, QStringLiteral("Neu"));
    {
        ScopedMeldungen m({Antwort::Ja});
        QTest::mouseClick(u().Startseite()->PendelKnopf(), Qt::LeftButton);
    }
    const QString pfad = QDir::cleanPath(ordner.filePath(QStringLiteral("examples/pendel.fuz")));
    EXPECT_EQ(f->Projekt().Dateiname, pfad);
    EXPECT_EQ(f->windowTitle(), ProjektTitel(pfad));
    EXPECT_FALSE(f->Projekt().Geaendert);
    EXPECT_FALSE(u().StartseiteSichtbar());
    EXPECT_EQ(u().Variablentitel(1)->text(), QStringLiteral("Eingang A: Winkel"));
}

TEST_F(UebersichtImHauptfenster, AssistantButtonRunsTheAssistantWithItsSteps)
{
    QAction* assistent = f->Menue().Assistent;
    ASSERT_TRUE(assistent->isEnabled());
    EXPECT_TRUE(u().Startseite()->AssistentKnopf()->isEnabled());
    {
        // Every editor cancelled: the steps still run, the rules with their warning.
        ScopedMeldungen m({Antwort::Ok, Antwort::Nein});
        ScopedModal modal;
        QTest::mouseClick(u().Startseite()->AssistentKnopf(), Qt::LeftButton);
        EXPECT_EQ(m.texte(), (QStringList{QStringLiteral("Definieren Sie die Fuzzyvariable für den Eingang A!"),
                                          QStringLiteral("Wollen Sie auch noch eine weitere Eingangsvariable "
                                                         "definieren?"),
                                          QStringLiteral("Definieren Sie die Fuzzyvariable für den Ausgang!"),
                                          QStringLiteral("Geben Sie nun die Regeln ein!"), regelnOhneVariablen}));
        EXPECT_EQ(modal.dialoge(), (QStringList{QStringLiteral("TVarEditform"), QStringLiteral("TVarEditform")}));
    }
    EXPECT_TRUE(u().StartseiteSichtbar());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Tarvik [Neu]"));

    // Without an assistant command the button cannot be pressed.
    assistent->setEnabled(false);
    EXPECT_FALSE(u().Startseite()->AssistentKnopf()->isEnabled());
    assistent->setEnabled(true);
    EXPECT_TRUE(u().Startseite()->AssistentKnopf()->isEnabled());
}

TEST_F(UebersichtImHauptfenster, GivesWayToTheSimulationPanelAndComesBack)
{
    QWidget* panel = f->Simulationsbereich();
    EXPECT_TRUE(u().isVisible());
    panel->show();
    EXPECT_FALSE(u().isVisible());
    // Minimising and restoring the window does not bring it back over the panel.
    f->hide();
    f->show();
    EXPECT_FALSE(u().isVisible());
    EXPECT_TRUE(panel->isVisible());
    panel->hide();
    EXPECT_TRUE(u().isVisible());
}

// Long names wrap or are shortened: the overview still fits a screen 1024
// pixels wide.
TEST(UebersichtBreite, LongNamesDoNotWidenTheWindow)
{
    TProjektuebersicht u;
    TProjekt p = geladen(beispiel);
    p.Dateiname = QStringLiteral("/projekte/") + QString(40, QLatin1Char('o')) + QLatin1Char('/') +
                  QString(120, QLatin1Char('x')) + QStringLiteral(".fuz");
    p.EingangA.setName(QStringLiteral("Position des Wagens auf der Schiene gemessen in Metern vom Mittelpunkt aus"));
    p.EingangB.setName(QStringLiteral("Winkel des Seils gegen die Senkrechte gemessen in Grad, positiv nach rechts"));
    u.Zeigen(p);
    EXPECT_LE(u.minimumSizeHint().width(), 1000);
    EXPECT_TRUE(u.Dateiname()->text().endsWith(QStringLiteral("xx.fuz")));
    // A long name is cut short in the card's title, which names it whole in
    // its hint; a short one is shown as it is, without a hint.
    EXPECT_EQ(u.Variablentitel(1)->text(), QStringLiteral("Eingang A: Position des Wagens auf der Schiene gem…"));
    EXPECT_EQ(u.Variablentitel(1)->toolTip(), p.EingangA.Name());
    EXPECT_EQ(u.Variablentitel(3)->text(), QStringLiteral("Ausgang: ") + p.Ausgang.Name());
    EXPECT_TRUE(u.Variablentitel(3)->toolTip().isEmpty());
}

} // namespace

namespace {

// A laptop screen of 1366 x 768 less a title bar and a panel: with the whole
// pendulum project and a next step of two lines the main window still fits,
// so that its status line stays on the screen; what does not fit scrolls.
TEST(UebersichtHoehe, TheMainWindowFitsALaptopScreenWithAFullProject)
{
    TMainForm f;
    TProjekt p = geladen(beispiel);
    p.Ausgang.setAnzahl(4);
    f.ProjektAendern(p);
    f.resize(1366, 700);
    f.show();
    // The layouts settle in posted events, some posted by others.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }
    EXPECT_FALSE(f.Uebersicht()->StartseiteSichtbar());
    EXPECT_LE(f.minimumSizeHint().height(), 700);
    EXPECT_GE(f.Uebersicht()->Regelgitter()->height(), 5 * 30);
}

} // namespace
