// Set-up: tarvik.ini, the set-up dialog, the external programs, Tamsor, the
// web page, the about box and help from everywhere.
#include "app/einrichtung.h"
#include "app/externeprogramme.h"
#include "app/hilfeform.h"
#include "app/infoform.h"
#include "app/initform.h"
#include "app/konfiguration.h"
#include "app/mainform.h"
#include "platform/dateitypen.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"
#include "platform/programmstart.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "tests/datei_hilfe.h"
#include "tests/platform/meldung_ausgabe.h"
#include "tests/qstring_ausgabe.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A program directory with fake programs, and the user's XDG folders in a
// temporary place.
class Einrichtung : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        pfad = ordner.filePath(QStringLiteral("programm/"));
        ASSERT_TRUE(QDir().mkpath(pfad));
        vorherKonfig = qgetenv("XDG_CONFIG_HOME");
        vorherDaten = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", ordner.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", ordner.filePath(QStringLiteral("daten")).toUtf8());
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", vorherKonfig);
        qputenv("XDG_DATA_HOME", vorherDaten);
    }

    void programm(const QString& name, bool ausfuehrbar = true)
    {
        dateitest::schreiben(pfad + name, "#!/bin/sh\n");
        if (ausfuehrbar)
            QFile::setPermissions(pfad + name, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString ini() const { return pfad + QStringLiteral("tarvik.ini"); }
    void iniSchreiben(const QByteArray& text) { dateitest::schreiben(ini(), text); }

    // The entries that the first activation appends after the two plant submenus.
    static QList<QAction*> programmeintraege(const TMainForm& f)
    {
        return f.Simulationsmenue()->actions().mid(2);
    }
    static void aktivieren(TMainForm& f)
    {
        QEvent aktiv(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&f, &aktiv);
    }
    // "Optionen / Initialisierung" of a main window, the dialog handled by `bedienen`.
    void einrichten(const std::function<void(TInitform&)>& bedienen)
    {
        TMainForm f(pfad);
        ScopedModal modal([&](QDialog& d) {
            auto* init = qobject_cast<TInitform*>(&d);
            EXPECT_TRUE(init);
            if (!init)
                return int(QDialog::Rejected);
            bedienen(*init);
            return init->result();
        });
        f.Menue().Initialisierung->trigger();
        EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TInitform")});
    }

    QTemporaryDir ordner;
    QString pfad;
    QByteArray vorherKonfig;
    QByteArray vorherDaten;
};

TEST_F(Einrichtung, TarvikIniLivesBesideTheProgramWhenThatFolderIsWritableElseWithTheUser)
{
    EXPECT_EQ(KonfigurationsDatei(pfad), pfad + QStringLiteral("tarvik.ini"));
    const QString benutzer = ordner.filePath(QStringLiteral("config/tarvik/tarvik.ini"));
    EXPECT_EQ(KonfigurationsDatei(pfad, false), benutzer);
    EXPECT_EQ(KonfigurationsDatei(ordner.filePath(QStringLiteral("gibtsnicht"))), benutzer);

    // An installed Tarvik writes its file into the user's folder, creating it.
    EXPECT_TRUE(KonfigurationSchreiben(benutzer, {{QStringLiteral("sim")}, true, false}));
    EXPECT_EQ(dateitest::lesen(benutzer), QByteArray("[Extern]\nProgramm1=sim\nAnzahl=1\n\n"
                                                     "[Extension]\nEintrag=1\nTamsor=0\n"));
}

TEST_F(Einrichtung, AnInstalledTarvikStartsFromTheAdministratorsFileAndWritesTheUsersOwn)
{
    // The program directory cannot be written: the user's file is written,
    // and until it exists the program directory's file is read.
    const QString benutzer = KonfigurationsDatei(pfad, false);
    iniSchreiben("; für alle\n[Extern]\nAnzahl=1\nProgramm1=sim\n[Extension]\nTamsor=1\n");
    const QByteArray vorgabe = dateitest::lesen(ini());
    EXPECT_EQ(KonfigurationsQuelle(pfad, benutzer), ini());
    ScopedDateitypen typen;
    TInitform d;
    d.oeffnen(EinrichtungLesen(pfad, benutzer));
    ASSERT_EQ(d.Programmliste()->count(), 1);
    EXPECT_TRUE(d.ExpBox()->isChecked());
    d.FuzBox()->setChecked(true);
    d.Ok()->click();
    ASSERT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(EinrichtungSpeichern(pfad, benutzer, d.Ergebnis()));
    EXPECT_EQ(dateitest::lesen(benutzer), QByteArray("; für alle\n[Extern]\nAnzahl=1\nProgramm1=sim\n[Extension]\n"
                                                     "Tamsor=1\nEintrag=1\n"));
    EXPECT_EQ(dateitest::lesen(ini()), vorgabe);
    EXPECT_EQ(KonfigurationsQuelle(pfad, benutzer), benutzer);
}

TEST_F(Einrichtung, FirstStartShowsTheSetUpBeforeTheTitleUntilAFileIsWritten)
{
    QStringList gezeigt;
    {
        TMainForm f(pfad);
        ScopedModal modal;  // Cancel: nothing is written
        f.Programmstart({});
        gezeigt = modal.dialoge();
    }
    EXPECT_EQ(gezeigt, (QStringList{QStringLiteral("TInitform"), QStringLiteral("TTitelform")}));
    EXPECT_FALSE(QFileInfo::exists(ini()));
    {
        TMainForm f(pfad);
        ScopedDateitypen typen;
        ScopedModal modal([](QDialog& d) {
            if (auto* init = qobject_cast<TInitform*>(&d))
                init->Ok()->click();
            return d.result();
        });
        f.Programmstart({});
        gezeigt = modal.dialoge();
    }
    EXPECT_EQ(gezeigt.constFirst(), QStringLiteral("TInitform"));
    ASSERT_TRUE(QFileInfo::exists(ini()));
    TMainForm f(pfad);
    ScopedModal modal;
    f.Programmstart({});
    EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TTitelform")});
}

TEST_F(Einrichtung, FirstActivationAppendsOneEntryPerProgramEnabledWhenItExists)
{
    programm(QStringLiteral("sim.exe"), false);
    iniSchreiben("[extern]\nanzahl = 2\nProgramm1 = sim\nProgramm3=alt\n");
    {
        TMainForm f(pfad);
        aktivieren(f);
        aktivieren(f);  // later activations add nothing
        const QList<QAction*> e = programmeintraege(f);
        ASSERT_EQ(e.size(), 2);
        EXPECT_EQ(e[0]->text(), QStringLiteral("sim"));
        EXPECT_TRUE(e[0]->isEnabled());
        EXPECT_EQ(e[1]->text(), QStringLiteral("Nix"));
        EXPECT_FALSE(e[1]->isEnabled());
    }
    programm(QStringLiteral("Nix.exe"));
    TMainForm f(pfad);
    aktivieren(f);
    ASSERT_EQ(programmeintraege(f).size(), 2);
    EXPECT_TRUE(programmeintraege(f)[1]->isEnabled());

    // Without ".exe" only an executable file counts.
    programm(QStringLiteral("daten"), false);
    iniSchreiben("[Extern]\nAnzahl=1\nProgramm1=daten\n");
    TMainForm daten(pfad);
    aktivieren(daten);
    ASSERT_EQ(programmeintraege(daten).size(), 1);
    EXPECT_FALSE(programmeintraege(daten)[0]->isEnabled());

    iniSchreiben("[Extension]\nEintrag=1\n");
    TMainForm ohne(pfad);
    aktivieren(ohne);
    EXPECT_TRUE(programmeintraege(ohne).isEmpty());
}

TEST_F(Einrichtung, AnEntryStartsItsProgramWithTheProjectAsOneArgumentAndNoShell)
{
    programm(QStringLiteral("sim.exe"));
    programm(QStringLiteral("auswertung"));
    iniSchreiben("[Extern]\nAnzahl=2\nProgramm1=sim\nProgramm2=auswertung\n");
    TMainForm f(pfad);
    aktivieren(f);
    const QList<QAction*> e = programmeintraege(f);
    ASSERT_EQ(e.size(), 2);

    ScopedProgrammstart start;
    e[0]->trigger();  // "Neu": no argument
    const QString projekt = ordner.filePath(QStringLiteral("Meine Daten/Pendel; $(rm -rf ~).fuz"));
    f.Projekt().Dateiname = projekt;
    e[0]->trigger();
    e[1]->trigger();
    using A = ScopedProgrammstart::Aufruf;
    EXPECT_EQ(start.aufrufe(), (QList<A>{{pfad + QStringLiteral("sim.exe"), {}},
                                         {pfad + QStringLiteral("sim.exe"), {projekt}},
                                         {pfad + QStringLiteral("auswertung"), {projekt}}}));
}

TEST_F(Einrichtung, NamesFromAHandEditedFileStayInsideTheProgramFolder)
{
    programm(QStringLiteral("R&D"));
    QDir().mkpath(ordner.filePath(QStringLiteral("ausserhalb")));
    dateitest::schreiben(ordner.filePath(QStringLiteral("ausserhalb/boese.exe")), "x");
    iniSchreiben("[Extern]\nAnzahl=5\nProgramm1=../ausserhalb/boese\nProgramm2=/bin/sh\n"
                 "Programm3=..\\ausserhalb\\boese\nProgramm4=R&D\nProgramm5=..\n");
    TMainForm f(pfad);
    aktivieren(f);
    const QList<QAction*> e = programmeintraege(f);
    ASSERT_EQ(e.size(), 5);
    ScopedProgrammstart start;
    for (int i : {0, 1, 2, 4}) {
        EXPECT_FALSE(e[i]->isEnabled()) << i;
        ExternClick(pfad, i == 1 ? QStringLiteral("/bin/sh") : QStringLiteral("../ausserhalb/boese"), QStringLiteral("Neu"));
    }
    EXPECT_TRUE(start.aufrufe().isEmpty());
    // "&" shows as written and the stored name is started.
    EXPECT_EQ(e[3]->text(), QStringLiteral("R&&D"));
    EXPECT_TRUE(e[3]->isEnabled());
    e[3]->trigger();
    ASSERT_EQ(start.aufrufe().size(), 1);
    EXPECT_EQ(start.aufrufe()[0].programm, pfad + QStringLiteral("R&D"));
}

TEST_F(Einrichtung, AHugeCountIsCappedAndANegativeOneGivesNoEntries)
{
    const struct {
        const char* anzahl;
        int eintraege;
    } faelle[] = {{"2000000000", Konfiguration::MaxProgramme}, {"-3", 0}, {"zwei", 0}, {"101", 100}, {"100", 100}};
    for (const auto& fall : faelle) {
        iniSchreiben(QByteArray("[Extern]\nAnzahl=") + fall.anzahl + "\n");
        TMainForm f(pfad);
        aktivieren(f);
        EXPECT_EQ(programmeintraege(f).size(), fall.eintraege) << fall.anzahl;
    }
}

TEST_F(Einrichtung, FailedStartsGiveTheirMessages)
{
    programm(QStringLiteral("sim.exe"));
    iniSchreiben("[Extern]\nAnzahl=1\nProgramm1=sim\n");
    TMainForm f(pfad);
    aktivieren(f);
    f.Projekt().Dateiname = QStringLiteral("/daten/Pendel.fuz");
    const QString sim = pfad + QStringLiteral("sim.exe /daten/Pendel.fuz");
    const struct {
        int code;
        QString extern_;
        QString tamsor;
    } faelle[] = {
        {0, QStringLiteral("Zuwenig Speicher oder Datei zerstört"), QStringLiteral("Zuwenig Speicher oder Datei zerstört")},
        {2, QStringLiteral("Datei ") + sim + QStringLiteral(" nicht gefunden"), QStringLiteral("Datei nicht gefunden")},
        {3, QStringLiteral("Pfad nicht gefunden"), QStringLiteral("Pfad nicht gefunden")},
        {8, QStringLiteral("Zu wenig Speicherplatz"), QStringLiteral("Zu wenig Speicherplatz")},
        {5, QStringLiteral("Sonstiger Fehler (5)"), QStringLiteral("Sonstiger Fehler (5)")},
    };
    for (const auto& fall : faelle) {
        ScopedMeldungen m;
        ScopedProgrammstart start({false, fall.code});
        programmeintraege(f)[0]->trigger();
        f.Menue().RealExperiment->trigger();
        EXPECT_EQ(m.meldungen(), (QList<TMeldung>{{MeldungsArt::Fehler, fall.extern_}, {MeldungsArt::Fehler, fall.tamsor}}))
            << fall.code;
    }
}

TEST_F(Einrichtung, RealExperimentStartsTamsorWithoutArgumentFromMenuAndButton)
{
    TMainForm f(pfad);
    f.Projekt().Dateiname = QStringLiteral("/daten/Pendel.fuz");
    {
        ScopedProgrammstart start;
        ScopedMeldungen m;
        f.Menue().RealExperiment->trigger();
        programm(QStringLiteral("tamsor.exe"));
        f.Knoepfe().Experiment->trigger();
        using A = ScopedProgrammstart::Aufruf;
        EXPECT_EQ(start.aufrufe(),
                  (QList<A>{{pfad + QStringLiteral("tamsor"), {}}, {pfad + QStringLiteral("tamsor.exe"), {}}}));
        EXPECT_TRUE(m.meldungen().isEmpty());
    }
    // Without a stand-in the real start reports the missing program.
    QFile::remove(pfad + QStringLiteral("tamsor.exe"));
    ScopedMeldungen m;
    f.Menue().RealExperiment->trigger();
    EXPECT_EQ(m.texte(), QStringList{QStringLiteral("Datei nicht gefunden")});
}

TEST_F(Einrichtung, FuzzyImInternetOpensAGermanPageSilently)
{
    TMainForm f(pfad);
    ScopedProgrammstart start;
    ScopedMeldungen m;
    f.Menue().FuzzyImInternet->trigger();
    f.Knoepfe().Internet->trigger();
    ASSERT_EQ(start.adressen().size(), 2);
    EXPECT_EQ(start.adressen()[0], start.adressen()[1]);
    EXPECT_EQ(start.adressen()[0].scheme(), QStringLiteral("https"));
    EXPECT_EQ(start.adressen()[0].host(), QStringLiteral("de.wikipedia.org"));
    EXPECT_TRUE(m.meldungen().isEmpty());
}

TEST_F(Einrichtung, SetUpDialogShowsItsElementsAndTheProgramFolder)
{
    for (const char* name : {"sim", "tarvik", "tarvik-cli", "TARVIK.EXE", "alt.exe"})
        programm(QString::fromLatin1(name), QByteArray(name) != "alt.exe");
    dateitest::schreiben(pfad + QStringLiteral("liesmich.txt"), "x");
    iniSchreiben("[Extern]\nAnzahl=2\nProgramm1=sim\n[Extension]\nEintrag=1\n");
    TInitform d;
    d.oeffnen(EinrichtungLesen(pfad, ini()));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("TARVIK - Initialisierung"));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_EQ(d.FuzBox()->text(), QStringLiteral(" Die Extension .FUZ wird mit dem Programm Tarvik verknüpft. "));
    EXPECT_EQ(d.ExpBox()->text(), QStringLiteral(" Die Extension .EXP wird mit dem Programm Tamsor verknüpft. "));
    EXPECT_TRUE(d.FuzBox()->isChecked());
    EXPECT_FALSE(d.ExpBox()->isChecked());
    EXPECT_EQ(d.Hinweis()->text(), QStringLiteral("Änderungen werden erst bei Neustart gültig!"));
    EXPECT_TRUE(d.Hinweis()->font().bold());
    EXPECT_EQ(d.Hinweis()->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    EXPECT_TRUE(d.findChild<QLabel*>() != nullptr);
    QStringList dateien;
    for (int i = 0; i < d.Dateiliste()->count(); ++i)
        dateien.append(d.Dateiliste()->item(i)->text());
    EXPECT_EQ(dateien, (QStringList{QStringLiteral("TARVIK.EXE"), QStringLiteral("alt.exe"), QStringLiteral("sim")}));
    // A missing key shows as an empty entry.
    ASSERT_EQ(d.Programmliste()->count(), 2);
    EXPECT_EQ(d.Programmliste()->item(1)->text(), QString());
    // Every text fits its control.
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (auto* l = qobject_cast<QLabel*>(w)) {
            EXPECT_LE(l->sizeHint().width(), l->width()) << l->text().toStdString();
        }
        if (auto* c = qobject_cast<QCheckBox*>(w)) {
            EXPECT_LE(c->sizeHint().width(), c->width()) << c->text().toStdString();
        }
    }
}

