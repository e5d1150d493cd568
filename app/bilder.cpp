#include "app/bilder.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QStyle>
#include <QStyleOption>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

const QColor Umriss(60, 60, 60);

void seite(QPainter& p)
{
    QPolygonF blatt{{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}};
    p.setPen(QPen(Umriss, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(blatt);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygonF{{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}});
    p.setPen(QPen(QColor(150, 170, 200), 1));
    for (int y = 7; y <= 12; y += 2)
        p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
}

void ordner(QPainter& p)
{
    p.setPen(QPen(QColor(140, 100, 20), 1));
    p.setBrush(QColor(235, 190, 70));
    p.drawPolygon(QPolygonF{{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {13.5, 5.5}, {13.5, 13.5}, {1.5, 13.5}});
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF{{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}});
}

void diskette(QPainter& p)
{
    p.setPen(QPen(QColor(20, 40, 90), 1));
    p.setBrush(QColor(50, 90, 170));
    p.drawPolygon(QPolygonF{{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}});
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 90, 170));
    p.drawRect(QRectF(9, 2, 2, 4));
}

void stift(QPainter& p, QPointF spitze)
{
    p.save();
    p.translate(spitze);
    p.rotate(-45);
    p.setPen(QPen(QColor(90, 60, 10), 0.8));
    p.setBrush(QColor(240, 200, 40));
    p.drawRect(QRectF(2, -1.5, 8, 3));
    p.setBrush(QColor(240, 210, 170));
    p.drawPolygon(QPolygonF{{0, 0}, {2, -1.5}, {2, 1.5}});
    p.setBrush(QColor(230, 120, 130));
    p.drawRect(QRectF(10, -1.5, 2, 3));
    p.restore();
}

void drucker(QPainter& p)
{
    p.setPen(QPen(Umriss, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 10.5, 9, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 180, 60));
    p.drawEllipse(QRectF(11.5, 7.8, 2, 2));
}

void tuer(QPainter& p)
{
    p.setPen(QPen(Umriss, 1));
    p.setBrush(QColor(225, 225, 225));
    p.drawRect(QRectF(2.5, 1.5, 8, 13));
    p.setBrush(QColor(150, 95, 45));
    p.drawPolygon(QPolygonF{{2.5, 1.5}, {7.5, 3.5}, {7.5, 15.5}, {2.5, 14.5}});
    p.setPen(QPen(QColor(200, 30, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(9, 8), QPointF(15, 8));
    p.drawLine(QPointF(12.5, 5.5), QPointF(15, 8));
    p.drawLine(QPointF(12.5, 10.5), QPointF(15, 8));
}

void tabelle(QPainter& p)
{
    p.setPen(QPen(Umriss, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    p.setBrush(QColor(200, 215, 240));
    p.drawRect(QRectF(1.5, 1.5, 12, 4));
    p.drawRect(QRectF(1.5, 1.5, 4, 12));
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 13.5));
    p.drawLine(QPointF(1.5, 9.5), QPointF(13.5, 9.5));
}

void haken(QPainter& p)
{
    p.setPen(QPen(QColor(20, 150, 40), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{{7.5, 11}, {10, 14}, {15, 7}});
}

void helix(QPainter& p)
{
    QPainterPath a, b;
    for (int i = 0; i <= 28; ++i) {
        const double y = 1.5 + i * 13.0 / 28;
        const double s = std::sin(i * 6.2832 / 14);
        const QPointF pa(8 + 5 * s, y), pb(8 - 5 * s, y);
        if (i == 0) {
            a.moveTo(pa);
            b.moveTo(pb);
        } else {
            a.lineTo(pa);
            b.lineTo(pb);
        }
    }
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int i = 2; i <= 26; i += 3) {
        const double y = 1.5 + i * 13.0 / 28;
        const double s = std::sin(i * 6.2832 / 14);
        p.drawLine(QPointF(8 + 5 * s, y), QPointF(8 - 5 * s, y));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 40, 40), 1.6));
    p.drawPath(a);
    p.setPen(QPen(QColor(30, 80, 200), 1.6));
    p.drawPath(b);
}

