#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;

// A 3-D area chart drawn with QPainter: one series per row in depth, each a
// staircase of boxes (one per point, in the point's own colour) that rise
// from the floor of the value axis to the point's value. The picture is an
// oblique projection: the front faces stay flat and the depth axis leaves the
// front at the view angle (0 = to the right, 90 = straight up, 180 = to the
// left). Boxes are painted back to front, so that nearer ones cover farther
// ones at every angle. The picture lives in a backing image, drawn again
// whenever something changed; dragging with the mouse moves the chart
// sideways (the view angle is set from outside).
class TFlaechendiagramm3D : public QWidget {
    Q_OBJECT

public:
    struct TPunkt {
        float wert = 0;
        QColor farbe;
    };

    explicit TFlaechendiagramm3D(QWidget* parent = nullptr);

    // Series are counted from 0; series 0 stands at the front unless the depth
    // axis is inverted. Point j of a series lies at position j of the bottom
    // axis (at the right end while the bottom axis is inverted).
    int Serienanzahl() const { return static_cast<int>(serien.size()); }
    void setSerienanzahl(int anzahl);
    void SerieLeeren(int serie);
    void AllesLeeren();
    void PunktAnfuegen(int serie, float wert, const QColor& farbe);
    const std::vector<TPunkt>& Serie(int serie) const { return serien[static_cast<std::size_t>(serie)]; }

    // View angle in degrees, held within 0..180.
    int Blickwinkel() const { return blickwinkel; }
    void setBlickwinkel(int grad);
    bool XInvertiert() const { return xInvertiert; }
    void setXInvertiert(bool wert);
    bool YInvertiert() const { return yInvertiert; }
    void setYInvertiert(bool wert);
    // Scale of the chart inside the window (mouse wheel), 0.5 .. 3.
    double Zoom() const { return zoom; }
    void setZoom(double faktor);
    // Sideways shift of the chart in pixels (dragging); held so that a part
    // of the boxes stays in the window.
    double Verschiebung();
    void setVerschiebung(double pixel);

    const QString& Titel() const { return titel; }
    void setTitel(const QString& text);
    // Titles of the bottom axis, the depth axis and the value axis.
    void setAchsentitel(const QString& unten, const QString& tiefe, const QString& wert);

    // A marker at a point of the surface: bottom-axis position x and depth
    // position z in points (point j spans j .. j + 1), the value upwards.
    // `text` explains the marker in the lower left corner.
    void setMarke(std::optional<QPointF> xz, float wert = 0, const QString& text = {});
    bool hatMarke() const { return marke.has_value(); }

    // Where a point of the chart appears in the window: x and z in points as
    // for the marker (before the inversions are applied), the value upwards.
    QPointF Projektion(double x, double z, double wert);

    // Lower and upper end of the value axis; the boxes rise from the lower.
    double WertUnten();
    double WertOben();

    // The picture as it is shown now (drawn first when something changed).
    const QImage& Bild();
    // Draws the picture now, whether something changed or not.
    void Zeichnen() { zeichnen(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;

private:
    struct TGeometrie {
        double ox = 0, oy = 0;      // front-bottom-left corner of the boxes
        double breite = 0;          // front width
        double hoehe = 0;           // front height
        double tiefeX = 0, tiefeY = 0;  // screen offset of the full depth
        double unten = 0, oben = 1; // value axis
        double schritt = 1;         // between value ticks
        int nx = 1, nz = 1;
        double verschiebung = 0;    // sideways shift within its bounds
    };

    void geaendert();
    void geometrieBerechnen();
    // The picture in the backing image: boxes, axes, marker, title.
    void zeichnen();
    void kaestenZeichnen(QPainter& maler) const;
    void achsenZeichnen(QPainter& maler, const QFontMetrics& fm) const;
    void wertachseZeichnen(QPainter& maler, const QFontMetrics& fm) const;
    void untereAchseZeichnen(QPainter& maler, const QFontMetrics& fm) const;
    void tiefenachseZeichnen(QPainter& maler, const QFontMetrics& fm) const;
    void markeZeichnen(QPainter& maler, const QFontMetrics& fm) const;
    void titelZeichnen(QPainter& maler) const;
    // The depth leaves the front to the right (view angle up to 90).
    bool tiefeNachRechts() const { return g.tiefeX >= 0; }
    QPointF punkt(double xs, double zs, double wert) const;
    // Height of the box at the slot, or the floor where there is none.
    double hoeheAm(int xs, int zs) const;
    int serieAm(int zs) const { return yInvertiert ? g.nz - 1 - zs : zs; }
    int punktAm(int xs) const { return xInvertiert ? g.nx - 1 - xs : xs; }

    std::vector<std::vector<TPunkt>> serien;
    int blickwinkel = 50;
    bool xInvertiert = true;
    bool yInvertiert = false;
    double zoom = 1;
    QString titel = QStringLiteral("3D Graph");
    QString titelUnten, titelTiefe, titelWert;
    std::optional<QPointF> marke;
    float markenwert = 0;
    QString markentext;

    TGeometrie g;
    QImage bild;
    bool veraltet = true;
    double verschiebung = 0;
    std::optional<int> ziehenAb;
    double verschiebungBeimZiehen = 0;
};
