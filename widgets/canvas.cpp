#include "widgets/canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <type_traits>
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

namespace {

// First device pixel of logical pixel p: the device pixels whose centre lies
// in it. At ratio 1 they are the same pixel; at ratio 2 logical pixel p is
// device pixels 2p and 2p + 1.
long long geraetepixel(long long p, double ratio)
{
    if (ratio == 1)
        return p;
    return static_cast<long long>(std::ceil(static_cast<double>(p) * ratio - 0.5));
}

} // namespace

// Lines are set pixel by pixel rather than by the raster engine, which leaves
// out the right or lower end of a line whichever way it runs: a polyline
// needs every segment to leave out the pixel where it ends, so that each
// vertex is drawn exactly once. The line runs along its major axis from the
// start pixel up to the end pixel, both in logical pixels, over every device
// pixel in between (at ratio 2 twice as many steps, so that a slanted line
// has half as high steps); device step i lies on the ideal line with the
// minor coordinate rounded (halves away from the start). Across the line the
// pen covers the device pixels of its width in logical pixels: for width 1
// one logical pixel, for width 2 also the one above or to the left. Only the
// part inside the picture is visited, so far-away end points cost nothing.
// The same calls give the same pixels, which is what XOR erasing needs.
void TCanvas::linie(QPoint a, QPoint b)
{
    const double ratio = bild.devicePixelRatio();
    const long long dx = static_cast<long long>(b.x()) - a.x();
    const long long dy = static_cast<long long>(b.y()) - a.y();
    const long long adx = dx < 0 ? -dx : dx;
    const long long ady = dy < 0 ? -dy : dy;
    const bool xHaupt = adx >= ady;
    const long long n = xHaupt ? adx : ady;
    const int w = std::max(1, Stift.Breite);

    // Major axis in device pixels: from the device pixel where the start
    // pixel is entered up to the one where the end pixel would be entered.
    const long long haupt0 = xHaupt ? a.x() : a.y();
    const long long haupt1 = xHaupt ? b.x() : b.y();
    const int s = (xHaupt ? dx : dy) < 0 ? -1 : 1;
    const long long start = s > 0 ? geraetepixel(haupt0, ratio) : geraetepixel(haupt0 + 1, ratio) - 1;
    const long long ende = s > 0 ? geraetepixel(haupt1, ratio) : geraetepixel(haupt1 + 1, ratio) - 1;
    const long long nGeraet = s > 0 ? ende - start : start - ende;
    if (nGeraet <= 0)
        return;
    // Minor axis: first device pixel across the pen, and how far it moves.
    const long long neben0 = xHaupt ? a.y() : a.x();
    const long long neben1 = xHaupt ? b.y() : b.x();
    const long long quer0 = geraetepixel(neben0 - w / 2, ratio);
    const long long nebenWeg0 = geraetepixel(neben1, ratio) - geraetepixel(neben0, ratio);
    const int sn = nebenWeg0 < 0 ? -1 : 1;
    const long long nebenWeg = nebenWeg0 < 0 ? -nebenWeg0 : nebenWeg0;
    const int quer = ratio == 1 ? w : std::max(1, static_cast<int>(std::lround(w * ratio)));

    const int breite = bild.width();
    const int hoehe = bild.height();
    long long iVon = 0;
    long long iBis = nGeraet - 1;
    const int grenze = xHaupt ? breite : hoehe;
    if (s > 0) {
        iVon = std::max(iVon, -start);
        iBis = std::min(iBis, grenze - 1 - start);
    } else {
        iVon = std::max(iVon, start - (grenze - 1));
        iBis = std::min(iBis, start);
    }

    const QRgb farbe = Stift.Farbe.rgb() & 0xffffff;
    const bool gepunktet = Stift.Stil != Qt::SolidLine;
    uchar* const bits = bild.bits();
    const qsizetype zeilenLaenge = bild.bytesPerLine();
    // One loop for each direction and pen mode, so that the loop over the
    // pixels decides nothing but where the line goes.
    const auto ziehen = [&](auto xHauptWert, auto xorWert) {
        constexpr bool xh = decltype(xHauptWert)::value;
        constexpr bool mitXor = decltype(xorWert)::value;
        const long long querGrenze = xh ? hoehe : breite;
        // neben = (2 i m + n) div 2n, kept up to date step by step.
        const long long zaehler = 2 * iVon * nebenWeg + nGeraet;
        long long neben = zaehler / (2 * nGeraet);
        long long rest = zaehler % (2 * nGeraet);
        for (long long i = iVon; i <= iBis; ++i) {
            if (i > iVon) {
                rest += 2 * nebenWeg;
                if (rest >= 2 * nGeraet) {
                    rest -= 2 * nGeraet;
                    ++neben;
                }
            }
            // Dots of one logical pixel.
            if (gepunktet && (nGeraet == n ? i : i * n / nGeraet) % 2 != 0)
                continue;
            const long long h = start + s * i;
            const long long q = quer0 + sn * neben;
            const long long von = std::max(q, 0LL);
            const long long bis = std::min(q + quer, querGrenze);
            for (long long k = von; k < bis; ++k) {
                QRgb& pixel = xh ? reinterpret_cast<QRgb*>(bits + k * zeilenLaenge)[h]
                                 : reinterpret_cast<QRgb*>(bits + h * zeilenLaenge)[k];
                if constexpr (mitXor)
                    pixel ^= farbe;
                else
                    pixel = 0xff000000u | farbe;
            }
        }
    };
    if (iVon <= iBis) {
        const bool mitXor = Stift.Modus == TStiftart::Xor;
        if (xHaupt) {
            if (mitXor)
                ziehen(std::true_type{}, std::true_type{});
            else
                ziehen(std::true_type{}, std::false_type{});
        } else {
            if (mitXor)
                ziehen(std::false_type{}, std::true_type{});
            else
                ziehen(std::false_type{}, std::false_type{});
        }
    }
    geaendert(QRect(a, b).normalized().adjusted(-w, -w, w, w));
}

