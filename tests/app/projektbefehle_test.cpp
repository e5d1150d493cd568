// New, Open, Save, Save As, the close query, the command line and printing,
// answered through the seams.
#include "app/mainform.h"
#include "app/projektuebersicht.h"
#include "core/projekt.h"
#include "platform/dateidialog.h"
#include "platform/druckdialog.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"
#include "platform/modal.h"

#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "tests/datei_hilfe.h"
#include "tests/platform/meldung_ausgabe.h"

#include <gtest/gtest.h>

namespace {

const QString beispiel = QFileInfo(QStringLiteral(TARVIK_TESTDATA "/winkel.fuz")).absoluteFilePath();
const QString frageLoeschen = QStringLiteral("Sollen die bestehenden Daten\rtatsächlich gelöscht werden?");
const QString frageSichern = QStringLiteral("Wollen Sie Ihr Fuzzy-Projekt vor dem\rSchließen der Anwendung sichern?");
const QString falscheEndung = QStringLiteral("Die Datei kann mit dieser Extension nicht abgespeichert werden.");

class Projektbefehle : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }

    QString pfad(const QString& name) const { return ordner.filePath(name); }

    void schreibe(const QString& name, const QByteArray& bytes) const { dateitest::schreiben(pfad(name), bytes); }

    // Opens the example without questions.
    void beispielLaden()
    {
        ScopedDateiDialoge d({beispiel});
        f.FileOpen();
        ASSERT_EQ(f.Projekt().EingangA.Name(), QStringLiteral("Winkel"));
    }

    QTemporaryDir ordner;
    TMainForm f;
};

// Renames the variable in the variable editor and presses OK, as a student
// would; any other dialog is cancelled.
ModalHandler umbenennen(QStringList namen)
{
    return [namen](QDialog& d) mutable {
        if (d.metaObject()->className() != QLatin1String("TVarEditform") || namen.isEmpty())
            return int(QDialog::Rejected);
        QLineEdit* name = nullptr;
        for (QLineEdit* feld : d.findChildren<QLineEdit*>())
            if (feld->statusTip() == QLatin1String("Variablennamen eingeben"))
                name = feld;
        EXPECT_NE(name, nullptr);
        if (!name)
            return int(QDialog::Rejected);
        name->selectAll();
        QTest::keyClicks(name, namen.takeFirst());
        for (QPushButton* k : d.findChildren<QPushButton*>())
            if (QString(k->text()).remove(QLatin1Char('&')) == QLatin1String("OK"))
                k->click();
        return d.result();
    };
}

