#pragma once

#include "core/fuzzy.h"
#include "search/regelsystem.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Chromosomenregelsystem": the 16 rules of one chromosome as readable lines,
// for the user to copy and carry into the project's rule table by hand.
class TCRegelform : public QDialog {
    Q_OBJECT
public:
    explicit TCRegelform(QWidget* parent = nullptr);

    // Filled by the opener before each showing.
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
    TRegelsystem rs{};

    // Rebuilds the text from rs and the three variables; the opener calls it
    // before showing.
    void aktivieren();

    QPlainTextEdit* Memo1() const { return memo; }
    QPushButton* OKBtn() const { return okKnopf; }
    QPushButton* HelpBtn() const { return hilfeKnopf; }
    QPushButton* KopiereButton() const { return kopiereKnopf; }

    void KopiereButtonClick();

private:
    QPlainTextEdit* memo;
    QPushButton* okKnopf;
    QPushButton* hilfeKnopf;
    QPushButton* kopiereKnopf;
};
