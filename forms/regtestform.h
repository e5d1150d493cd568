#pragma once

#include "core/fuzzy.h"
#include "core/regeltab.h"

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
    // ddGraph: the 3-D window that "3D" fills and shows (may be null in tests
    // that do not need it).
    explicit TRegTestForm(TDDGraphForm* ddGraph = nullptr, QWidget* parent = nullptr);

    // The copies the opener fills before oeffnen().
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
    TRegeltab regel;

    // Sets every field, label and plot from the copies, with both inputs at
    // the left ends of their universes. The opener calls it before showing
    // the window.
    void oeffnen();

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

    // Value of a scroll bar position on a universe: pos 0 gives fa, 200 gives fb.
    static float Eingangswert(float fa, float fb, int position);
    // Where the input's value lies on the 3-D grid: 0 at a(), 20 at b();
    // sample i spans i .. i + 1. 0 for an empty universe.
    static double Gitterposition(const TFuzzy& eingang);

    TKoordinatensystem* Koordinatensystem1() const { return plotA; }
    TKoordinatensystem* Koordinatensystem2() const { return plotB; }
    TKoordinatensystem* Koordinatensystem3() const { return plotAusgang; }
    QScrollBar* ScrollBar1() const { return scrollA; }
    QScrollBar* ScrollBar2() const { return scrollB; }
    TSingEdit* SingEdit1() const { return wertAusgang; }
    TSingEdit* SingEdit2() const { return wertA; }
    TSingEdit* SingEdit3() const { return wertB; }
    QLabel* Label1() const { return zA; }
    QLabel* Label2() const { return zB; }
    QLabel* Ausganglabel() const { return labelAusgang; }
    QLabel* EingangALabel() const { return labelA; }
    QLabel* EingangBLabel() const { return labelB; }
    QPushButton* b3d() const { return knopf3d; }
    QPushButton* OKBtn() const { return knopfOK; }
    QPushButton* HelpBtn() const { return knopfHilfe; }
    TDDGraphForm* DDGraphForm() const { return ddGraph; }
    // Which rules fire at the current inputs, and the line that says when none does.
    TAktivitaetsgitter* Regelaktivitaet() const { return gitter; }
    QLabel* KeineRegelLabel() const { return keineRegel; }

    static inline const QString KeineRegelText =
        QStringLiteral("Keine Regel ist aktiv – der Ausgang steht am linken Rand seiner Grundmenge.");

private:
    // Erases the membership lines of the input, moves it to the position and
    // draws them again; then the inference and the output.
    void eingangBewegen(TFuzzy& eingang, TKoordinatensystem& plot, int position, TSingEdit& feld, bool zeichnen);

    TDDGraphForm* ddGraph;
    TKoordinatensystem* plotA;
    TKoordinatensystem* plotB;
    TKoordinatensystem* plotAusgang;
    QScrollBar* scrollA;
    QScrollBar* scrollB;
    TSingEdit* wertAusgang;
    TSingEdit* wertA;
    TSingEdit* wertB;
    QLabel* zA;
    QLabel* zB;
    QLabel* labelAusgang;
    QLabel* labelA;
    QLabel* labelB;
    QPushButton* knopf3d;
    QPushButton* knopfOK;
    QPushButton* knopfHilfe;
    TAktivitaetsgitter* gitter;
    QLabel* keineRegel;
};
