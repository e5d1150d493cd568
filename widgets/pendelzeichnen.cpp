#include "widgets/pendelzeichnen.h"

#include "plant/pendel.h"
#include "widgets/koordinatensystem.h"

#include <cmath>

void ZeigePendel(const TPendel& pendel, TKoordinatensystem& k)
{
    const double l = pendel.laenge();
    const double phi = pendel.zustand()[2];
    const float x = pendel.x();
    k.setGraphFarbe(QColor(255, 0, 0));
    TCanvas& canvas = k.Canvas();
    canvas.Stift.Breite = 2;
    const float spitzeX = static_cast<float>(x + l * std::sin(phi));
    // Foot of the rod (pendulum) or suspension point on the rail (crane).
    const float fussY = pendel.PendelTyp() ? 0.0f : static_cast<float>(l);
    const float spitzeY = static_cast<float>(pendel.PendelTyp() ? l * std::cos(phi) : l - l * std::cos(phi));
    k.moveto(x, fussY);
    k.lineto(spitzeX, spitzeY);
    const auto fuss = k.Pixel(x, fussY);
    if (!fuss)
        return;
    canvas.Stift.Farbe = k.GraphFarbe();
    canvas.Stift.Stil = Qt::SolidLine;
    canvas.Stift.Modus = k.Stiftart();
    const int px = fuss->x();
    const int py = fuss->y();
    if (pendel.PendelTyp())
        canvas.Rectangle(px - 5, py, px + 5, py + 7);
    else
        canvas.Rectangle(px - 5, py - 7, px + 5, py);
}
