#include "forms/vareditbilder.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <utility>

namespace {

QPixmap Glyphenbild(TGlyphe art, int ratio)
{
    QPixmap bild(16 * ratio, 16 * ratio);
    bild.setDevicePixelRatio(ratio);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    switch (art) {
    case TGlyphe::Editieren: {
        // A pencil over a line of text.
        maler.setPen(QPen(QColor(40, 40, 40), 1));
        maler.drawLine(1, 14, 9, 14);
        QPainterPath stift;
        stift.moveTo(4, 12);
        stift.lineTo(5, 9);
        stift.lineTo(12, 2);
        stift.lineTo(14, 4);
        stift.lineTo(7, 11);
        stift.closeSubpath();
        maler.setBrush(QColor(230, 180, 40));
        maler.drawPath(stift);
        maler.setBrush(QColor(200, 60, 60));
        maler.drawPolygon(QPolygonF({QPointF(11, 3), QPointF(12, 2), QPointF(14, 4), QPointF(13, 5)}));
        break;
    }
    case TGlyphe::Anfuegen: {
        // A list with a green plus below its last line.
        maler.setPen(QPen(QColor(60, 60, 60), 1));
        maler.drawLine(1, 2, 10, 2);
        maler.drawLine(1, 5, 10, 5);
        maler.setPen(QPen(QColor(0, 140, 0), 3, Qt::SolidLine, Qt::FlatCap));
        maler.drawLine(QPointF(10, 7), QPointF(10, 16));
        maler.drawLine(QPointF(5.5, 11.5), QPointF(14.5, 11.5));
        break;
    }
    case TGlyphe::Ersetzen: {
        // Two arrows in a circle: one name goes, another comes.
        maler.setPen(QPen(QColor(0, 70, 180), 2, Qt::SolidLine, Qt::FlatCap));
        maler.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 150 * 16);
        maler.drawArc(QRectF(2.5, 2.5, 11, 11), 210 * 16, 150 * 16);
        maler.setPen(Qt::NoPen);
        maler.setBrush(QColor(0, 70, 180));
        maler.drawPolygon(QPolygonF({QPointF(15.5, 5), QPointF(10.5, 5), QPointF(14, 9.5)}));
        maler.drawPolygon(QPolygonF({QPointF(0.5, 11), QPointF(5.5, 11), QPointF(2, 6.5)}));
        break;
    }
    }
    return bild;
}

} // namespace

QIcon Glyphe(TGlyphe art)
{
    QIcon symbol;
    for (const int ratio : {1, 2})
        symbol.addPixmap(Glyphenbild(art, ratio));
    return symbol;
}

QImage Trapezskizze(const QSize& groesse, const QFont& schrift, qreal ratio)
{
    QImage bild((QSizeF(groesse) * ratio).toSize(), QImage::Format_RGB32);
    bild.setDevicePixelRatio(ratio);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    const int w = groesse.width();
    const int h = groesse.height();
    // A lowered frame, like the bevel around a picture, of whole logical
    // pixels at every scale.
    maler.fillRect(QRect(0, 0, w, 1), QColor(128, 128, 128));
    maler.fillRect(QRect(0, 0, 1, h), QColor(128, 128, 128));
    maler.fillRect(QRect(1, h - 1, w - 1, 1), QColor(230, 230, 230));
    maler.fillRect(QRect(w - 1, 1, 1, h - 1), QColor(230, 230, 230));

    maler.setRenderHint(QPainter::Antialiasing);
    QFont fett = schrift;
    fett.setBold(true);
    maler.setFont(fett);
    const QFontMetrics m(fett);

    // World: the base line at y0, the height h at y1.
    const double x0 = 26;
    const double x9 = w - 14;
    const double y0 = h - 34;
    const double y1 = 30;
    const double xa = x0 + (x9 - x0) * 0.14;
    const double xb = x0 + (x9 - x0) * 0.38;
    const double xc = x0 + (x9 - x0) * 0.62;
    const double xd = x0 + (x9 - x0) * 0.86;

    // Axes with arrow heads.
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(Qt::black);
    maler.drawLine(QPointF(x0, y0), QPointF(x9, y0));
    maler.drawPolygon(QPolygonF({QPointF(x9 + 6, y0), QPointF(x9 - 2, y0 - 3.5), QPointF(x9 - 2, y0 + 3.5)}));
    maler.drawLine(QPointF(x0, y0), QPointF(x0, y1 - 16));
    maler.drawPolygon(QPolygonF({QPointF(x0, y1 - 22), QPointF(x0 - 3.5, y1 - 14), QPointF(x0 + 3.5, y1 - 14)}));

    // Guide lines from the corners to the axes.
    maler.setPen(QPen(QColor(110, 110, 110), 1, Qt::DashLine));
    maler.drawLine(QPointF(x0, y1), QPointF(xb, y1));
    maler.drawLine(QPointF(xb, y1), QPointF(xb, y0));
    maler.drawLine(QPointF(xc, y1), QPointF(xc, y0));

    // The trapezoid.
    maler.setPen(QPen(QColor(0, 0, 255), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.setBrush(QColor(200, 215, 255));
    maler.drawPolygon(QPolygonF({QPointF(xa, y0), QPointF(xb, y1), QPointF(xc, y1), QPointF(xd, y0)}));

    // Ticks and letters.
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(Qt::NoBrush);
    const int textOben = static_cast<int>(y0) + 6;
    const std::pair<double, char> ecken[] = {{xa, 'a'}, {xb, 'b'}, {xc, 'c'}, {xd, 'd'}};
    for (const auto& [x, buchstabe] : ecken) {
        maler.drawLine(QPointF(x, y0 - 3), QPointF(x, y0 + 3));
        const QString t(QLatin1Char{buchstabe});
        maler.drawText(QPointF(x - m.horizontalAdvance(t) / 2.0, textOben + m.ascent()), t);
    }
    maler.drawLine(QPointF(x0 - 3, y1), QPointF(x0 + 3, y1));
    const QString hText = QStringLiteral("h");
    maler.drawText(QPointF(x0 - 8 - m.horizontalAdvance(hText), y1 + m.ascent() / 2.0 - 1), hText);
    const QString null = QStringLiteral("0");
    maler.drawText(QPointF(x0 - 8 - m.horizontalAdvance(null), y0 + m.ascent() / 2.0 - 1), null);

    // What the letters mean, in the sketch's own words.
    QFont klein = schrift;
    maler.setFont(klein);
    maler.setPen(QColor(60, 60, 60));
    maler.drawText(QRectF(4, h - 15, w - 8, 13), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("a ≤ b ≤ c ≤ d,  h: Höhe des Terms"));
    return bild;
}
