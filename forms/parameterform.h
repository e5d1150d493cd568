#pragma once

#include <QDialog>

#include <cstdint>

class QPushButton;
class TIntEdit;
class TSingEdit;

// "Suchen - Parameter": number of chromosomes, crossover and mutation rate.
// The fields carry the values in and out; whatever way the dialog closes, it
// takes the fields and replaces values out of range by the defaults.
class TParameterForm : public QDialog {
    Q_OBJECT
public:
    static constexpr std::int32_t StandardAnzahl = 20;
    static constexpr float StandardKreuzungsrate = 0.2f;
    static constexpr float StandardMutationsrate = 0.01f;

    explicit TParameterForm(QWidget* parent = nullptr);

    float mr = StandardMutationsrate;
    float kr = StandardKreuzungsrate;
    std::int32_t ca = StandardAnzahl;

    // Shows ca, kr and mr in the fields; the opener calls it before showing.
    void aktivieren();
    void StandardwerteClick();
    // Takes the fields into ca, kr and mr.
    void FelderUebernehmen();

    TIntEdit* IntEdit1() const { return anzahlFeld; }
    TSingEdit* SingEdit1() const { return kreuzungsFeld; }
    TSingEdit* SingEdit2() const { return mutationsFeld; }
    QPushButton* StandardButton() const { return standardKnopf; }
    QPushButton* OKBtn() const { return okKnopf; }
    QPushButton* CancelBtn() const { return abbrechenKnopf; }
    QPushButton* HelpBtn() const { return hilfeKnopf; }

    void done(int ergebnis) override;

private:
    TIntEdit* anzahlFeld;
    TSingEdit* kreuzungsFeld;
    TSingEdit* mutationsFeld;
    QPushButton* standardKnopf;
    QPushButton* okKnopf;
    QPushButton* abbrechenKnopf;
    QPushButton* hilfeKnopf;
};
