#pragma once

#include "core/laufcsv.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

class QPainter;

// The time plot of a run: cart position, angle and force in three strips of
// their own colour, over the last 30 s of the run (the whole run while it is
// shorter), with the crane lamp's green phases shaded. The picture lives in a
// backing image: a new row draws only its own segment; the whole picture is
// drawn again only when the time window moves on (in steps of one second) or
// a strip's range has to grow.
class TVerlaufPlot : public QWidget {
    Q_OBJECT
public:
    static constexpr float Fensterlaenge = 30; // s
    static constexpr int Breite = 700;
    static constexpr int Hoehe = 272;
    // Where the main window is short the strips shrink, down to 40 pixels each.
    static constexpr int MinHoehe = 196;
    static constexpr int PixelProSekunde = 21;

    explicit TVerlaufPlot(QWidget* parent = nullptr);

    // A new run: the one before becomes the previous run (drawn in grey under
    // the new curves while VorigenZeigen), the one before that is forgotten.
    // Green phases are shaded for the crane.
    void Beginnen(bool kran);
    void setVorigenZeigen(bool zeigen)
    {
        vorigenZeigen = zeigen;
        allesZeichnen();
    }
    bool VorigenZeigen() const { return vorigenZeigen; }
    const std::vector<TVerlaufPunkt>& VorigePunkte() const { return vorige; }
    static const QColor& VorigFarbe();
    void Hinzufuegen(const TVerlaufPunkt& punkt);
    // The picture's height, MinHoehe..Hoehe; the strips share what the time
    // axis and the titles leave, and the picture is drawn again.
    void setHoehe(int h);
    int HoeheJetzt() const { return hoehe; }
    // Draws the whole picture again from the rows.
    void Neuzeichnen() { allesZeichnen(); }
    // Shows the 30 s from `sekunden` on (a recorded run looked at afterwards);
    // the next row added moves the window on as usual.
    void setFensteranfang(float sekunden)
    {
        anfang = sekunden;
        allesZeichnen();
    }

    const std::vector<TVerlaufPunkt>& Punkte() const { return punkte; }
    // The picture, in device pixels (see QImage::devicePixelRatio()).
    const QImage& Bild() const { return bild; }
    // Start of the time window shown, s.
    float Fensteranfang() const { return anfang; }
    // Half the height of each strip's value range (position, angle, force).
    const std::array<float, 3>& Bereiche() const { return bereich; }
    // How often the whole picture was drawn (a new row draws only itself).
    int Neuzeichnungen() const { return neuzeichnungen; }

    // Pixel column of a time and row of a value in strip 0..2.
    double Spalte(float zeit) const;
    double Zeile(int streifen, float wert) const;

    static const std::array<QColor, 3>& Farben();
    static const std::array<QString, 3>& Titel();

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;

private:
    // A picture of the widget's size at its screen's device pixel ratio.
    void bildAnlegen();
    // true when the screen's ratio changed and the picture was drawn again.
    bool ratioPruefen();
    QRect streifen(int i) const;
    void allesZeichnen();
    // Strip backgrounds, grid and zero lines over the columns von..bis.
    void grundZeichnen(QPainter& m, int von, int bis);
    void zeitachseZeichnen(QPainter& m);
    void wertbeschriftung(QPainter& m, int streifen);
    // Moves the picture left by whole seconds and draws the free columns.
    void verschieben(int sekunden, float vorigeZeit);
    // Inside of a strip, from clipLinks on.
    QRect innen(const QRect& r) const;
    // The device pixels of the picture that a rectangle of logical pixels covers.
    QRect geraetepixel(const QRect& r) const;
    // Draws the segment between two rows; the rectangle it changed.
    QRect segmentZeichnen(QPainter& m, const TVerlaufPunkt& von, const TVerlaufPunkt& bis, bool grau = false);
    // The previous run's segments that reach into von..bis (s), in grey.
    void vorigeZeichnen(QPainter& m, float von, float bis);
    // true when the window or a range had to change.
    bool anpassen(const TVerlaufPunkt& punkt);

    QImage bild;
    std::vector<TVerlaufPunkt> punkte;
    std::vector<TVerlaufPunkt> vorige;
    bool vorigenZeigen = true;
    bool kran = false;
    float anfang = 0;
    std::array<float, 3> bereich{};
    int neuzeichnungen = 0;
    int clipLinks = 0;
    int hoehe = Hoehe;
    qreal ratio = 1;
};