// Undo and redo through the menu: each command one step, with the changed flag
// and the caption it had.
TEST_F(Projektbefehle, UndoAndRedoGoThroughAnEditorsOkNewAndTheAssistantsSteps)
{
    const auto& menue = f.Menue();
    EXPECT_FALSE(menue.Rueckgaengig->isEnabled());
    EXPECT_FALSE(menue.Wiederherstellen->isEnabled());
    EXPECT_EQ(menue.Rueckgaengig->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(menue.Wiederherstellen->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    beispielLaden();
    const QString titel = f.windowTitle();
    const auto name = [this] { return f.Projekt().EingangA.Name(); };

    {
        ScopedModal editor(umbenennen({QStringLiteral("Neigung")}));
        menue.EditierenA->trigger();
    }
    ASSERT_EQ(name(), QStringLiteral("Neigung"));
    EXPECT_TRUE(f.Projekt().Geaendert);
    ASSERT_TRUE(menue.Rueckgaengig->isEnabled());
    menue.Rueckgaengig->trigger();
    EXPECT_EQ(name(), QStringLiteral("Winkel"));
    EXPECT_FALSE(f.Projekt().Geaendert);  // back to what the file holds
    EXPECT_TRUE(menue.Wiederherstellen->isEnabled());
    EXPECT_EQ(f.Uebersicht()->Variablentitel(1)->text(), QStringLiteral("Eingang A: Winkel"));
    menue.Wiederherstellen->trigger();
    EXPECT_EQ(name(), QStringLiteral("Neigung"));
    EXPECT_TRUE(f.Projekt().Geaendert);
    EXPECT_FALSE(menue.Wiederherstellen->isEnabled());

    {
        ScopedMeldungen m({Antwort::Ja});
        menue.Neu->trigger();
    }
    EXPECT_FALSE(f.Projekt().EingangA.definiert());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [Neu]"));
    menue.Rueckgaengig->trigger();
    EXPECT_EQ(name(), QStringLiteral("Neigung"));
    EXPECT_EQ(f.Projekt().Dateiname, beispiel);
    EXPECT_EQ(f.windowTitle(), titel);
    EXPECT_TRUE(f.Projekt().Geaendert);
    menue.Rueckgaengig->trigger();
    menue.Rueckgaengig->trigger();  // before the example was opened
    EXPECT_FALSE(f.Projekt().EingangA.definiert());
    EXPECT_FALSE(f.Projekt().Geaendert);
    EXPECT_FALSE(menue.Rueckgaengig->isEnabled());
    for (int i = 0; i < 3; ++i)
        menue.Wiederherstellen->trigger();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [Neu]"));
    menue.Rueckgaengig->trigger();
    ASSERT_EQ(name(), QStringLiteral("Neigung"));

    // The assistant, keeping the project: its two editors are two steps, the
    // cancelled rule editor none.
    {
        ScopedMeldungen m({Antwort::Nein, Antwort::Nein});
        ScopedModal editoren(umbenennen({QStringLiteral("Lage"), QStringLiteral("Schub")}));
        menue.Assistent->trigger();
    }
    EXPECT_EQ(name(), QStringLiteral("Lage"));
    EXPECT_EQ(f.Projekt().Ausgang.Name(), QStringLiteral("Schub"));
    menue.Rueckgaengig->trigger();
    EXPECT_EQ(name(), QStringLiteral("Lage"));
    EXPECT_EQ(f.Projekt().Ausgang.Name(), QStringLiteral("Kraft"));
    menue.Rueckgaengig->trigger();
    EXPECT_EQ(name(), QStringLiteral("Neigung"));
    menue.Rueckgaengig->trigger();
    EXPECT_EQ(name(), QStringLiteral("Winkel"));
    EXPECT_FALSE(f.Projekt().Geaendert);
    menue.Wiederherstellen->trigger();
    menue.Wiederherstellen->trigger();
    menue.Wiederherstellen->trigger();
    EXPECT_EQ(f.Projekt().Ausgang.Name(), QStringLiteral("Schub"));
    EXPECT_TRUE(f.Projekt().Geaendert);
}

// After a save, the states before it differ from the file.
TEST_F(Projektbefehle, UndoingPastASaveGivesAChangedProjectAndRedoTheSavedOne)
{
    beispielLaden();
    {
        ScopedModal editor(umbenennen({QStringLiteral("Neigung")}));
        f.Menue().EditierenA->trigger();
    }
    const QString datei = pfad(QStringLiteral("neigung.fuz"));
    {
        ScopedDateiDialoge d({datei});
        f.Menue().SpeichernUnter->trigger();
    }
    ASSERT_FALSE(f.Projekt().Geaendert);
    f.Menue().Rueckgaengig->trigger();
    EXPECT_EQ(f.Projekt().EingangA.Name(), QStringLiteral("Winkel"));
    EXPECT_EQ(f.Projekt().Dateiname, beispiel);  // still what the example's file holds
    EXPECT_FALSE(f.Projekt().Geaendert);
    f.Menue().Wiederherstellen->trigger();
    EXPECT_EQ(f.Projekt().Dateiname, datei);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [") + datei + QLatin1Char(']'));
    EXPECT_FALSE(f.Projekt().Geaendert);

    // Saved again under the same name after a change: undoing gives the saved
    // file's earlier state, which the file no longer holds.
    {
        ScopedModal editor(umbenennen({QStringLiteral("Lage")}));
        f.Menue().EditierenA->trigger();
    }
    f.Menue().Speichern->trigger();
    ASSERT_FALSE(f.Projekt().Geaendert);
    f.Menue().Rueckgaengig->trigger();
    EXPECT_EQ(f.Projekt().EingangA.Name(), QStringLiteral("Neigung"));
    EXPECT_TRUE(f.Projekt().Geaendert);
    f.Menue().Wiederherstellen->trigger();
    EXPECT_FALSE(f.Projekt().Geaendert);
}

TEST_F(Projektbefehle, NewWithoutChangesEmptiesTheProjectWithoutAsking)
{
    beispielLaden();
    ScopedMeldungen m;
    f.FileNew();
    EXPECT_TRUE(m.meldungen().isEmpty());
    EXPECT_EQ(f.Projekt().Dateiname, QStringLiteral("Neu"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [Neu]"));
    EXPECT_FALSE(f.Projekt().EingangA.definiert());
    EXPECT_EQ(f.Projekt().EingangA.Name(), QString());
    EXPECT_FALSE(f.Projekt().Ausgang.definiert());
    EXPECT_EQ(f.Projekt().Regeltab, TRegeltab{});
}

TEST_F(Projektbefehle, NewAfterChangesAsksAndKeepsGeaendertOnYes)
{
    beispielLaden();
    f.Projekt().Geaendert = true;
    {
        ScopedMeldungen m({Antwort::Nein});
        f.FileNew();
        EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Bestaetigung, frageLoeschen}}));
        EXPECT_EQ(f.Projekt().EingangA.Name(), QStringLiteral("Winkel"));
        EXPECT_EQ(f.Projekt().Dateiname, beispiel);
    }
    const TFuzzy kopieVorher = f.Projekt().AusgangKopie;
    ScopedMeldungen m({Antwort::Ja});
    f.FileNew();
    EXPECT_EQ(m.texte(), QStringList{frageLoeschen});
    EXPECT_FALSE(f.Projekt().EingangA.definiert());
    EXPECT_EQ(f.Projekt().Dateiname, QStringLiteral("Neu"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [Neu]"));
    // Still changed, so that closing the program still offers to save.
    EXPECT_TRUE(f.Projekt().Geaendert);
    EXPECT_EQ(f.Projekt().AusgangKopie.Name(), kopieVorher.Name());
    EXPECT_EQ(f.Projekt().AusgangKopie.Anzahl(), kopieVorher.Anzahl());
}

TEST_F(Projektbefehle, OpenCancelledChangesNothingAndTheDialogProposesDateiname)
{
    {
        ScopedDateiDialoge d({std::nullopt});
        f.FileOpen();
        ASSERT_EQ(d.dialoge().size(), 1);
        const TDateiDialog& dialog = d.dialoge().constFirst();
        EXPECT_EQ(dialog.art, TDateiDialog::Art::Oeffnen);
        EXPECT_EQ(dialog.titel, QStringLiteral("Fuzzy-Datei öffnen"));
        EXPECT_EQ(dialog.filter, QStringLiteral("Fuzzy-Datei (*.Fuz)"));
        EXPECT_EQ(dialog.standardEndung, QStringLiteral("fuz"));
        EXPECT_EQ(dialog.vorschlag, QStringLiteral("Neu"));
        EXPECT_EQ(dialog.hilfeSeite, HilfeSeite::Dateien);
        EXPECT_EQ(f.Projekt().Dateiname, QStringLiteral("Neu"));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik 3.0"));
    }
    beispielLaden();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [") + beispiel + QStringLiteral("]"));
    ScopedDateiDialoge d({std::nullopt});
    f.FileOpen();
    EXPECT_EQ(d.dialoge().constFirst().vorschlag, beispiel);
    EXPECT_EQ(f.Projekt().Dateiname, beispiel);
    EXPECT_EQ(f.Projekt().EingangA.Name(), QStringLiteral("Winkel"));
}

TEST_F(Projektbefehle, OpenAfterChangesAnsweredNoShowsNoDialog)
{
    f.Projekt().Geaendert = true;
    ScopedMeldungen m({Antwort::Nein});
    ScopedDateiDialoge d({beispiel});
    f.FileOpen();
    EXPECT_TRUE(d.dialoge().isEmpty());
    EXPECT_EQ(m.texte(), QStringList{frageLoeschen});
    EXPECT_FALSE(f.Projekt().EingangA.definiert());
}

TEST_F(Projektbefehle, OpenOfABadFileLeavesTheEmptyProjectNeu)
{
    beispielLaden();
    schreibe(QStringLiteral("brief.fuz"), "Lieber Hans,\r\nviele Gruesse\r\n");
    ScopedMeldungen m;
    ScopedDateiDialoge d({pfad(QStringLiteral("brief.fuz"))});
    f.FileOpen();
    EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Fehler, ProjektTexte::formatFehler}}));
    EXPECT_EQ(f.Projekt().Dateiname, QStringLiteral("Neu"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [Neu]"));
    EXPECT_FALSE(f.Projekt().EingangA.definiert());
    EXPECT_EQ(f.Projekt().EingangA.Name(), QString());
    EXPECT_EQ(f.Projekt().Regeltab, TRegeltab{});
    EXPECT_FALSE(f.Projekt().Geaendert);
}

TEST_F(Projektbefehle, OpenOfAFileThatCannotBeReadKeepsProjectAndCaption)
{
    beispielLaden();
    f.Projekt().Geaendert = true;
    const QString fehlt = pfad(QStringLiteral("fehlt.fuz"));
    ScopedMeldungen m({Antwort::Ja});
    ScopedDateiDialoge d({fehlt});
    f.FileOpen();
    EXPECT_EQ(m.meldungen().last(), (TMeldung{MeldungsArt::Warnung, ProjektTexte::nichtGelesen}));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [") + beispiel + QStringLiteral("]"));
    EXPECT_EQ(f.Projekt().Dateiname, fehlt);
    EXPECT_EQ(f.Projekt().EingangA.Name(), QStringLiteral("Winkel"));
    EXPECT_TRUE(f.Projekt().Geaendert);
    // Save now writes the project to the name that could not be read.
    f.Menue().Speichern->trigger();
    EXPECT_EQ(m.meldungen().size(), 2);
    EXPECT_EQ(dateitest::lesen(fehlt), ProjektBytes(f.Projekt()));
    EXPECT_FALSE(f.Projekt().Geaendert);
}

TEST_F(Projektbefehle, SaveWithoutANameWritesNothingAndKeepsTheChanges)
{
    f.Projekt().Geaendert = true;
    ScopedMeldungen m;
    f.Menue().Speichern->trigger();
    EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Fehler, ProjektTexte::keinName}}));
    EXPECT_TRUE(f.Projekt().Geaendert);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("Neu")));
    // So closing the program afterwards still offers to save; No closes.
    f.show();
    ScopedMeldungen schliessen({Antwort::Nein});
    EXPECT_TRUE(f.close());
    EXPECT_EQ(schliessen.meldungen().size(), 1);
}

