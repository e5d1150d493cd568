#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>

// A horizontal ruler with one tick per unit from xlinks to xrechts: every
// Rastermodul-th tick long, every Skalamodul-th labelled. The picture is
// composed off-screen and copied in one step. A ruler of 20 pixels width or
// less shows nothing.
class TLineal1 : public QWidget {
    Q_OBJECT

public:
    explicit TLineal1(QWidget* parent = nullptr);

    // Every setter stores the value and repaints the ruler.
    int xlinks() const { return Fxlinks; }
    void setXlinks(int wert);
    int xrechts() const { return Fxrechts; }
    void setXrechts(int wert);
    int y() const { return Fy; }
    void setY(int wert);
    int Linienbreite() const { return FLinienbreite; }
    void setLinienbreite(int wert);
    QColor Linienfarbe() const { return FLinienfarbe; }
    void setLinienfarbe(const QColor& farbe);
    QColor Linealfarbe() const { return FLinealFarbe; }
    void setLinealfarbe(const QColor& farbe);
    int Rastermodul() const { return FRasterModul; }
    void setRastermodul(int wert);
    int Skalamodul() const { return FSkalaModul; }
    void setSkalamodul(int wert);

    // The picture of the ruler at its current size and the device pixel ratio
    // of its screen; a null image when it is too narrow to show anything.
    QImage Bild() const;

    // Column of tick i: i / n of the usable width (rounded half to even) plus
    // the 10-pixel margin.
    static int Tickspalte(int i, int n, int nutzbareBreite);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    std::int32_t Fxlinks = -10;
    std::int32_t Fxrechts = 10;
    std::int32_t Fy = 5;
    std::int32_t FLinienbreite = 1;
    QColor FLinienfarbe = Qt::black;
    QColor FLinealFarbe;
    std::int32_t FRasterModul = 2;
    std::int32_t FSkalaModul = 2;
};
