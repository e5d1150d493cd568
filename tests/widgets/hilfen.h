#pragma once

#include "widgets/koordinatensystem.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
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

// The inked part of a box: the smallest rectangle around every pixel that
// differs from the background, cut out; a null image when there is none.
inline QImage tinte(const QImage& bild, const QRect& box, QRgb hintergrund)
{
    const QRect innen = box.intersected(bild.rect());
    QRect rahmen;
    for (int y = innen.top(); y <= innen.bottom(); ++y)
        for (int x = innen.left(); x <= innen.right(); ++x)
            if ((bild.pixel(x, y) & 0xffffff) != (hintergrund & 0xffffff))
                rahmen |= QRect(x, y, 1, 1);
    return rahmen.isNull() ? QImage() : bild.copy(rahmen).convertToFormat(QImage::Format_RGB32);
}

// The inked part of a text written in the font and colour on the background,
// to compare with a label read off a picture by tinte().
inline QImage textTinte(const QString& text, const QFont& schrift, const QColor& farbe, QRgb hintergrund)
{
    QImage bild(400, 60, QImage::Format_RGB32);
    bild.fill(hintergrund);
    {
        QPainter maler(&bild);
        maler.setFont(schrift);
        maler.setPen(farbe);
        maler.drawText(QPoint(10, 10 + QFontMetrics(schrift).ascent()), text);
    }
    return tinte(bild, bild.rect(), hintergrund);
}
