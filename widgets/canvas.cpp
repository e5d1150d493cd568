#include "widgets/canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

QPainter::CompositionMode modus(TStiftart art)
{
    return art == TStiftart::Xor ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_Source;
}

} // namespace

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
    if (Stift.Breite <= 1) {
        duenneLinie(von, bis);
        return;
    }
    QPainter maler(&bild);
    maler.setCompositionMode(modus(Stift.Modus));
    // A flat cap ends the line at its end point; no antialiasing, which would
    // break the XOR mode.
    QPen stift(Stift.Farbe, Stift.Breite, Stift.Stil, Qt::FlatCap, Qt::MiterJoin);
    maler.setPen(stift);
    maler.drawLine(von, bis);
    const int rand = Stift.Breite + 1;
    geaendert(QRect(von, bis).normalized().adjusted(-rand, -rand, rand, rand));
}

// One-pixel lines are set pixel by pixel: the raster engine leaves out the
// right or lower end of a line whichever way it runs, but a polyline needs
// every segment to leave out the pixel where it ends, so that each vertex is
// drawn exactly once. Pixel i of n = max(|dx|, |dy|) lies on the ideal line,
// the minor coordinate rounded; only the part inside the picture is visited.
void TCanvas::duenneLinie(QPoint a, QPoint b)
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
    for (long long i = iVon; i <= iBis; ++i) {
        if (gepunktet && i % 2 != 0)
            continue;
        const long long neben = (2 * i * nebenWeg + n) / (2 * n);
        const long long px = xHaupt ? a.x() + sx * i : a.x() + sx * neben;
        const long long py = xHaupt ? a.y() + sy * neben : a.y() + sy * i;
        if (px < 0 || px >= breite || py < 0 || py >= hoehe)
            continue;
        auto* zeile = reinterpret_cast<QRgb*>(bits + py * zeilenLaenge);
        if (mitXor)
            zeile[px] ^= farbe;
        else
            zeile[px] = 0xff000000u | farbe;
    }
    geaendert(QRect(a, b).normalized().adjusted(-1, -1, 1, 1));
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
    QPainter maler(&bild);
    maler.setCompositionMode(modus(Stift.Modus));
    if (innen.isEmpty()) {
        maler.fillRect(aussen, Stift.Farbe);
    } else {
        maler.fillRect(QRect(aussen.left(), aussen.top(), aussen.width(), w), Stift.Farbe);
        maler.fillRect(QRect(aussen.left(), innen.bottom() + 1, aussen.width(), w), Stift.Farbe);
        maler.fillRect(QRect(aussen.left(), innen.top(), w, innen.height()), Stift.Farbe);
        maler.fillRect(QRect(innen.right() + 1, innen.top(), w, innen.height()), Stift.Farbe);
        if (!Pinsel.hohl)
            maler.fillRect(innen, Pinsel.Farbe);
    }
    stiftPosition = QPoint(x1, y1);
    geaendert(aussen);
}

void TCanvas::FillRect(const QRect& rechteck)
{
    if (bild.isNull())
        return;
    QPainter maler(&bild);
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    maler.fillRect(rechteck, Pinsel.Farbe);
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
