#include "app/mainform.h"

// The file commands of the main window: New, Open, Save, Save As, Exit and
// printing the clipboard.

#include "app/simulationspanel.h"
#include "platform/dateidialog.h"
#include "platform/druckdialog.h"
#include "platform/hilfe.h"
#include "platform/meldung.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>

namespace {

const QString FrageLoeschen = QStringLiteral("Sollen die bestehenden Daten\rtatsächlich gelöscht werden?");
const QString FrageSichern =
    QStringLiteral("Wollen Sie Ihr Fuzzy-Projekt vor dem\rSchließen der Anwendung sichern?");
const QString FalscheEndung = QStringLiteral("Die Datei kann mit dieser Extension nicht abgespeichert werden.");
const QString KeinBild = QStringLiteral("Zwischenablage nicht vorhanden oder im falschen Format");
const QString DruckFehler = QStringLiteral("Fehler beim Ausdruck");

// The extension from the last "." of the file name on, in upper case.
QString Endung(const QString& pfad)
{
    const QString name = QFileInfo(pfad).fileName();
    const int punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? QString() : name.mid(punkt).toUpper();
}

} // namespace

bool TMainForm::dateiErgebnis(const TDateiErgebnis& ergebnis)
{
    if (ergebnis.titel)
        setWindowTitle(*ergebnis.titel);
    uebersichtAktualisieren();
    if (ergebnis.meldung)
        Meldung(*ergebnis.meldung);
    else if (!ergebnis.dateifehler && projekt.Dateiname != NeuerProjektname)
        bestaetigterName = projekt.Dateiname;
    return !ergebnis.dateifehler;
}

bool TMainForm::datenLoeschenErlaubt()
{
    return !projekt.Geaendert || Meldung(MeldungsArt::Bestaetigung, FrageLoeschen, true) == Antwort::Ja;
}

void TMainForm::FileNew()
{
    if (!datenLoeschenErlaubt())
        return;
    projekt.Dateiname = NeuerProjektname;
    setWindowTitle(ProjektTitel(projekt.Dateiname));
    for (TFuzzy* f : {&projekt.EingangA, &projekt.EingangB, &projekt.Ausgang}) {
        f->loeschen();
        f->setName(QString());
    }
    projekt.Regeltab = TRegeltab{};
    uebersichtAktualisieren();
}

void TMainForm::FileOpen()
{
    if (!datenLoeschenErlaubt())
        return;
    TDateiDialog dialog;
    dialog.art = TDateiDialog::Art::Oeffnen;
    dialog.titel = QStringLiteral("Fuzzy-Datei öffnen");
    dialog.filter = QStringLiteral("Fuzzy-Datei (*.Fuz)");
    dialog.standardEndung = QStringLiteral("fuz");
    dialog.vorschlag = projekt.Dateiname;
    dialog.hilfeSeite = HilfeSeite::Dateien;
    const auto name = DateiDialog(dialog);
    if (!name)
        return;
    projekt.Dateiname = *name;
    dateiErgebnis(LoadFile(projekt));
}

bool TMainForm::speicherErgebnis(const TDateiErgebnis& ergebnis)
{
    if (!ergebnis.meldung && !ergebnis.dateifehler)
        projektverlauf.Gespeichert(projekt);
    return dateiErgebnis(ergebnis);
}

void TMainForm::FileSave()
{
    speicherErgebnis(::FileSave(projekt));
}

bool TMainForm::FileSaveAs()
{
    TDateiDialog dialog;
    dialog.art = TDateiDialog::Art::Speichern;
    dialog.titel = QStringLiteral("Fuzzy-Datei speichern unter");
    dialog.filter = QStringLiteral("Fuzzy-Datei (*.FUZ)");
    dialog.standardEndung = QStringLiteral("FUZ");
    // The current file, else the folder of the last successful open or save:
    // a refused or unwritable name is never proposed again (a special folder
    // of the system can hang the dialog).
    if (!bestaetigterName.isEmpty())
        dialog.vorschlag = projekt.Dateiname == bestaetigterName
                               ? bestaetigterName
                               : QFileInfo(bestaetigterName).absolutePath() + QLatin1Char('/');
    dialog.hilfeSeite = HilfeSeite::Dateien;
    const auto name = DateiDialog(dialog);
    if (!name)
        return false;
    if (Endung(*name) != QLatin1String(".FUZ")) {
        Meldung(MeldungsArt::Warnung, FalscheEndung);
        return false;
    }
    const QString nameVorher = projekt.Dateiname;
    const QString titelVorher = windowTitle();
    projekt.Dateiname = *name;
    setWindowTitle(ProjektTitel(projekt.Dateiname));
    const TDateiErgebnis ergebnis = ::FileSave(projekt);
    if (ergebnis.dateifehler) {
        // Nothing exists under the new name: the project stays where it was.
        projekt.Dateiname = nameVorher;
        setWindowTitle(titelVorher);
    }
    return speicherErgebnis(ergebnis);
}

void TMainForm::FileExit()
{
    close();
}

bool TMainForm::FormCloseQuery()
{
    if (!projekt.Geaendert)
        return true;
    if (Meldung(MeldungsArt::Bestaetigung, FrageSichern, true) == Antwort::Nein)
        return true;
    // The user asked to save: unless the project was written, the changes
    // would be lost, so the window stays open (cancelling the save dialog is
    // also the only way back from an accidental close).
    return FileSaveAs();
}

void TMainForm::closeEvent(QCloseEvent* e)
{
    if (!schliessenNachLauf && !FormCloseQuery()) {
        e->ignore();
        return;
    }
    if (simulationspanel->Laeuft()) {
        // The run's loop is still on the stack: stop it, and close once it
        // has returned.
        schliessenNachLauf = true;
        simulationspanel->Anhalten();
        e->ignore();
        return;
    }
    SchliesseHilfe();
    e->accept();
}

void TMainForm::ZwischenablageDrucken()
{
    QImage bild;
    if (const QMimeData* daten = QGuiApplication::clipboard()->mimeData(); daten && daten->hasImage())
        bild = qvariant_cast<QImage>(daten->imageData());
    if (bild.isNull()) {
        Meldung(MeldungsArt::Fehler, KeinBild);
        return;
    }
    QPrinter drucker(QPrinter::HighResolution);
    if (!DruckDialog(drucker))
        return;
    drucker.setPageOrientation(QPageLayout::Landscape);
    // The whole landscape page, whatever orientation was chosen in the dialog.
    const QRect ziel(0, 0, drucker.width(), drucker.height());
    QPainter maler;
    bool ok = maler.begin(&drucker);
    if (ok) {
        maler.drawText(ziel, Qt::AlignLeft | Qt::AlignTop, projekt.Dateiname);
        maler.drawImage(ziel, bild);
        ok = maler.end() && drucker.printerState() != QPrinter::Error;
    }
    if (!ok)
        Meldung(MeldungsArt::Fehler, DruckFehler);
}
