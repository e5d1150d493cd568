#include "widgets/lineal1.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

TLineal1::TLineal1(QWidget* parent)
    : QWidget(parent), FLinealFarbe(palette().color(QPalette::Button))
{
}

void TLineal1::setXlinks(int wert)
{
    Fxlinks = wert;
    update();
}

void TLineal1::setXrechts(int wert)
{
    Fxrechts = wert;
    update();
}

void TLineal1::setY(int wert)
{
    Fy = wert;
    update();
}

void TLineal1::setLinienbreite(int wert)
{
    FLinienbreite = wert;
    update();
}

void TLineal1::setLinienfarbe(const QColor& farbe)
{
    FLinienfarbe = farbe;
    update();
}

void TLineal1::setLinealfarbe(const QColor& farbe)
{
    FLinealFarbe = farbe;
    update();
}

void TLineal1::setRastermodul(int wert)
{
    FRasterModul = wert;
    update();
}

void TLineal1::setSkalamodul(int wert)
{
    FSkalaModul = wert;
    update();
}

int TLineal1::Tickspalte(int i, int n, int nutzbareBreite)
{
    // Exact quotient, so that a half (i * w / n = 57.5) rounds to even
    // whatever binary fractions would make of it.
    const long long zaehler = static_cast<long long>(i) * nutzbareBreite;
    long long q = zaehler / n;
    const long long rest = zaehler % n;
    if (2 * std::llabs(rest) > n || (2 * std::llabs(rest) == n && q % 2 != 0))
        q += rest < 0 ? -1 : 1;
    return static_cast<int>(q) + 10;
}

QImage TLineal1::Bild() const
{
    const int breite = width();
    const int hoehe = height();
    if (breite <= 20 || hoehe <= 0)
        return {};
    const qreal ratio = devicePixelRatioF();
    QImage bild(int(std::ceil(breite * ratio)), int(std::ceil(hoehe * ratio)), QImage::Format_RGB32);
    bild.setDevicePixelRatio(ratio);
    bild.fill(FLinealFarbe);
    QPainter maler(&bild);
    maler.setFont(font());
    // Lines as rectangles of whole logical pixels, the pen centred as on the
    // plots: a line from (x, a) to (x, b) covers rows a..b-1, and at every
    // scale exactly the device pixels of those logical pixels.
    const int staerke = std::max(1, FLinienbreite);
    auto waagrecht = [&](int x1, int x2, int y) { maler.fillRect(QRect(x1, y - staerke / 2, x2 - x1, staerke), FLinienfarbe); };
    auto senkrecht = [&](int x, int y1, int y2) { maler.fillRect(QRect(x - staerke / 2, y1, staerke, y2 - y1), FLinienfarbe); };
    waagrecht(10, breite - 10, Fy);
    const int w = breite - 20;
    const int n = Fxrechts - Fxlinks;
    const QFontMetrics masse(font());
    maler.setPen(palette().color(QPalette::WindowText));
    // A modulus below 1 marks no tick; an empty scale only its base line.
    for (int i = 0; n > 0 && i <= n; ++i) {
        const int px = Tickspalte(i, n, w);
        senkrecht(px, Fy, Fy + (FRasterModul >= 1 && i % FRasterModul == 0 ? 8 : 5));
        if (FSkalaModul >= 1 && i % FSkalaModul == 0) {
            const QString text = QString::number(Fxlinks + i);
            maler.drawText(QPoint(px - masse.horizontalAdvance(text) / 2, Fy + 10 + masse.ascent()), text);
        }
    }
    return bild;
}

void TLineal1::paintEvent(QPaintEvent*)
{
    const QImage bild = Bild();
    if (bild.isNull())
        return;
    QPainter maler(this);
    maler.drawImage(0, 0, bild);
}
