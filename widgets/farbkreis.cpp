#include "widgets/farbkreis.h"

#include <QPainter>

void FarbkreisZeichnen(QPainter& maler, const QRectF& platz, const QColor& farbe)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(farbe);
    // The pen's centre runs half a pixel inside, so the outline stays whole.
    maler.drawEllipse(platz.adjusted(0.5, 0.5, -0.5, -0.5));
    maler.restore();
}

TFarbkreis::TFarbkreis(const QColor& f, QWidget* parent)
    : QWidget(parent), farbe(f)
{
}

void TFarbkreis::setFarbe(const QColor& neu)
{
    if (neu == farbe)
        return;
    farbe = neu;
    update();
}

void TFarbkreis::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    FarbkreisZeichnen(maler, QRectF(rect()), farbe);
}
