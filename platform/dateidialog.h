#pragma once

#include <QList>
#include <QString>

#include "platform/hilfe.h"

#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

// What a file dialog is asked: open an existing file, or choose a name to save
// under (asking before an existing file is overwritten).
struct TDateiDialog {
    enum class Art { Oeffnen, Speichern };
    Art art = Art::Oeffnen;
    QString titel;
    QString filter;          // "Fuzzy-Datei (*.Fuz)"
    QString standardEndung;  // without the dot; appended to a name without extension
    QString vorschlag;       // proposed file name
    std::optional<HilfeSeite> hilfeSeite; // help page for F1
};

// Shows the dialog; the chosen name, or nothing when it was cancelled. A name
// without extension gets the default extension, as the dialog itself does it.
std::optional<QString> DateiDialog(const TDateiDialog& dialog);

// A handler returns the name as the user chose it; DateiDialog() appends the
// default extension afterwards.
using DateiDialogHandler = std::function<std::optional<QString>(const TDateiDialog&)>;
DateiDialogHandler setzeDateiDialogHandler(DateiDialogHandler handler);

// name + "." + endung when the file name part of name has no extension.
QString MitStandardEndung(const QString& name, const QString& endung);

// The dialog the default handler shows, built but not shown.
std::unique_ptr<QFileDialog> DateiDialogErstellen(const TDateiDialog& dialog, QWidget* parent = nullptr);

// Answers file dialogs with scripted names (nothing = cancelled) for as long as
// it lives and records what each dialog was asked. Without a scripted answer
// the dialog counts as cancelled.
class ScopedDateiDialoge {
public:
    explicit ScopedDateiDialoge(QList<std::optional<QString>> antworten = {});
    ~ScopedDateiDialoge();
    ScopedDateiDialoge(const ScopedDateiDialoge&) = delete;
    ScopedDateiDialoge& operator=(const ScopedDateiDialoge&) = delete;

    const QList<TDateiDialog>& dialoge() const { return dialoge_; }

private:
    QList<std::optional<QString>> antworten_;
    QList<TDateiDialog> dialoge_;
    DateiDialogHandler vorher_;
};
