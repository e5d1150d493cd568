#pragma once

#include <QStringList>

#include <functional>

class QDialog;

// Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
// Every modal window of the program is shown through here; the program's
// runner first puts the dialog on the screen (DialogPlatzieren).
int ZeigeModal(QDialog& dialog);

using ModalHandler = std::function<int(QDialog& dialog)>;
ModalHandler setzeModalHandler(ModalHandler handler);

// Takes over modal dialogs for as long as it lives: the handler gets each
// dialog, may set its fields and returns the result (without a handler every
// dialog is rejected). Records the class name of each dialog.
class ScopedModal {
public:
    explicit ScopedModal(ModalHandler antwort = {});
    ~ScopedModal();
    ScopedModal(const ScopedModal&) = delete;
    ScopedModal& operator=(const ScopedModal&) = delete;

    const QStringList& dialoge() const { return dialoge_; }

private:
    ModalHandler antwort_;
    QStringList dialoge_;
    ModalHandler vorher_;
};