TEST_F(Projektbefehle, SaveAsAcceptsOnlyTheFuzExtension)
{
    const struct {
        const char* eingabe;       // as typed in the dialog
        const char* datei;         // the file written, or nullptr
    } faelle[] = {
        {"projekt.txt", nullptr},
        {"projekt.fuz", "projekt.fuz"},
        {"projekt.FuZ", "projekt.FuZ"},
        {"projekt", "projekt.FUZ"},
        {"pendel.fuz.txt", nullptr},
    };
    for (const auto& fall : faelle) {
        TMainForm form;
        form.Projekt().Geaendert = true;
        const QString eingabe = pfad(QString::fromUtf8(fall.eingabe));
        ScopedMeldungen m;
        ScopedDateiDialoge d({eingabe});
        EXPECT_EQ(form.FileSaveAs(), fall.datei != nullptr);
        ASSERT_EQ(d.dialoge().size(), 1);
        EXPECT_EQ(d.dialoge().constFirst().titel, QStringLiteral("Fuzzy-Datei speichern unter"));
        EXPECT_EQ(d.dialoge().constFirst().filter, QStringLiteral("Fuzzy-Datei (*.FUZ)"));
        EXPECT_EQ(d.dialoge().constFirst().standardEndung, QStringLiteral("FUZ"));
        if (fall.datei) {
            const QString datei = pfad(QString::fromUtf8(fall.datei));
            EXPECT_TRUE(m.meldungen().isEmpty()) << fall.eingabe;
            EXPECT_EQ(form.Projekt().Dateiname, datei);
            EXPECT_EQ(form.windowTitle(), QStringLiteral("Tarvik [") + datei + QStringLiteral("]"));
            EXPECT_FALSE(form.Projekt().Geaendert);
            QFile geschrieben(datei);
            ASSERT_TRUE(geschrieben.open(QIODevice::ReadOnly)) << fall.eingabe;
            EXPECT_EQ(geschrieben.readAll(), ProjektBytes(form.Projekt()));
        } else {
            EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Warnung, falscheEndung}})) << fall.eingabe;
            EXPECT_EQ(form.Projekt().Dateiname, QStringLiteral("Neu"));
            EXPECT_EQ(form.windowTitle(), QStringLiteral("Tarvik 3.0"));
            EXPECT_TRUE(form.Projekt().Geaendert);
            EXPECT_FALSE(QFileInfo::exists(eingabe));
        }
    }
}

