#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

// How a pen or brush combines with the pixels below: copy replaces them, XOR
// gives pixel XOR colour, so that drawing the same figure twice restores the
// picture.
enum class TStiftart { Kopieren, Xor };

struct TStift {
    QColor Farbe = Qt::black;
    int Breite = 1;
    Qt::PenStyle Stil = Qt::SolidLine;
    TStiftart Modus = TStiftart::Kopieren;
};

struct TPinsel {
    QColor Farbe = Qt::white;
    bool hohl = false; // a hollow brush leaves the inside of rectangles alone
};

// Drawing surface of a plot: pixel operations on a backing image (RGB32) with a pen,
// a brush and a font. Lines leave out their end pixel, so that a polyline
// drawn twice in XOR mode leaves no stray pixels at its vertices. Text is
// always drawn in copy mode on a transparent background.
// Coordinates and pen widths are logical pixels. An image with a device pixel
// ratio above 1 (a scaled screen) gets its lines at device resolution, one
// logical pixel wide per unit of pen width, and rectangles on the device
// pixels of their logical pixels, so that the picture stays sharp.
class TCanvas {
public:
    // `geaendert` is told which rectangle of the image changed.
    TCanvas(QImage& bild, std::function<void(const QRect&)> geaendert);

    TStift Stift;
    TPinsel Pinsel;
    QFont Schrift;
    QColor Schriftfarbe = Qt::black;

    QPoint PenPos() const { return stiftPosition; }
    void MoveTo(int x, int y);
    // Line from the pen position up to, but not including, (x, y).
    void LineTo(int x, int y);
    // The one pixel (x, y) in the pen's colour and mode, as a line from it to
    // (x + 1, y + 1) sets it at ratio 1; the pen then stands there.
    void Punkt(int x, int y);
    // Outline with the pen and inside with the brush, both in the pen's mode;
    // the rectangle covers columns x1..x2-1 and rows y1..y2-1.
    void Rectangle(int x1, int y1, int x2, int y2);
    // Fills the rectangle with the brush colour in copy mode.
    void FillRect(const QRect& rechteck);
    // Text with its top-left corner at (x, y).
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    // The picture stretched over the rectangle, in copy mode.
    void StretchDraw(const QRect& rechteck, const QImage& bild);

private:
    void linie(QPoint von, QPoint bis);
    // Sets or XORs the device pixels of the rectangle (clipped to the picture).
    void flaeche(const QRect& rechteck, QRgb farbe, bool mitXor);
    // The device pixels of a rectangle of logical pixels.
    QRect geraeterechteck(const QRect& rechteck) const;

    QImage& bild;
    std::function<void(const QRect&)> geaendert;
    QPoint stiftPosition;
};
