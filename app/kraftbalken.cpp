#include "app/kraftbalken.h"

#include <QMouseEvent>

#include <algorithm>

TKraftbalken::TKraftbalken(QWidget* parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    setTextVisible(false);
    setMouseTracking(true);
}

void TKraftbalken::setPosition(int spalte)
{
    setValue(std::clamp(spalte, minimum(), maximum()));
}

void TKraftbalken::mouseMoveEvent(QMouseEvent* e)
{
    emit mausBewegt(static_cast<int>(e->position().x()));
    QProgressBar::mouseMoveEvent(e);
}
