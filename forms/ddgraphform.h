#pragma once

#include "core/regeltab.h"

#include <QDialog>
#include <QPointF>

#include <optional>

class QCheckBox;
class QScrollBar;
class TFlaechendiagramm3D;

// "Fuzzy-3-D-Graph": the control surface as a 3-D staircase, coloured by
// thirds of its value range. The window keeps its view angle and inversions
// between openings; it can be resized, and dragging the chart turns it like
// the scroll bar.
class TDDGraphForm : public QDialog {
    Q_OBJECT

public:
    explicit TDDGraphForm(QWidget* parent = nullptr);

    // [i][j]: i = grid index of input A, j = grid index of input B.
    TKennfeld FuzzyDaten{};

    // Fills the chart from FuzzyDaten (every series cleared first) and sets
    // the controls from the chart. The opener calls it once before showing the
    // window; nothing else appends points.
    void oeffnen();

    // Axis titles: input B along the bottom, input A in depth, the output upwards.
    void setNamen(const QString& eingangA, const QString& eingangB, const QString& ausgang);
    // The operating point: grid positions of A and B (sample i spans i .. i + 1)
    // and its height; drawn over every box, with a legend. Nothing: no marker.
    void setArbeitspunkt(std::optional<QPointF> positionAB, float wert = 0);

    void ScrollBar1Change();
    void CheckInvertXClick();
    void CheckInvertYClick();
    // Clears all series.
    void FormClose();

    TFlaechendiagramm3D* Chart1() const { return chart; }
    QScrollBar* ScrollBar1() const { return scrollBar; }
    QCheckBox* CheckInvertX() const { return checkX; }
    QCheckBox* CheckInvertY() const { return checkY; }

    void done(int ergebnis) override;

private:
    TFlaechendiagramm3D* chart;
    QScrollBar* scrollBar;
    QCheckBox* checkX;
    QCheckBox* checkY;
};