TEST_F(Einrichtung, AddAndRemoveFollowTheirRules)
{
    programm(QStringLiteral("sim"));
    programm(QStringLiteral("TARVIK.EXE"));
    TInitform d;
    d.oeffnen(EinrichtungLesen(pfad, ini()));
    auto waehle = [&](QListWidget* liste, const QString& text) {
        const auto treffer = liste->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(treffer.isEmpty()) << text.toStdString();
        liste->setCurrentItem(treffer.constFirst());
    };
    auto eintraege = [&] {
        QStringList namen;
        for (int i = 0; i < d.Programmliste()->count(); ++i)
            namen.append(d.Programmliste()->item(i)->text());
        return namen;
    };
    d.Hinzufuegen()->click();  // nothing selected
    EXPECT_TRUE(eintraege().isEmpty());
    waehle(d.Dateiliste(), QStringLiteral("TARVIK.EXE"));
    d.Hinzufuegen()->click();
    waehle(d.Dateiliste(), QStringLiteral("sim"));
    d.Hinzufuegen()->click();
    emit d.Dateiliste()->itemDoubleClicked(d.Dateiliste()->currentItem());
    // The own program, were it offered, is refused.
    d.Dateiliste()->addItem(QStringLiteral("tarvik.exe"));
    waehle(d.Dateiliste(), QStringLiteral("tarvik.exe"));
    d.Hinzufuegen()->click();
    EXPECT_EQ(eintraege(), (QStringList{QStringLiteral("TARVIK"), QStringLiteral("sim"), QStringLiteral("sim")}));

    d.Programmliste()->clearSelection();
    d.Programmliste()->setCurrentItem(nullptr);
    d.Entfernen()->click();  // nothing selected
    EXPECT_EQ(eintraege().size(), 3);
    waehle(d.Programmliste(), QStringLiteral("TARVIK"));
    d.Entfernen()->click();
    EXPECT_EQ(eintraege(), (QStringList{QStringLiteral("sim"), QStringLiteral("sim")}));
    d.Programmliste()->setCurrentRow(1);
    emit d.Programmliste()->itemDoubleClicked(d.Programmliste()->currentItem());
    EXPECT_EQ(eintraege(), QStringList{QStringLiteral("sim")});
}

