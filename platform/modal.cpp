#include "platform/modal.h"

#include "platform/fensterplatz.h"

#include <QDialog>

#include <utility>

namespace {

int standardModal(QDialog& dialog)
{
    DialogPlatzieren(dialog);
    return dialog.exec();
}

ModalHandler& handler()
{
    static ModalHandler h = standardModal;
    return h;
}

} // namespace

int ZeigeModal(QDialog& dialog)
{
    return handler()(dialog);
}

ModalHandler setzeModalHandler(ModalHandler neu)
{
    if (!neu)
        neu = standardModal;
    return std::exchange(handler(), std::move(neu));
}

ScopedModal::ScopedModal(ModalHandler antwort)
    : antwort_(std::move(antwort))
{
    vorher_ = setzeModalHandler([this](QDialog& dialog) {
        dialoge_.append(QString::fromLatin1(dialog.metaObject()->className()));
        const int ergebnis = antwort_ ? antwort_(dialog) : int(QDialog::Rejected);
        dialog.setResult(ergebnis);
        return ergebnis;
    });
}

ScopedModal::~ScopedModal()
{
    setzeModalHandler(std::move(vorher_));
}
