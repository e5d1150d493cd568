#pragma once

#include "core/regeldaten.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollBar;
class TDDGraphForm;
class TKoordinatensystem;
class TSingEdit;
class TAktivitaetsgitter;

// "Regeln testen": two scroll bars move the inputs; the memberships of each
// input, the activated output terms and the crisp output follow at once. The
// tester works on its own copies of the variables and the rule table, and
// "3D" shows the whole control surface in the 3-D window.
class TRegTestForm : public QDialog {
    Q_OBJECT

public:
    // ddGraphForm: the 3-D window that "3D" fills and shows (may be null in
    // tests that do not need it).
    explicit TRegTestForm(TDDGraphForm* ddGraphForm = nullptr, QWidget* parent = nullptr);

    // Takes copies of the variables and the table and sets every field, label
    // and plot from them, with both inputs at the left ends of their
    // universes. Nothing comes back: the tester only shows.
    void oeffnen(const TRegelDaten& daten);
    // The copies as the tester holds them now: the inputs at the values of
    // the scroll bars, the output with the heights of the last inference.
    const TRegelDaten& Daten() const { return daten; }

    // Draws both input plots with their membership lines.
    void FormPaint();
    void ScrollBar1Change();
    void ScrollBar2Change();
    // The inference on the copies, then the "Z =" lines.
    void RegleAusgang();
    // The output with its new heights, its value and the centroid line.
    void ZeichneAusgang();
    // Samples the control surface on copies and shows the 3-D window.
    void b3dClick();

    TKoordinatensystem* Koordinatensystem1() const { return koordinatensystem1; }
    TKoordinatensystem* Koordinatensystem2() const { return koordinatensystem2; }
    TKoordinatensystem* Koordinatensystem3() const { return koordinatensystem3; }
    QScrollBar* ScrollBar1() const { return scrollBar1; }
    QScrollBar* ScrollBar2() const { return scrollBar2; }
    TSingEdit* SingEdit1() const { return singEdit1; }
    TSingEdit* SingEdit2() const { return singEdit2; }
    TSingEdit* SingEdit3() const { return singEdit3; }
    QLabel* Label1() const { return label1; }
    QLabel* Label2() const { return label2; }
    QLabel* Ausganglabel() const { return ausganglabel; }
    QLabel* EingangALabel() const { return eingangALabel; }
    QLabel* EingangBLabel() const { return eingangBLabel; }
    QPushButton* B3d() const { return b3d; }
    QPushButton* OKBtn() const { return okBtn; }
    QPushButton* HelpBtn() const { return helpBtn; }
    TDDGraphForm* DDGraphForm() const { return ddGraphForm; }
    // Which rules fire at the current inputs, and the line that says when none does.
    TAktivitaetsgitter* Regelaktivitaet() const { return regelaktivitaet; }
    QLabel* KeineRegelLabel() const { return keineRegelLabel; }

    static inline const QString KeineRegelText =
        QStringLiteral("Keine Regel ist aktiv – der Ausgang steht am linken Rand seiner Grundmenge.");

private:
    // Erases the membership lines of the input, moves it to the position and
    // draws them again; then the inference and the output.
    void eingangBewegen(TFuzzy& eingang, TKoordinatensystem& plot, int position, TSingEdit& feld, bool zeichnen);

    TRegelDaten daten;

    TDDGraphForm* ddGraphForm;
    TKoordinatensystem* koordinatensystem1;
    TKoordinatensystem* koordinatensystem2;
    TKoordinatensystem* koordinatensystem3;
    QScrollBar* scrollBar1;
    QScrollBar* scrollBar2;
    TSingEdit* singEdit1;
    TSingEdit* singEdit2;
    TSingEdit* singEdit3;
    QLabel* label1;
    QLabel* label2;
    QLabel* ausganglabel;
    QLabel* eingangALabel;
    QLabel* eingangBLabel;
    QPushButton* b3d;
    QPushButton* okBtn;
    QPushButton* helpBtn;
    TAktivitaetsgitter* regelaktivitaet;
    QLabel* keineRegelLabel;
};
