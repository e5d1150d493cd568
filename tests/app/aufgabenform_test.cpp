// The task window: the list and texts, the verdict of Prüfen with its
// figure, the check's run in the time plot with its marker, the help, and
// the main window's menu entry that opens it.
#include "app/aufgabenform.h"
#include "app/mainform.h"
#include "app/verlaufplot.h"
#include "platform/hilfe.h"
#include "platform/modal.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest/QTest>

#include "tests/datei_hilfe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

namespace {

const QString Beispiele = QStringLiteral(TARVIK_TESTDATA "/../../examples/");

TProjekt laden(const char* name)
{
    TProjekt p;
    p.Dateiname = Beispiele + QString::fromUtf8(name);
    EXPECT_FALSE(LoadFile(p).meldung) << name;
    return p;
}

struct Aufgabenfenster : testing::Test {
    TAufgabenForm form;
    TAufgabenDaten daten;

    Aufgabenfenster()
    {
        daten.ordner = {Beispiele + QStringLiteral("aufgaben")};
        daten.aufgaben = AufgabenLaden(daten.ordner);
        TAufgabenDatei falsch;
        falsch.id = QStringLiteral("falsch");
        falsch.pfad = QStringLiteral("/lehrer/aufgaben/falsch.aufgabe");
        falsch.fehler = QStringLiteral("Zeile 3: Die Anlage ist Pendel oder Laufkatze, nicht „Kran“.");
        daten.aufgaben.insert(daten.aufgaben.begin(), falsch);
    }

