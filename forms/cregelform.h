#pragma once

#include "search/suchdaten.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Chromosomenregelsystem": the 16 rules of one chromosome as readable lines,
// for the user to copy and carry into the project's rule table by hand.
class TCRegelform : public QDialog {
    Q_OBJECT
public:
    explicit TCRegelform(QWidget* parent = nullptr);

    // Builds the text from the rule system and the variables that name its
    // terms; the opener calls it before showing. Nothing comes back.
    void oeffnen(const TRegelsystemDaten& daten);

    QPlainTextEdit* Memo1() const { return memo1; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }
    QPushButton* KopiereButton() const { return kopiereButton; }

    void KopiereButtonClick();

private:
    QPlainTextEdit* memo1;
    QPushButton* okBtn;
    QPushButton* helpBtn;
    QPushButton* kopiereButton;
};
