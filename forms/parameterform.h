#pragma once

#include "search/suchparameter.h"

#include <QDialog>

class QPushButton;
class TIntEdit;
class TSingEdit;

// "Suchen - Parameter": number of chromosomes, crossover and mutation rate.
// Whatever way the dialog closes, its result is the fields, with values out of
// range replaced by the defaults.
class TParameterForm : public QDialog {
    Q_OBJECT
public:
    explicit TParameterForm(QWidget* parent = nullptr);

    // Shows the parameters in the fields; the opener calls it before showing.
    void oeffnen(const TSuchParameter& daten);
    TSuchParameter Ergebnis() const;
    bool Geaendert() const { return Ergebnis() != gegeben; }

    void StandardwerteClick();

    TIntEdit* IntEdit1() const { return intEdit1; }
    TSingEdit* SingEdit1() const { return singEdit1; }
    TSingEdit* SingEdit2() const { return singEdit2; }
    QPushButton* StandardButton() const { return standardButton; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* CancelBtn() const { return cancelBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }

private:
    void zeigen(const TSuchParameter& p);

    TSuchParameter gegeben;
    TIntEdit* intEdit1;
    TSingEdit* singEdit1;
    TSingEdit* singEdit2;
    QPushButton* standardButton;
    QPushButton* okBtn;
    QPushButton* cancelBtn;
    QPushButton* helpBtn;
};