    void oeffnen(const char* projekt, const char* aufgabe)
    {
        daten.projekt = laden(projekt);
        form.oeffnen(daten);
        waehlen(aufgabe);
    }
    void waehlen(const char* id)
    {
        for (std::size_t i = 0; i < daten.aufgaben.size(); ++i) {
            if (daten.aufgaben[i].id == QLatin1String(id))
                form.Liste()->setCurrentRow(static_cast<int>(i));
        }
    }
    void pruefen() { QTest::mouseClick(form.Pruefen(), Qt::LeftButton); }
    // The colour of the marker's column in the window's picture.
    QColor markenfarbe()
    {
        const QImage bild = form.grab().toImage();
        const TVerlaufPlot& p = *form.Plot();
        const int x = p.x() + static_cast<int>(std::round(p.Spalte(*form.Markierung())));
        const int y = p.y() + static_cast<int>(std::round(p.Zeile(1, p.Bereiche()[1] / 2)));
        return bild.pixelColor(x, y);
    }
};

TEST_F(Aufgabenfenster, ListsTheTasksWithTheirTextsAndAFaultyFileWithItsMessage)
{
    oeffnen("kran.fuz", "kran");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Aufgaben [") + Beispiele + QStringLiteral("kran.fuz]"));
    ASSERT_EQ(form.Liste()->count(), 6);
    EXPECT_EQ(form.Liste()->item(0)->text(), QStringLiteral("falsch: fehlerhaft"));
    EXPECT_EQ(form.Liste()->item(1)->text(), QStringLiteral("Die Last der Laufkatze ins Ziel bringen"));
    EXPECT_EQ(form.Liste()->item(4)->toolTip(), QStringLiteral("Das Pendel mit höchstens 9 Regeln halten (pendel-sparsam)"));
    EXPECT_EQ(form.Titel()->text(), QStringLiteral("Die Last der Laufkatze ins Ziel bringen (kran)"));
    const QString text = form.Beschreibung()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Die Laufkatze steht bei -3 m"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("So wird geprüft:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Die Lampe wird spätestens nach 15 s grün")));
    EXPECT_TRUE(form.Pruefen()->isEnabled());

    waehlen("falsch");
    EXPECT_FALSE(form.Pruefen()->isEnabled());
    EXPECT_EQ(form.Titel()->text(), QStringLiteral("Fehlerhafte Aufgabendatei (falsch)"));
    EXPECT_TRUE(form.Beschreibung()->toPlainText().contains(daten.aufgaben[0].fehler));
    pruefen();
    EXPECT_FALSE(form.Ergebnis());

    // A new opening keeps the task chosen last; with the first opening and
    // no choice yet, the first task that can be read is chosen.
    waehlen("pendel");
    form.oeffnen(daten);
    EXPECT_EQ(form.GewaehlteAufgabe()->id, QStringLiteral("pendel"));
    TAufgabenForm neu;
    neu.oeffnen(daten);
    EXPECT_EQ(neu.GewaehlteAufgabe()->id, QStringLiteral("kran"));

    // No tasks at all: where they are looked for.
    TAufgabenDaten leer;
    leer.ordner = {QStringLiteral("/lehrer/aufgaben")};
    neu.oeffnen(leer);
    EXPECT_EQ(neu.Titel()->text(), QStringLiteral("Keine Aufgaben gefunden"));
    EXPECT_TRUE(neu.Beschreibung()->toPlainText().contains(QStringLiteral("/lehrer/aufgaben")));
    EXPECT_FALSE(neu.Pruefen()->isEnabled());
}

TEST_F(Aufgabenfenster, APassShowsTheFigureInGreenAndTheCheckRunInThePlot)
{
    oeffnen("kran.fuz", "kran");
    pruefen();
    ASSERT_TRUE(form.Ergebnis());
    EXPECT_EQ(form.Urteil()->text(), QStringLiteral("bestanden: grün nach 7.25 s"));
    EXPECT_EQ(form.Urteil()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_TRUE(form.Laeufe()->isHidden());
    EXPECT_FALSE(form.Zeitleiste()->isEnabled()); // 15 s fit the plot

    // The plot is the check's run, drawn as the simulation panel's plot would.
    TVerlaufPlot erwartet;
    erwartet.Beginnen(true);
    for (const TPruefzeile& z : form.Ergebnis()->laeufe[0].zeilen)
        erwartet.Hinzufuegen({z.zeit, z.x, z.xdot, z.winkel, z.winkeldot, z.kraft, z.gruen});
    erwartet.setFensteranfang(0);
    EXPECT_EQ(form.Plot()->Punkte().size(), 301u);
    EXPECT_EQ(form.Plot()->Bild(), erwartet.Bild());
    // The marker at the first green lamp, in green.
    ASSERT_TRUE(form.Markierung());
    EXPECT_EQ(*form.Markierung(), form.Ergebnis()->laeufe[0].zeilen[145].zeit);
    EXPECT_EQ(markenfarbe(), QColor(0, 110, 0));

    // Choosing another task clears the verdict and the plot.
    waehlen("pendel");
    EXPECT_EQ(form.Urteil()->text(), QString());
    EXPECT_FALSE(form.Ergebnis());
    EXPECT_TRUE(form.Plot()->Punkte().empty());
    EXPECT_FALSE(form.Markierung());
}

TEST_F(Aufgabenfenster, AFailureShowsWhereTheRunFailedAndTheTimeBarMovesThePlot)
{
    daten.projekt = laden("pendel.fuz");
    daten.projekt.Regeltab.werte.fill(3);
    form.oeffnen(daten);
    waehlen("pendel");
    pruefen();
    EXPECT_EQ(form.Urteil()->text(), QStringLiteral("nicht bestanden: Winkel 3.37e+10° bei 10.00 s"));
    EXPECT_EQ(form.Urteil()->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    ASSERT_TRUE(form.Markierung());
    EXPECT_NEAR(*form.Markierung(), 10, 1e-4);
    EXPECT_EQ(markenfarbe(), QColor(220, 0, 0));
    // 60 s in a plot of 30 s: the bar moves the window by whole seconds.
    EXPECT_TRUE(form.Zeitleiste()->isEnabled());
    EXPECT_EQ(form.Zeitleiste()->maximum(), 30);
    EXPECT_EQ(form.Zeitleiste()->value(), 0);
    EXPECT_EQ(form.Plot()->Fensteranfang(), 0);
    form.Zeitleiste()->setValue(30);
    EXPECT_EQ(form.Plot()->Fensteranfang(), 30);
    EXPECT_EQ(form.Plot()->Punkte().size(), 1201u);
}

TEST_F(Aufgabenfenster, ATaskWithSeveralRunsShowsTheRunOfTheFigureAndTheOthersOnRequest)
{
    oeffnen("kran.fuz", "kran-ueberall");
    pruefen();
    EXPECT_EQ(form.Urteil()->text(), QStringLiteral("bestanden: grün nach 8.85 s, Start bei 0 m"));
    EXPECT_FALSE(form.Laeufe()->isHidden());
    ASSERT_EQ(form.Laeufe()->count(), 3);
    EXPECT_EQ(form.Laeufe()->itemText(2), QStringLiteral("Lauf mit Start bei 4 m"));
    EXPECT_EQ(form.Laeufe()->currentIndex(), 1);
    EXPECT_FLOAT_EQ(form.Plot()->Punkte().front().x, 0);
    ASSERT_TRUE(form.Markierung());
    form.Laeufe()->setCurrentIndex(2);
    EXPECT_FLOAT_EQ(form.Plot()->Punkte().front().x, 4);
    EXPECT_FALSE(form.Markierung());
    form.Laeufe()->setCurrentIndex(1);
    EXPECT_TRUE(form.Markierung());
}

TEST_F(Aufgabenfenster, HelpOpensThePageOnTasks)
{
    ScopedHilfe hilfe;
    oeffnen("kran.fuz", "kran");
    QTest::mouseClick(form.Hilfe(), Qt::LeftButton);
    EXPECT_EQ(hilfe.seiten(), QList<HilfeSeite>{HilfeSeite::Aufgaben});
}

// "Hilfe -> Aufgaben...": the tasks beside the program, checked against the
// main window's project; the user's own folder is an empty one here.
TEST(Aufgabenmenue, OpensTheTaskWindowOnTheProgramsTasksAndTheProject)
{
    QTemporaryDir programm;
    ASSERT_TRUE(QDir(programm.path()).mkpath(QStringLiteral("examples/aufgaben")));
    ASSERT_TRUE(QFile::copy(Beispiele + QStringLiteral("aufgaben/kran.aufgabe"),
                            programm.filePath(QStringLiteral("examples/aufgaben/kran.aufgabe"))));
    const bool gesetzt = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray vorher = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", programm.filePath(QStringLiteral("daten")).toUtf8());
    {
        TMainForm f(programm.path());
        f.Projekt().Dateiname = Beispiele + QStringLiteral("kran.fuz");
        ASSERT_FALSE(LoadFile(f.Projekt()).meldung);
        QAction* eintrag = nullptr;
        for (QAction* a : f.menuBar()->findChildren<QAction*>())
            if (a->text() == QStringLiteral("Auf&gaben..."))
                eintrag = a;
        ASSERT_TRUE(eintrag);
        QString urteil;
        int eintraege = 0;
        ScopedModal modal([&](QDialog& d) {
            auto& form = dynamic_cast<TAufgabenForm&>(d);
            eintraege = form.Liste()->count();
            form.PruefenClick();
            urteil = form.Urteil()->text();
            return int(QDialog::Rejected);
        });
        eintrag->trigger();
        EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TAufgabenForm")});
        EXPECT_EQ(eintraege, 1);
        EXPECT_EQ(urteil, QStringLiteral("bestanden: grün nach 7.25 s"));
    }
    if (gesetzt)
        qputenv("XDG_DATA_HOME", vorher);
    else
        qunsetenv("XDG_DATA_HOME");
}

} // namespace