void wagen(QPainter& p, double x, double y)
{
    p.setPen(QPen(Umriss, 1));
    p.setBrush(QColor(60, 120, 200));
    p.drawRect(QRectF(x, y, 10, 3));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QRectF(x + 0.5, y + 2.5, 3, 3));
    p.drawEllipse(QRectF(x + 6.5, y + 2.5, 3, 3));
}

void pendel(QPainter& p)
{
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawLine(QPointF(0, 14.5), QPointF(16, 14.5));
    wagen(p, 3, 8.5);
    p.setPen(QPen(QColor(40, 40, 40), 1.4));
    p.drawLine(QPointF(8, 8.5), QPointF(10.5, 2.5));
    p.setPen(QPen(QColor(120, 20, 20), 1));
    p.setBrush(QColor(220, 50, 50));
    p.drawEllipse(QPointF(10.7, 2.5), 2, 2);
}

void laufkatze(QPainter& p)
{
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.drawLine(QPointF(0, 2), QPointF(16, 2));
    p.setPen(QPen(Umriss, 1));
    p.setBrush(QColor(240, 170, 40));
    p.drawRect(QRectF(4.5, 2.5, 7, 3));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawLine(QPointF(8, 5.5), QPointF(6, 11.5));
    p.setPen(QPen(QColor(30, 60, 30), 1));
    p.setBrush(QColor(70, 150, 70));
    p.drawRect(QRectF(3.5, 11.5, 5, 3.5));
}

void kolben(QPainter& p)
{
    p.setPen(QPen(Umriss, 1));
    p.setBrush(QColor(235, 240, 245));
    QPolygonF glas{{6.5, 1.5}, {9.5, 1.5}, {9.5, 6}, {14, 14.5}, {2, 14.5}, {6.5, 6}};
    p.drawPolygon(glas);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 220));
    p.drawPolygon(QPolygonF{{4.4, 10}, {11.6, 10}, {13.4, 13.8}, {2.6, 13.8}});
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(7, 12), 0.9, 0.9);
    p.drawEllipse(QPointF(9.5, 11), 0.6, 0.6);
}

void info(QPainter& p)
{
    QRadialGradient verlauf(QPointF(6, 5), 9);
    verlauf.setColorAt(0, QColor(110, 160, 240));
    verlauf.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(10, 40, 110), 1));
    p.setBrush(verlauf);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.6), 1.3, 1.3);
    p.drawRect(QRectF(6.9, 6.8, 2.2, 6));
}

void globus(QPainter& p)
{
    p.setPen(QPen(QColor(20, 70, 120), 1));
    p.setBrush(QColor(110, 180, 235));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 160, 70));
    p.drawPolygon(QPolygonF{{4, 4}, {8, 3}, {8, 7}, {5.5, 9}, {3, 7.5}});
    p.drawPolygon(QPolygonF{{9.5, 9}, {13, 8}, {12, 12.5}, {9.5, 13}});
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 70, 120, 160), 0.8));
    p.drawEllipse(QRectF(5, 1, 6, 14));
    p.drawLine(QPointF(1, 8), QPointF(15, 8));
}

void zeichne(QPainter& p, TKnopfbild bild)
{
    switch (bild) {
    case TKnopfbild::Neu:
        seite(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 200, 0));
        p.drawPolygon(QPolygonF{{12, 9}, {13, 11.5}, {15.5, 12}, {13, 12.8}, {12, 15.5}, {11, 12.8}, {8.5, 12}, {11, 11.5}});
        break;
    case TKnopfbild::Oeffnen: ordner(p); break;
    case TKnopfbild::Speichern: diskette(p); break;
    case TKnopfbild::SpeichernUnter:
        p.save();
        p.scale(0.8, 0.8);
        diskette(p);
        p.restore();
        stift(p, QPointF(6.5, 15));
        break;
    case TKnopfbild::Drucken: drucker(p); break;
    case TKnopfbild::Beenden: tuer(p); break;
    case TKnopfbild::RegelnEditieren:
        tabelle(p);
        stift(p, QPointF(6.5, 15));
        break;
    case TKnopfbild::RegelnTesten:
        tabelle(p);
        haken(p);
        break;
    case TKnopfbild::RegelnSuchen: helix(p); break;
    case TKnopfbild::Pendel: pendel(p); break;
    case TKnopfbild::Laufkatze: laufkatze(p); break;
    case TKnopfbild::Experiment: kolben(p); break;
    case TKnopfbild::Information: info(p); break;
    case TKnopfbild::Internet: globus(p); break;
    }
}

