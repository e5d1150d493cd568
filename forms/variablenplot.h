#pragma once

class QRect;
class QWidget;
class TKoordinatensystem;

// The plot of a variable in the editor and the tester: a white, lowered panel
// at `platz` with the coordinate system inside its frame, set up for drawing
// terms (partial scale, black graph, grey grid, copy pen) and empty.
struct TVariablenPlot {
    QWidget* panel;
    TKoordinatensystem* koordinatensystem;
};
TVariablenPlot VariablenPlotAnlegen(QWidget* parent, const QRect& platz);
