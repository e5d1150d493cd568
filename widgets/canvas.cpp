#include "widgets/canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <utility>

TCanvas::TCanvas(QImage& bild, std::function<void(const QRect&)> geaendert)
    : bild(bild), geaendert(std::move(geaendert))
{
}

void TCanvas::MoveTo(int x, int y)
{
    stiftPosition = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    const QPoint von = stiftPosition;
    const QPoint bis(x, y);
    stiftPosition = bis;
    if (von == bis || bild.isNull())
        return;
    linie(von, bis);
}

// Lines are set pixel by pixel rather than by the raster engine, which leaves
// out the right or lower end of a line whichever way it runs: a polyline
// needs every segment to leave out the pixel where it ends, so that each
// vertex is drawn exactly once. Pixel i of n = max(|dx|, |dy|) lies on the
// ideal line with the minor coordinate rounded; a wider pen adds pixels
// across the line (for width 2 the one above or to the left). Only the part
// inside the picture is visited, so far-away end points cost nothing.
void TCanvas::linie(QPoint a, QPoint b)
{
    const long long dx = static_cast<long long>(b.x()) - a.x();
    const long long dy = static_cast<long long>(b.y()) - a.y();
    const long long adx = dx < 0 ? -dx : dx;
    const long long ady = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    const bool xHaupt = adx >= ady;
    const long long n = xHaupt ? adx : ady;
    const long long nebenWeg = xHaupt ? ady : adx;
    const int breite = bild.width();
    const int hoehe = bild.height();
    const int w = std::max(1, Stift.Breite);
    const int quer0 = -(w / 2);
    const int quer1 = (w - 1) / 2;

    long long iVon = 0;
    long long iBis = n - 1;
    const long long start = xHaupt ? a.x() : a.y();
    const int s = xHaupt ? sx : sy;
    const int grenze = xHaupt ? breite : hoehe;
    if (s > 0) {
        iVon = std::max(iVon, -start);
        iBis = std::min(iBis, grenze - 1 - start);
    } else {
        iVon = std::max(iVon, start - (grenze - 1));
        iBis = std::min(iBis, start);
    }

    const QRgb farbe = Stift.Farbe.rgb() & 0xffffff;
    const bool mitXor = Stift.Modus == TStiftart::Xor;
    const bool gepunktet = Stift.Stil != Qt::SolidLine;
    uchar* bits = bild.bits();
    const qsizetype zeilenLaenge = bild.bytesPerLine();
    auto setzen = [&](long long px, long long py) {
        if (px < 0 || px >= breite || py < 0 || py >= hoehe)
            return;
        auto* zeile = reinterpret_cast<QRgb*>(bits + py * zeilenLaenge);
        if (mitXor)
            zeile[px] ^= farbe;
        else
            zeile[px] = 0xff000000u | farbe;
    };
    if (iVon > iBis)
        return;
    // neben = (2 i m + n) div 2n, kept up to date step by step.
    long long zaehler = 2 * iVon * nebenWeg + n;
    long long neben = zaehler / (2 * n);
    long long rest = zaehler % (2 * n);
    for (long long i = iVon; i <= iBis; ++i) {
        if (i > iVon) {
            rest += 2 * nebenWeg;
            if (rest >= 2 * n) {
                rest -= 2 * n;
                ++neben;
            }
        }
        if (gepunktet && i % 2 != 0)
            continue;
        if (xHaupt) {
            const long long px = a.x() + sx * i;
            const long long py = a.y() + sy * neben;
            for (int q = quer0; q <= quer1; ++q)
                setzen(px, py + q);
        } else {
            const long long px = a.x() + sx * neben;
            const long long py = a.y() + sy * i;
            for (int q = quer0; q <= quer1; ++q)
                setzen(px + q, py);
        }
    }
    geaendert(QRect(a, b).normalized().adjusted(-w, -w, w, w));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (bild.isNull())
        return;
    const int w = std::max(1, Stift.Breite);
    // The pen is centred on the border; ring and inside never overlap, so that
    // every pixel is combined with the picture exactly once.
    const QRect aussen(QPoint(x1 - w / 2, y1 - w / 2), QPoint(x2 - 1 + (w - 1) / 2, y2 - 1 + (w - 1) / 2));
    if (aussen.isEmpty())
        return;
    const QRect innen = aussen.adjusted(w, w, -w, -w);
    const QRgb stift = Stift.Farbe.rgb() & 0xffffff;
    const bool mitXor = Stift.Modus == TStiftart::Xor;
    if (innen.isEmpty()) {
        flaeche(aussen, stift, mitXor);
    } else {
        flaeche(QRect(aussen.left(), aussen.top(), aussen.width(), w), stift, mitXor);
        flaeche(QRect(aussen.left(), innen.bottom() + 1, aussen.width(), w), stift, mitXor);
        flaeche(QRect(aussen.left(), innen.top(), w, innen.height()), stift, mitXor);
        flaeche(QRect(innen.right() + 1, innen.top(), w, innen.height()), stift, mitXor);
        if (!Pinsel.hohl)
            flaeche(innen, Pinsel.Farbe.rgb() & 0xffffff, mitXor);
    }
    stiftPosition = QPoint(x1, y1);
    geaendert(aussen);
}

void TCanvas::flaeche(const QRect& rechteck, QRgb farbe, bool mitXor)
{
    const QRect r = rechteck.intersected(bild.rect());
    if (r.isEmpty())
        return;
    uchar* bits = bild.bits();
    const qsizetype zeilenLaenge = bild.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bits + y * zeilenLaenge);
        for (int x = r.left(); x <= r.right(); ++x) {
            if (mitXor)
                zeile[x] ^= farbe;
            else
                zeile[x] = 0xff000000u | farbe;
        }
    }
}

void TCanvas::FillRect(const QRect& rechteck)
{
    if (bild.isNull())
        return;
    flaeche(rechteck.normalized(), Pinsel.Farbe.rgb() & 0xffffff, false);
    geaendert(rechteck);
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (bild.isNull() || text.isEmpty())
        return;
    QPainter maler(&bild);
    maler.setFont(Schrift);
    maler.setPen(Schriftfarbe);
    const QFontMetrics masse(Schrift);
    maler.drawText(QPoint(x, y + masse.ascent()), text);
    geaendert(QRect(x, y, masse.horizontalAdvance(text) + 2, masse.height() + 1));
}

int TCanvas::TextWidth(const QString& text) const
{
    return QFontMetrics(Schrift).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const
{
    return QFontMetrics(Schrift).height();
}

void TCanvas::StretchDraw(const QRect& rechteck, const QImage& quelle)
{
    if (bild.isNull() || quelle.isNull())
        return;
    QPainter maler(&bild);
    maler.drawImage(rechteck, quelle);
    geaendert(rechteck);
}
