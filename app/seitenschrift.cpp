#include "app/seitenschrift.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

QFont Schrift(const QFont& basis, int pixel, bool fett)
{
    QFont f = basis;
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

void Textfarbe(QWidget* w, const QColor& farbe)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    w->setPalette(p);
}

QLabel* Beschriftung(QWidget* eltern, int pixel, bool fett, const QString& farbe)
{
    auto* l = new QLabel(eltern);
    l->setFont(Schrift(eltern->font(), pixel, fett));
    if (!farbe.isEmpty())
        Textfarbe(l, QColor(farbe));
    return l;
}