TEST_F(Projektbefehle, SaveAsCancelledChangesNothing)
{
    ScopedMeldungen m;
    ScopedDateiDialoge d({std::nullopt});
    f.Projekt().Geaendert = true;
    EXPECT_FALSE(f.FileSaveAs());
    EXPECT_TRUE(m.meldungen().isEmpty());
    EXPECT_EQ(f.Projekt().Dateiname, QStringLiteral("Neu"));
    EXPECT_TRUE(f.Projekt().Geaendert);
}

TEST_F(Projektbefehle, CloseQueryPaths)
{
    const QString gut = pfad(QStringLiteral("gesichert.fuz"));
    const QString unmoeglich = pfad(QStringLiteral("gibtsnicht/projekt.fuz"));
    const struct {
        const char* fall;
        bool geaendert;
        QList<Antwort> antworten;
        std::optional<QString> dialog;  // nullopt: cancelled
        bool schliesst;
        QStringList meldungen;
    } faelle[] = {
        {"unveraendert", false, {}, std::nullopt, true, {}},
        {"Nein", true, {Antwort::Nein}, std::nullopt, true, {frageSichern}},
        // Yes asks to save: a save that did not happen keeps the window open
        // instead of throwing the changes away.
        {"Ja, abgebrochen", true, {Antwort::Ja}, std::nullopt, false, {frageSichern}},
        {"Ja, falsche Endung", true, {Antwort::Ja}, pfad(QStringLiteral("x.txt")), false, {frageSichern, falscheEndung}},
        {"Ja, gesichert", true, {Antwort::Ja}, gut, true, {frageSichern}},
        {"Ja, Dateifehler", true, {Antwort::Ja}, unmoeglich, false, {frageSichern, ProjektTexte::nichtGespeichert}},
    };
    for (const auto& fall : faelle) {
        TMainForm form;
        form.show();
        form.Projekt().Geaendert = fall.geaendert;
        ScopedMeldungen m(fall.antworten);
        ScopedDateiDialoge d({fall.dialog});
        ScopedHilfe hilfe;
        EXPECT_EQ(form.close(), fall.schliesst) << fall.fall;
        EXPECT_EQ(form.isVisible(), !fall.schliesst) << fall.fall;
        EXPECT_EQ(m.texte(), fall.meldungen) << fall.fall;
        EXPECT_EQ(m.unbeantwortet(), 0) << fall.fall;
        // Closing tells the help viewer to close.
        EXPECT_EQ(hilfe.geschlossen(), fall.schliesst ? 1 : 0) << fall.fall;
    }
    EXPECT_TRUE(QFileInfo::exists(gut));
}