// Two overlapping fuzzy terms as a band of colour.
void terme(QPainter& p, const QRectF& r, int alpha)
{
    const double w = r.width();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 60, alpha));
    p.drawPolygon(QPolygonF{{r.left(), r.bottom()}, {r.left() + 0.15 * w, r.top()}, {r.left() + 0.35 * w, r.top()},
                            {r.left() + 0.6 * w, r.bottom()}});
    p.setBrush(QColor(90, 200, 255, alpha));
    p.drawPolygon(QPolygonF{{r.left() + 0.4 * w, r.bottom()}, {r.left() + 0.65 * w, r.top()},
                            {r.left() + 0.85 * w, r.top()}, {r.right(), r.bottom()}});
}

} // namespace

QImage Knopfbild(TKnopfbild bild, int groesse)
{
    QImage b(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 16.0, groesse / 16.0);
    zeichne(p, bild);
    return b;
}

namespace {

// A button picture drawn for each size it is asked for, so that the tool bar
// gets it at the device pixels of its screen (24 pixels at 150 %, 32 at
// 200 %) instead of a smaller picture enlarged or a larger one shrunk.
class TKnopfbildEngine : public QIconEngine {
public:
    explicit TKnopfbildEngine(TKnopfbild bild) : bild(bild) {}

    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State) override
    {
        const int seite = std::max(1, std::min(groesse.width(), groesse.height()));
        QPixmap p = QPixmap::fromImage(Knopfbild(bild, seite));
        if (modus == QIcon::Disabled || modus == QIcon::Selected) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            if (QStyle* stil = QApplication::style())
                p = stil->generatedIconPixmap(modus, p, &option);
        }
        return p;
    }

    // QIcon asks for the size in device pixels (and sets the ratio itself).
    void paint(QPainter* maler, const QRect& rechteck, QIcon::Mode modus, QIcon::State zustand) override
    {
        const qreal faktor = maler->device() ? maler->device()->devicePixelRatio() : 1;
        QPixmap p = pixmap(rechteck.size() * faktor, modus, zustand);
        p.setDevicePixelRatio(faktor);
        maler->drawPixmap(rechteck, p);
    }

    QSize actualSize(const QSize& groesse, QIcon::Mode, QIcon::State) override
    {
        const int seite = std::min(groesse.width(), groesse.height());
        return {seite, seite};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(16, 16), QSize(32, 32)}; }
    QIconEngine* clone() const override { return new TKnopfbildEngine(bild); }
    QString key() const override { return QStringLiteral("TKnopfbildEngine"); }

private:
    TKnopfbild bild;
};

} // namespace

QIcon Knopfsymbol(TKnopfbild bild)
{
    return QIcon(new TKnopfbildEngine(bild));
}

QImage Programmbild(int groesse, qreal ratio)
{
    const int seite = static_cast<int>(std::lround(groesse * ratio));
    QImage b(seite, seite, QImage::Format_ARGB32_Premultiplied);
    b.setDevicePixelRatio(ratio);
    b.fill(Qt::transparent);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 32.0, groesse / 32.0);
    QLinearGradient grund(0, 0, 0, 32);
    grund.setColorAt(0, QColor(30, 60, 120));
    grund.setColorAt(1, QColor(10, 25, 60));
    p.setPen(QPen(QColor(200, 210, 230), 1));
    p.setBrush(grund);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    terme(p, QRectF(3, 18, 26, 9), 200);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(3, 27.5), QPointF(29, 27.5));
    p.setPen(QPen(QColor(230, 230, 230), 1));
    p.setBrush(QColor(220, 60, 60));
    p.drawRect(QRectF(9.5, 20.5, 13, 4));
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(16, 20.5), QPointF(20, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QPointF(20.3, 5.5), 3, 3);
    return b;
}

QIcon Programmsymbol()
{
    QIcon symbol;
    for (int groesse : {16, 32, 48, 64})
        symbol.addPixmap(QPixmap::fromImage(Programmbild(groesse)));
    return symbol;
}

