#pragma once

#include "core/regeldaten.h"

#include <QDialog>

class QCheckBox;
class QScrollBar;
class TFlaechendiagramm3D;

// "Fuzzy-3-D-Graph": the control surface as a 3-D staircase, coloured by
// thirds of its value range. The window keeps its view angle and inversions
// between openings; it can be resized. The scroll bar turns the chart,
// dragging moves it sideways, the mouse wheel enlarges it.
class TDDGraphForm : public QDialog {
    Q_OBJECT

public:
    static inline const QString Diagrammhinweis =
        QStringLiteral("Mit der Maus ziehen, um das Kennfeld seitlich zu verschieben; Mausrad: vergrößern");

    explicit TDDGraphForm(QWidget* parent = nullptr);

    // Fills the chart from the surface (every series cleared first), names
    // its axes (input B along the bottom, input A in depth, the output
    // upwards), marks the operating point and sets the controls from the
    // chart. The opener calls it once before showing the window; nothing else
    // appends points.
    void oeffnen(const TKennfeldDaten& daten);

    void ScrollBar1Change();
    void CheckInvertXClick();
    void CheckInvertYClick();
    // Clears all series.
    void FormClose();

    TFlaechendiagramm3D* Chart1() const { return chart1; }
    QScrollBar* ScrollBar1() const { return scrollBar1; }
    QCheckBox* CheckInvertX() const { return checkInvertX; }
    QCheckBox* CheckInvertY() const { return checkInvertY; }

    void done(int ergebnis) override;

private:
    TFlaechendiagramm3D* chart1;
    QScrollBar* scrollBar1;
    QCheckBox* checkInvertX;
    QCheckBox* checkInvertY;
};
