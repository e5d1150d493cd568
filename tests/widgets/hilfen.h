#pragma once

#include "widgets/koordinatensystem.h"

#include <QImage>
#include <QRect>

#include <memory>

// A plot of the given size with a white background and its geometry computed.
inline std::unique_ptr<TKoordinatensystem> plot(int breite, int hoehe)
{
    auto k = std::make_unique<TKoordinatensystem>();
    k->resize(breite, hoehe);
    k->Neu();
    k->Refresh();
    return k;
}

// Number of pixels in which two pictures of the same size differ.
inline int unterschiede(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// Whether any pixel inside the rectangle differs from the colour.
inline bool etwasAnders(const QImage& bild, const QRect& r, QRgb farbe)
{
    const QRect innen = r.intersected(bild.rect());
    for (int y = innen.top(); y <= innen.bottom(); ++y)
        for (int x = innen.left(); x <= innen.right(); ++x)
            if ((bild.pixel(x, y) & 0xffffff) != (farbe & 0xffffff))
                return true;
    return false;
}

inline QRgb rgb(const QImage& bild, int x, int y)
{
    return bild.pixel(x, y) & 0xffffff;
}