TEST_F(Projektbefehle, ExitRunsTheCloseQuery)
{
    f.show();
    f.Projekt().Geaendert = true;
    ScopedMeldungen m({Antwort::Nein});
    f.Knoepfe().Beenden->trigger();
    EXPECT_EQ(m.texte(), QStringList{frageSichern});
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Projektbefehle, ExactlyOneArgumentOpensThatProjectAfterTheTitleWindow)
{
    const struct {
        QStringList argumente;
        bool geladen;
    } faelle[] = {
        {{}, false},
        {{beispiel}, true},
        {{beispiel, beispiel}, false},
    };
    for (const auto& fall : faelle) {
        TMainForm form;
        QString dateinameBeimTitel;
        ScopedMeldungen m;
        ScopedModal modal([&](QDialog&) {
            dateinameBeimTitel = form.Projekt().Dateiname;
            return int(QDialog::Accepted);
        });
        form.Programmstart(fall.argumente);
        // The set-up dialog may come first (no tarvik.ini beside the test program).
        EXPECT_EQ(modal.dialoge().constLast(), QStringLiteral("TTitelform"));
        EXPECT_EQ(dateinameBeimTitel, QStringLiteral("Neu"));
        EXPECT_TRUE(m.meldungen().isEmpty());
        if (fall.geladen) {
            EXPECT_EQ(form.Projekt().Dateiname, beispiel);
            EXPECT_EQ(form.Projekt().EingangA.Name(), QStringLiteral("Winkel"));
            EXPECT_EQ(form.windowTitle(), QStringLiteral("Tarvik [") + beispiel + QStringLiteral("]"));
        } else {
            EXPECT_EQ(form.Projekt().Dateiname, QStringLiteral("Neu"));
            EXPECT_FALSE(form.Projekt().EingangA.definiert());
            EXPECT_EQ(form.windowTitle(), QStringLiteral("Tarvik 3.0"));
        }
    }
}