TEST_F(Einrichtung, OkWritesTheFileAndTheFileTypesRemovingLeavesTheStaleKey)
{
    iniSchreiben("; von Hand\n[Extern]\nAnzahl=3\nProgramm1=a\nProgramm2=b\nProgramm3=c\n");
    ScopedDateitypen typen;
    einrichten([](TInitform& d) {
        d.Programmliste()->setCurrentRow(1);
        d.Entfernen()->click();
        d.FuzBox()->setChecked(true);
        d.Ok()->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_EQ(dateitest::lesen(ini()), QByteArray("; von Hand\n[Extern]\nAnzahl=2\nProgramm1=a\nProgramm2=c\n"
                                                  "Programm3=c\n\n[Extension]\nEintrag=1\nTamsor=0\n"));
    TMainForm f(pfad);
    aktivieren(f);
    EXPECT_EQ(programmeintraege(f).size(), 2);

    // Ticked, cleared, ticked again.
    for (bool an : {false, true}) {
        einrichten([an](TInitform& d) {
            d.FuzBox()->setChecked(an);
            d.ExpBox()->setChecked(an);
            d.Ok()->click();
        });
    }
    const QString fuz = QStringLiteral("fuz=") + pfad + QStringLiteral("tarvik.exe ^.fuz");
    const QString exp = QStringLiteral("exp=") + pfad + QStringLiteral("tamsor.exe ^.exp");
    EXPECT_EQ(typen.aufrufe(), (QStringList{fuz, QStringLiteral("-exp"), QStringLiteral("-fuz"), QStringLiteral("-exp"),
                                            fuz, exp}));
    ASSERT_EQ(typen.typen().size(), 3);
    EXPECT_EQ(typen.typen()[0].programm, pfad + QStringLiteral("tarvik"));
    EXPECT_EQ(typen.typen()[2].programm, pfad + QStringLiteral("tamsor"));
}

TEST_F(Einrichtung, CancelFromTheMenuChangesNothing)
{
    iniSchreiben("[Extern]\nAnzahl=1\nProgramm1=a\n");
    const QByteArray vorher = dateitest::lesen(ini());
    TMainForm f(pfad);
    ScopedDateitypen typen;
    ScopedModal modal([](QDialog& d) {
        auto* init = qobject_cast<TInitform*>(&d);
        EXPECT_TRUE(init);
        if (!init)
            return int(QDialog::Rejected);
        EXPECT_EQ(init->Programmliste()->count(), 1);  // opened with the file's data
        init->Programmliste()->setCurrentRow(0);
        init->Entfernen()->click();
        init->FuzBox()->setChecked(true);
        init->Abbrechen()->click();
        return init->result();
    });
    f.Menue().Initialisierung->trigger();
    EXPECT_EQ(modal.dialoge(), QStringList{QStringLiteral("TInitform")});
    EXPECT_EQ(dateitest::lesen(ini()), vorher);
    EXPECT_TRUE(typen.aufrufe().isEmpty());
}

TEST_F(Einrichtung, AFileThatCannotBeWrittenIsNamedTheRestIsSkippedTheDialogCloses)
{
    QDir().mkpath(ini());  // a folder in the way of the file
    ScopedDateitypen typen;
    ScopedMeldungen m;
    einrichten([](TInitform& d) {
        d.FuzBox()->setChecked(true);
        d.Ok()->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    ASSERT_EQ(m.meldungen().size(), 1);
    EXPECT_EQ(m.meldungen()[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(m.meldungen()[0].text.contains(ini())) << m.meldungen()[0].text.toStdString();
    EXPECT_TRUE(typen.aufrufe().isEmpty());
    EXPECT_TRUE(QFileInfo(ini()).isDir());
}

TEST_F(Einrichtung, InfoShowsItsLinesAndReadsTheCountAtEachShowing)
{
    TMainForm f(pfad);
    QStringList anzahlen;
    ScopedModal modal([&](QDialog& d) {
        auto* info = qobject_cast<TInfoForm*>(&d);
        EXPECT_TRUE(info);
        if (info) {
            anzahlen.append(info->Anzahl()->text());
            EXPECT_EQ(info->windowTitle(), QStringLiteral("Infos"));
            QStringList texte;
            for (const QLabel* l : info->Zeilen()) {
                texte.append(l->text());
                EXPECT_LE(l->sizeHint().width(), l->width()) << l->text().toStdString();
            }
            EXPECT_EQ(texte.mid(0, 2), (QStringList{QStringLiteral("Tarvik"), QStringLiteral("Version 3.1")}));
            EXPECT_EQ(texte.size(), 5);
        }
        return int(QDialog::Accepted);
    });
    f.Menue().Info->trigger();
    iniSchreiben("[Extern]\nAnzahl=3\n");
    f.Knoepfe().Info->trigger();
    EXPECT_EQ(anzahlen, (QStringList{QStringLiteral("Anzahl der eingebundenen Programme: 0"),
                                     QStringLiteral("Anzahl der eingebundenen Programme: 3")}));
}

// Help from everywhere: F1 in the main window and in every dialog.
TEST_F(Einrichtung, F1OpensTheIndexInTheMainWindowAndTheDialogsOwnPage)
{
    THilfetaste f1;
    qApp->installEventFilter(&f1);
    ScopedHilfe hilfe;
    {
        TMainForm f(pfad);
        f.show();
        QApplication::setActiveWindow(&f);
        QTest::keyClick(&f, Qt::Key_F1);
        // The first entry of the Help menu is the index, with F1 as its key.
        QAction* themen = f.menuBar()->actions().constLast()->menu()->actions().constFirst();
        EXPECT_EQ(themen->shortcut(), QKeySequence(Qt::Key_F1));
        themen->trigger();
    }
    {
        TInitform d;
        QTest::keyClick(d.Dateiliste(), Qt::Key_F1);
        d.Hilfe()->click();
        TInfoForm info;
        QTest::keyClick(info.Ok(), Qt::Key_F1);
    }
    {
        // An area inside a window has its own page; a window without one
        // opens none; Shift+F1 is not help.
        QDialog d;
        auto* bereich = new QWidget(&d);
        auto* feld = new QLineEdit(bereich);
        HilfeSeiteSetzen(bereich, HilfeSeite::Optionen);
        QDialog ohne;
        d.show();
        QTest::keyClick(feld, Qt::Key_F1);
        QTest::keyClick(feld, Qt::Key_F1, Qt::ShiftModifier);
        QTest::keyClick(&ohne, Qt::Key_F1);
        d.close();
    }
    qApp->removeEventFilter(&f1);
    EXPECT_EQ(hilfe.seiten(), (QList<HilfeSeite>{HilfeSeite::Inhalt, HilfeSeite::Inhalt, HilfeSeite::Einrichtung, HilfeSeite::Einrichtung,
                                          HilfeSeite::Einrichtung, HilfeSeite::Optionen}));
}

TEST(Hilfeseiten, TheIndexLinksEveryPageAndAMissingPageSaysSo)
{
    THilfeForm h;
    h.oeffnen(HilfeSeite::Inhalt);
    EXPECT_EQ(h.Browser()->source(), QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")));
    const QString html = h.Browser()->toHtml();
    for (int kontext : {1, 2, 3, 4, 5, 6, 7, 8})
        EXPECT_TRUE(html.contains(QStringLiteral("kontext%1.html").arg(kontext))) << kontext;
    h.oeffnen(HilfeSeite::Einrichtung);
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("TARVIK - Initialisierung")));
    // Its picture is there.
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/hilfe/initform.png")));
    h.Browser()->setSource(QUrl(QStringLiteral("kontext99.html")));
    EXPECT_TRUE(h.Browser()->toPlainText().contains(THilfeForm::KeineHilfe));
    // Back, and the index from every page.
    ASSERT_TRUE(h.Zurueck()->isEnabled());
    h.Zurueck()->click();
    EXPECT_TRUE(h.Browser()->toPlainText().contains(QStringLiteral("TARVIK - Initialisierung")));
    h.Themen()->click();
    EXPECT_EQ(h.Browser()->source(), QUrl(QStringLiteral("qrc:/hilfe/inhalt.html")));
    h.close();
}

TEST(Hilfeseiten, HelpFromTheSetUpDialogStaysAboveIt)
{
    THilfeForm h;
    TInitform d;
    d.setWindowModality(Qt::ApplicationModal);
    d.show();
    d.Hilfe()->click();  // no viewer installed: nothing happens
    h.oeffnen(HilfeSeite::Einrichtung);
    EXPECT_TRUE(h.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Beside the dialog, not above it as a modal window.
    EXPECT_EQ(QApplication::activeModalWidget(), &d);
    EXPECT_EQ(h.windowHandle()->transientParent(), d.windowHandle());
    h.close();
    d.close();
    h.oeffnen(HilfeSeite::Inhalt);
    EXPECT_FALSE(h.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(h.isVisible());
    h.close();
}

} // namespace
