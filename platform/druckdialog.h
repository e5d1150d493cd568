#pragma once

#include <functional>

class QPrinter;

// Shows the print dialog for the printer; false when it was cancelled. F1 in the
// dialog opens the help page of the file and print dialogs.
bool DruckDialog(QPrinter& drucker);

// A handler sets the printer up as the user would (printer or PDF file, page)
// and returns whether the dialog was accepted.
using DruckDialogHandler = std::function<bool(QPrinter&)>;
DruckDialogHandler setzeDruckDialogHandler(DruckDialogHandler handler);

// Answers the print dialog with the given handler for as long as it lives
// (without one: cancelled) and counts the dialogs.
class ScopedDruckDialog {
public:
    explicit ScopedDruckDialog(DruckDialogHandler antwort = {});
    ~ScopedDruckDialog();
    ScopedDruckDialog(const ScopedDruckDialog&) = delete;
    ScopedDruckDialog& operator=(const ScopedDruckDialog&) = delete;

    int aufrufe() const { return aufrufe_; }

private:
    DruckDialogHandler antwort_;
    int aufrufe_ = 0;
    DruckDialogHandler vorher_;
};