TEST_F(Projektbefehle, AnArgumentThatIsNoProjectGivesTheFormatError)
{
    schreibe(QStringLiteral("leer.fuz"), "");
    ScopedMeldungen m;
    ScopedModal modal;
    f.Programmstart({pfad(QStringLiteral("leer.fuz"))});
    EXPECT_EQ(m.meldungen(), (QList<TMeldung>{TMeldung{MeldungsArt::Fehler, ProjektTexte::formatFehler}}));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tarvik [Neu]"));
}

class Drucken : public Projektbefehle {
protected:
    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    static void bildInZwischenablage()
    {
        QImage bild(200, 100, QImage::Format_RGB32);
        bild.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(bild);
    }

    // The user chooses printing into a PDF file on A4 in the dialog.
    static DruckDialogHandler pdfNach(const QString& datei)
    {
        return [datei](QPrinter& drucker) {
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(datei);
            drucker.setPageSize(QPageSize(QPageSize::A4));
            return true;
        };
    }
};

TEST_F(Drucken, WithoutABitmapOnTheClipboardNothingIsPrinted)
{
    for (bool mitText : {false, true}) {
        QGuiApplication::clipboard()->clear();
        if (mitText)
            QGuiApplication::clipboard()->setText(QStringLiteral("nur Text"));
        ScopedMeldungen m;
        ScopedDruckDialog dialog(pdfNach(pfad(QStringLiteral("x.pdf"))));
        f.Menue().ZwischenablageDrucken->trigger();
        EXPECT_EQ(m.meldungen(),
                  (QList<TMeldung>{TMeldung{MeldungsArt::Fehler,
                                           QStringLiteral("Zwischenablage nicht vorhanden oder im falschen Format")}}));
        EXPECT_EQ(dialog.aufrufe(), 0);
        EXPECT_FALSE(QFileInfo::exists(pfad(QStringLiteral("x.pdf"))));
    }
}

TEST_F(Drucken, BitmapGoesIntoALandscapePdf)
{
    bildInZwischenablage();
    const QString datei = pfad(QStringLiteral("ausdruck.pdf"));
    ScopedMeldungen m;
    ScopedDruckDialog dialog(pdfNach(datei));
    f.Knoepfe().Drucken->trigger();
    EXPECT_TRUE(m.meldungen().isEmpty());
    EXPECT_EQ(dialog.aufrufe(), 1);

    QFile pdf(datei);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray inhalt = pdf.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
    const auto seite = QRegularExpression(QStringLiteral("/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)"))
                           .match(QString::fromLatin1(inhalt));
    ASSERT_TRUE(seite.hasMatch());
    EXPECT_GT(seite.captured(1).toDouble(), seite.captured(2).toDouble());  // landscape
    EXPECT_TRUE(inhalt.contains("/Subtype /Image"));
    EXPECT_TRUE(inhalt.contains("/Width 200"));
    EXPECT_TRUE(inhalt.contains("/Height 100"));
}

TEST_F(Drucken, CancelledDialogPrintsNothingAndAFailedJobIsReported)
{
    bildInZwischenablage();
    {
        ScopedMeldungen m;
        ScopedDruckDialog abbrechen;
        f.ZwischenablageDrucken();
        EXPECT_EQ(abbrechen.aufrufe(), 1);
        EXPECT_TRUE(m.meldungen().isEmpty());
    }
    ScopedMeldungen m;
    ScopedDruckDialog dialog(pdfNach(pfad(QStringLiteral("gibtsnicht/ausdruck.pdf"))));
    f.ZwischenablageDrucken();
    EXPECT_EQ(m.meldungen(),
              (QList<TMeldung>{TMeldung{MeldungsArt::Fehler, QStringLiteral("Fehler beim Ausdruck")}}));
}

} // namespace
