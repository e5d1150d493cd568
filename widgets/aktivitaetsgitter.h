#pragma once

#include "core/regelaktivitaet.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

class QPainter;

// The rule table as a grid of firing degrees: A's terms down, B's across,
// each rule's cell shaded by its degree, with the degree and the short label
// of the output term it concludes; the rule that sets its term's height is
// framed. Cells without a rule are grey. The picture lives in a backing image
// that is drawn when it is shown (or read), not at every change of the data.
class TAktivitaetsgitter : public QWidget {
    Q_OBJECT

public:
    explicit TAktivitaetsgitter(QWidget* parent = nullptr);

    // Short labels of A's terms (rows) and B's terms (columns; one empty
    // column without input B), and the output's short labels and colours.
    void setBeschriftung(const QStringList& zeilen, const QStringList& spalten, const QStringList& ausgangsterme,
                         const QList<QColor>& ausgangsfarben);
    void setAktivitaet(const TRegelAktivitaet& aktivitaet);
    const TRegelAktivitaet& Aktivitaet() const { return daten; }

    // Pixel rectangle of the cell of A term i and B term j (from 1).
    QRect Zelle(int i, int j) const;
    // Colour of a cell with a rule of this degree.
    static QColor Schattierung(float grad);

    // The picture, in device pixels (see QImage::devicePixelRatio()).
    const QImage& Bild();

    static constexpr int Kopfbreite = 34;
    static constexpr int Kopfhoehe = 18;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void zeichnen();
    // Text centred in the rectangle, from a cache of rendered texts: the
    // degrees repeat, and rendering text is the costly part of a picture.
    void text(QPainter& maler, const QRect& r, const QString& t, const QColor& farbe, bool fett, bool rechts = false);
    // The frame of a cell, one logical pixel wide on its outermost pixels.
    static void rahmen(QPainter& maler, const QRect& r, const QColor& farbe);

    QStringList zeilen, spalten, ausgangsterme;
    QList<QColor> ausgangsfarben;
    TRegelAktivitaet daten;
    QImage bild;
    bool veraltet = true;
    // Rendered texts at the picture's ratio, with their size in logical pixels.
    struct Textbild {
        QImage bild;
        QSize groesse;
    };
    QHash<QString, Textbild> textbilder;
};
