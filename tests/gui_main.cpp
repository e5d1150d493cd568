// main() for GUI tests: one QApplication for the whole program. CTest sets
// QT_QPA_PLATFORM=offscreen; it is also set here for runs by hand.
#include "platform/dateidialog.h"
#include "platform/druckdialog.h"
#include "platform/meldung.h"
#include "platform/modal.h"

#include <QApplication>
#include <QDialog>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The program's dialog font (app/stil), so that pictures of dialogs in
    // tests show the texts as the program does.
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(11);
    QApplication::setFont(schrift);
    // A box or dialog that a test did not script would wait for a user that
    // never comes: it fails the test at once and is answered as cancelled.
    setzeMeldungsHandler([](MeldungsArt, const QString& text, bool) {
        ADD_FAILURE() << "Unerwartete Meldung: " << text.toStdString();
        return Antwort::Nein;
    });
    setzeModalHandler([](QDialog& dialog) {
        ADD_FAILURE() << "Unerwarteter Dialog: " << dialog.windowTitle().toStdString();
        return int(QDialog::Rejected);
    });
    setzeDateiDialogHandler([](const TDateiDialog& dialog) -> std::optional<QString> {
        ADD_FAILURE() << "Unerwarteter Dateidialog: " << dialog.titel.toStdString();
        return std::nullopt;
    });
    setzeDruckDialogHandler([](QPrinter&) {
        ADD_FAILURE() << "Unerwarteter Druckdialog";
        return false;
    });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
