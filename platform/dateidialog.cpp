#include "platform/dateidialog.h"

#include "platform/fensterplatz.h"
#include "platform/hilfe.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QShowEvent>

#include <utility>

namespace {

// Opens inside the screen of its window, made smaller where the screen is
// smaller than the dialog (on a scaled laptop screen), once it has the size
// it is shown with.
class TDateiFenster : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void showEvent(QShowEvent* e) override
    {
        QFileDialog::showEvent(e);
        if (!e->spontaneous())
            DialogPlatzieren(*this);
    }
};

std::optional<QString> standardDialog(const TDateiDialog& d)
{
    auto dialog = DateiDialogErstellen(d, QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

DateiDialogHandler& handler()
{
    static DateiDialogHandler h = standardDialog;
    return h;
}

} // namespace

QString MitStandardEndung(const QString& name, const QString& endung)
{
    if (name.isEmpty() || endung.isEmpty())
        return name;
    const QString datei = QFileInfo(name).fileName();
    if (datei.isEmpty() || datei.contains(QLatin1Char('.')))
        return name;
    return name + QLatin1Char('.') + endung;
}

std::unique_ptr<QFileDialog> DateiDialogErstellen(const TDateiDialog& d, QWidget* parent)
{
    auto dialog = std::make_unique<TDateiFenster>(parent, d.titel);
    // Qt's own dialog: its filter ignores letter case, so "*.Fuz" also lists
    // "pendel.fuz", and it behaves the same on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilter(d.filter);
    dialog->setDefaultSuffix(d.standardEndung);
    if (d.art == TDateiDialog::Art::Oeffnen) {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
    }
    if (!d.vorschlag.isEmpty())
        dialog->selectFile(d.vorschlag);
    if (d.hilfeSeite)
        HilfeSeiteSetzen(dialog.get(), *d.hilfeSeite);
    return dialog;
}

std::optional<QString> DateiDialog(const TDateiDialog& dialog)
{
    const auto name = handler()(dialog);
    if (!name || name->isEmpty())
        return std::nullopt;
    if (dialog.art == TDateiDialog::Art::Speichern)
        return MitStandardEndung(*name, dialog.standardEndung);
    return name;
}

DateiDialogHandler setzeDateiDialogHandler(DateiDialogHandler neu)
{
    if (!neu)
        neu = standardDialog;
    return std::exchange(handler(), std::move(neu));
}

ScopedDateiDialoge::ScopedDateiDialoge(QList<std::optional<QString>> antworten)
    : antworten_(std::move(antworten))
{
    vorher_ = setzeDateiDialogHandler([this](const TDateiDialog& d) -> std::optional<QString> {
        dialoge_.append(d);
        if (antworten_.isEmpty())
            return std::nullopt;
        return antworten_.takeFirst();
    });
}

ScopedDateiDialoge::~ScopedDateiDialoge()
{
    setzeDateiDialogHandler(std::move(vorher_));
}
