#pragma once

#include "core/regeltab.h"
#include "search/suchdaten.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

// "Chromosomenregelsystem": the 16 rules of one chromosome as readable lines,
// to copy, to watch in the search window's ten test runs, or to carry into the
// project's rule table.
class TCRegelform : public QDialog {
    Q_OBJECT
public:
    // Writes a rule table into the project (one change the user can undo).
    using TUebernahme = std::function<void(const TRegeltab&)>;

    explicit TCRegelform(QWidget* parent = nullptr);

    // Builds the text from the rule system and the variables that name its
    // terms; the opener calls it before showing.
    void oeffnen(const TRegelsystemDaten& daten);
    // None: "In die Regeltabelle übernehmen" is unavailable.
    void setUebernahme(TUebernahme uebernahme);

    // The rule system shown: the chosen chromosome's or the best so far.
    const TRegelsystem& Gezeigt() const { return gezeigt; }
    // Closed with "Testläufe zeigen": the opener replays Gezeigt().
    bool TestlaeufeGewuenscht() const { return testlaeufe; }

    void KopiereButtonClick();
    void BesterBisherClick(bool an);
    void TestlaeufeButtonClick();
    void UebernehmenButtonClick();

    QPlainTextEdit* Memo1() const { return memo1; }
    QGroupBox* Rahmen() const { return rahmen; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }
    QPushButton* KopiereButton() const { return kopiereButton; }
    QCheckBox* BesterBisherBox() const { return besterBisherBox; }
    QPushButton* TestlaeufeButton() const { return testlaeufeButton; }
    QPushButton* UebernehmenButton() const { return uebernehmenButton; }

private:
    void zeigen();

    TRegelsystemDaten daten;
    TRegelsystem gezeigt{};
    TUebernahme uebernahme;
    bool testlaeufe = false;

    QGroupBox* rahmen;
    QPlainTextEdit* memo1;
    QPushButton* okBtn;
    QPushButton* helpBtn;
    QPushButton* kopiereButton;
    QCheckBox* besterBisherBox;
    QPushButton* testlaeufeButton;
    QPushButton* uebernehmenButton;
};
