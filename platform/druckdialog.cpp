#include "platform/druckdialog.h"

#include "platform/hilfe.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

namespace {

bool standardDialog(QPrinter& drucker)
{
    QPrintDialog dialog(&drucker, QApplication::activeWindow());
    HilfeSeiteSetzen(&dialog, HilfeSeite::Dateien);
    return dialog.exec() == QDialog::Accepted;
}

DruckDialogHandler& handler()
{
    static DruckDialogHandler h = standardDialog;
    return h;
}

} // namespace

bool DruckDialog(QPrinter& drucker)
{
    return handler()(drucker);
}

DruckDialogHandler setzeDruckDialogHandler(DruckDialogHandler neu)
{
    if (!neu)
        neu = standardDialog;
    return std::exchange(handler(), std::move(neu));
}

ScopedDruckDialog::ScopedDruckDialog(DruckDialogHandler antwort)
    : antwort_(std::move(antwort))
{
    vorher_ = setzeDruckDialogHandler([this](QPrinter& drucker) {
        ++aufrufe_;
        return antwort_ ? antwort_(drucker) : false;
    });
}

ScopedDruckDialog::~ScopedDruckDialog()
{
    setzeDruckDialogHandler(std::move(vorher_));
}
