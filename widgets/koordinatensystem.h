#pragma once

#include "widgets/canvas.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

// Labelling of the grid: every line, only the first and the last of each axis,
// or none.
enum class TSkala { ganz = 0, teilweise = 1, keine = 2 };

// The drawing surface of every plot: a plot area in world coordinates inside
// fixed margins (30 pixels, and 20 more on the left for the y labels), a
// dotted grid with labels, and lines, points and marks drawn in world
// coordinates with a copy or XOR pen. The picture lives in a backing image;
// drawing paints into it and schedules a screen update, the paint event only
// copies it. Nothing records what was drawn: Refresh() clears to Color() and
// calls the OnPaint handler, which draws again what it wants to see.
// Coordinates are logical pixels; the backing image has the device pixel
// ratio of the plot's screen (twice the pixels each way at 200 %), so that
// lines stay one logical pixel wide and sharp.
class TKoordinatensystem : public QWidget {
    Q_OBJECT

public:
    using TOnPaint = std::function<void(TKoordinatensystem&)>;

    explicit TKoordinatensystem(QWidget* parent = nullptr);

    TSkala Skalenart() const { return FSkala; }
    void setSkalenart(TSkala skala) { FSkala = skala; }
    QColor GraphFarbe() const { return FGraphfarbe; }
    void setGraphFarbe(const QColor& farbe) { FGraphfarbe = farbe; }
    QColor KSFarbe() const { return FKSFarbe; }
    void setKSFarbe(const QColor& farbe) { FKSFarbe = farbe; }
    TStiftart Stiftart() const { return FStiftart; }
    void setStiftart(TStiftart art) { FStiftart = art; }
    QColor Color() const { return FColor; }
    void setColor(const QColor& farbe) { FColor = farbe; }

    // World bounds. Each setter stores its bound and runs Neu(), which puts
    // reversed bounds in order.
    float x1() const { return Fx1; }
    void setX1(float wert);
    float x2() const { return Fx2; }
    void setX2(float wert);
    float y1() const { return Fy1; }
    void setY1(float wert);
    float y2() const { return Fy2; }
    void setY2(float wert);
    // Both bounds of an axis at once, then Neu(): the window ends exactly at
    // the given range whatever it was before.
    void setXBereich(float x1, float x2);
    void setYBereich(float y1, float y2);

    // Current world point; writing x or y maps it to xint / yint.
    float x() const { return Fx; }
    void setX(float wert);
    float y() const { return Fy; }
    void setY(float wert);
    // Pixel of the last mapped point; writing converts a pixel to x or y.
    int xint() const { return Fxint; }
    void setXint(int spalte);
    int yint() const { return Fyint; }
    void setYint(int zeile);

    // Number of grid intervals per axis; writing recomputes and draws the grid.
    int Rasteranzahl() const { return FRasteranzahl; }
    void setRasteranzahl(int anzahl);

    void setOnPaint(TOnPaint handler) { FOnPaint = std::move(handler); }

    // The pen, brush and font for drawing in pixels (rectangles, text,
    // pictures); lineto and friends set its pen themselves.
    TCanvas& Canvas()
    {
        if (groesseGeaendert())
            Neu();
        return canvas;
    }

    // Moves the pen to the point; draws nothing.
    void moveto(float x, float y);
    // Line in GraphFarbe and the pen mode Stiftart from the pen up to the point.
    void lineto(float x, float y);
    // Sets the one pixel of the point.
    void point(float x, float y);
    // Outline of the 5 x 5 square centred on the point.
    void spot(float x, float y);

    // Recomputes the geometry from the current size and bounds.
    void Neu();
    // Draws the grid and its labels; erases nothing.
    void Ks();
    // Clears to Color(), calls the OnPaint handler and shows the result.
    void Refresh();
    // Puts a copy of the picture on the clipboard.
    void CopyToClipboard();

    // Pixel of a world point, or nothing when it cannot be mapped: an empty
    // or unusable range, or a value that is not a number. Columns far outside
    // the control are held at a large distance; rows above the control map to
    // -10 and rows below it to the height.
    std::optional<QPoint> Pixel(float x, float y) const;
    // An axis without extent: nothing can be drawn.
    bool BereichLeer() const;

    // The picture, in device pixels (see QImage::devicePixelRatio()).
    const QImage& Bild() const { return bild; }

    static constexpr int randx_int = 30;
    static constexpr int randy_int = 30;
    static constexpr int randx_skala_int = 20;

protected:
    // Runs the OnPaint handler, after the picture has been cleared.
    virtual void Paint();

    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    bool event(QEvent* ereignis) override;

private:
    std::optional<int> spalteNorm(float t) const;
    std::optional<int> zeileNorm(float t) const;
    std::optional<int> spalte(float x) const;
    std::optional<int> zeile(float y) const;
    void stiftSetzen();
    // Takes the widget's current device pixel ratio; true when the picture
    // no longer fits it.
    bool ratioPruefen();
    QSize bildGroesse() const;
    bool groesseGeaendert() const;
    void bildAnpassen();

    TOnPaint FOnPaint;
    float Fx1 = -10;
    float Fx2 = 10;
    float Fy1 = -10;
    float Fy2 = 10;
    float Fx = 0;
    float Fy = 0;
    std::int32_t Fxint = 0;
    std::int32_t Fyint = 0;
    TSkala FSkala = TSkala::teilweise;
    std::int32_t FRasteranzahl = 4;
    QColor FGraphfarbe = Qt::black;
    QColor FKSFarbe = QColor(255, 0, 0);
    TStiftart FStiftart = TStiftart::Kopieren;
    float dx = 20;
    float dy = 20;
    std::int32_t dx_int = 0;
    std::int32_t dy_int = 0;

    QColor FColor = Qt::white;
    // Device pixels per logical pixel of the screen the plot is on.
    qreal ratio = 1;
    QImage bild;
    TCanvas canvas;
    // Whether the pen stands on a mapped point; a line from a point that could
    // not be mapped is left out.
    bool stiftGueltig = false;
};
