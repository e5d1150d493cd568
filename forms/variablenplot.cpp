#include "forms/variablenplot.h"

#include "widgets/koordinatensystem.h"

#include <QFrame>

TVariablenPlot VariablenPlotAnlegen(QWidget* parent, const QRect& platz)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(platz);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette weiss = panel->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    panel->setPalette(weiss);
    auto* k = new TKoordinatensystem(panel);
    k->setGeometry(2, 2, platz.width() - 4, platz.height() - 4);
    k->setSkalenart(TSkala::teilweise);
    k->setGraphFarbe(Qt::black);
    k->setKSFarbe(QColor(128, 128, 128));
    k->setStiftart(TStiftart::Kopieren);
    k->setXBereich(-10, 10);
    k->setYBereich(-10, 10);
    k->Refresh();
    return {panel, k};
}