QRect TCanvas::geraeterechteck(const QRect& r) const
{
    const double ratio = bild.devicePixelRatio();
    if (ratio == 1 || r.isEmpty())
        return r;
    const long long links = geraetepixel(r.left(), ratio);
    const long long oben = geraetepixel(r.top(), ratio);
    const long long rechts = geraetepixel(static_cast<long long>(r.right()) + 1, ratio);
    const long long unten = geraetepixel(static_cast<long long>(r.bottom()) + 1, ratio);
    const auto grenze = [](long long v) { return static_cast<int>(std::clamp(v, -(1LL << 30), 1LL << 30)); };
    return QRect(QPoint(grenze(links), grenze(oben)), QPoint(grenze(rechts - 1), grenze(unten - 1)));
}

void TCanvas::Punkt(int x, int y)
{
    stiftPosition = QPoint(x + 1, y + 1);
    if (bild.isNull())
        return;
    const QRect r(x, y, 1, 1);
    flaeche(geraeterechteck(r), Stift.Farbe.rgb() & 0xffffff, Stift.Modus == TStiftart::Xor);
    geaendert(r);
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
    const QRect ring = geraeterechteck(aussen);
    if (innen.isEmpty()) {
        flaeche(ring, stift, mitXor);
    } else {
        const QRect kern = geraeterechteck(innen);
        flaeche(QRect(QPoint(ring.left(), ring.top()), QPoint(ring.right(), kern.top() - 1)), stift, mitXor);
        flaeche(QRect(QPoint(ring.left(), kern.bottom() + 1), QPoint(ring.right(), ring.bottom())), stift, mitXor);
        flaeche(QRect(QPoint(ring.left(), kern.top()), QPoint(kern.left() - 1, kern.bottom())), stift, mitXor);
        flaeche(QRect(QPoint(kern.right() + 1, kern.top()), QPoint(ring.right(), kern.bottom())), stift, mitXor);
        if (!Pinsel.hohl)
            flaeche(kern, Pinsel.Farbe.rgb() & 0xffffff, mitXor);
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
    flaeche(geraeterechteck(rechteck.normalized()), Pinsel.Farbe.rgb() & 0xffffff, false);
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