QImage Titelbild(qreal ratio)
{
    const int breite = 443;
    const int hoehe = 338;
    QImage b((QSizeF(breite, hoehe) * ratio).toSize(), QImage::Format_RGB32);
    b.setDevicePixelRatio(ratio);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient himmel(0, 0, 0, hoehe);
    himmel.setColorAt(0.0, QColor(14, 30, 72));
    himmel.setColorAt(0.6, QColor(34, 70, 140));
    himmel.setColorAt(1.0, QColor(12, 24, 56));
    p.fillRect(QRect(0, 0, breite, hoehe), himmel);

    // Three fuzzy terms over the ground line, drawn like a membership plot.
    const double fuss = 250;
    const double kopf = 150;
    const struct {
        QColor farbe;
        QPolygonF ecken;
    } terme3[] = {
        {QColor(255, 170, 50), QPolygonF{{0, kopf}, {60, kopf}, {170, fuss}}},
        {QColor(120, 230, 120), QPolygonF{{90, fuss}, {220, kopf}, {350, fuss}}},
        {QColor(90, 200, 255), QPolygonF{{270, fuss}, {380, kopf}, {443, kopf}}},
    };
    for (const auto& t : terme3) {
        QPolygonF flaeche = t.ecken;
        flaeche.prepend(QPointF(t.ecken.first().x(), fuss));
        flaeche.append(QPointF(t.ecken.last().x(), fuss));
        QColor fuellung = t.farbe;
        fuellung.setAlpha(40);
        p.setPen(Qt::NoPen);
        p.setBrush(fuellung);
        p.drawPolygon(flaeche);
        p.setPen(QPen(t.farbe, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(t.ecken);
    }

    // Crane: rail, trolley, rope and load.
    p.setPen(QPen(QColor(200, 205, 215), 3));
    p.drawLine(QPointF(230, 118), QPointF(430, 118));
    for (int x = 240; x <= 420; x += 20)
        p.drawLine(QPointF(x, 118), QPointF(x + 10, 110));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(240, 170, 40));
    p.drawRect(QRectF(318, 119, 40, 14));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QRectF(322, 113, 8, 8));
    p.drawEllipse(QRectF(346, 113, 8, 8));
    p.setPen(QPen(QColor(230, 230, 230), 1.5));
    p.drawLine(QPointF(338, 133), QPointF(322, 200));
    p.setPen(QPen(QColor(20, 50, 20), 1));
    p.setBrush(QColor(80, 170, 80));
    p.drawRect(QRectF(306, 200, 32, 22));

    // Inverted pendulum on its cart.
    p.setPen(QPen(QColor(210, 215, 225), 2));
    p.drawLine(QPointF(20, 250), QPointF(250, 250));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(210, 60, 60));
    p.drawRect(QRectF(90, 222, 60, 18));
    p.setBrush(QColor(35, 35, 35));
    p.drawEllipse(QRectF(96, 236, 14, 14));
    p.drawEllipse(QRectF(130, 236, 14, 14));
    p.setPen(QPen(QColor(245, 245, 245), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(120, 222), QPointF(150, 146));
    p.setPen(Qt::NoPen);
    QRadialGradient kugel(QPointF(148, 138), 12);
    kugel.setColorAt(0, QColor(255, 240, 150));
    kugel.setColorAt(1, QColor(230, 160, 20));
    p.setBrush(kugel);
    p.drawEllipse(QPointF(151, 143), 10, 10);

    // The name.
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setPixelSize(64);
    schrift.setBold(true);
    schrift.setItalic(true);
    p.setFont(schrift);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRectF(23, 11, 300, 76), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tarvik"));
    p.setPen(Qt::white);
    p.drawText(QRectF(20, 8, 300, 76), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tarvik"));

    // Dark band under the credit lines.
    QLinearGradient band(0, 262, 0, hoehe);
    band.setColorAt(0, QColor(0, 0, 0, 0));
    band.setColorAt(0.3, QColor(0, 0, 0, 110));
    band.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(QRectF(0, 262, breite, hoehe - 262), band);
    return b;
}
