#include "app/simulationsbild.h"

#include "widgets/koordinatensystem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <map>

namespace {

const QColor Rot(255, 0, 0);
const QColor Gruen(0, 255, 0);

} // namespace

QImage BackGround(qreal ratio)
{
    // Drawn once for each scale it is asked for.
    static std::map<qreal, QImage> bilder;
    QImage& bild = bilder[ratio];
    if (bild.isNull()) {
        constexpr int breite = SimulationsplotBreite;
        constexpr int hoehe = SimulationsplotHoehe;
        QImage b(int(std::ceil(breite * ratio)), int(std::ceil(hoehe * ratio)), QImage::Format_RGB32);
        b.setDevicePixelRatio(ratio);
        b.fill(QColor(20, 28, 34));
        QPainter m(&b);
        // The floor starts just below the plot's ground line (y = 0).
        constexpr int boden = 102;
        QLinearGradient himmel(0, 0, 0, boden);
        himmel.setColorAt(0, QColor(8, 28, 72));
        himmel.setColorAt(1, QColor(24, 92, 140));
        m.fillRect(0, 0, breite, boden, himmel);
        // Distant hills, dark so the plant stays the brightest thing.
        m.setRenderHint(QPainter::Antialiasing);
        QPainterPath huegel;
        huegel.moveTo(0, boden);
        huegel.cubicTo(60, 70, 120, 86, 180, 80);
        huegel.cubicTo(250, 72, 300, 92, 350, 78);
        huegel.cubicTo(390, 68, 410, 80, breite, 76);
        huegel.lineTo(breite, boden);
        huegel.closeSubpath();
        m.fillPath(huegel, QColor(14, 62, 70));
        m.setRenderHint(QPainter::Antialiasing, false);
        QLinearGradient flur(0, boden, 0, hoehe);
        flur.setColorAt(0, QColor(40, 54, 60));
        flur.setColorAt(1, QColor(20, 28, 34));
        m.fillRect(0, boden, breite, hoehe - boden, flur);
        // The track the cart runs on.
        m.fillRect(0, boden, breite, 2, QColor(90, 110, 118));
        for (int x = 4; x < breite; x += 14)
            m.fillRect(x, boden + 2, 8, 2, QColor(56, 70, 76));
        m.end();
        bild = b;
    }
    return bild;
}

TKoordinatensystem* SimulationsplotAnlegen(QWidget* parent, const QRect& platz, float y1)
{
    auto* k = new TKoordinatensystem(parent);
    k->setGeometry(platz);
    k->setSkalenart(TSkala::keine);
    k->setXBereich(-6, 6);
    k->setYBereich(y1, 2.5f);
    k->setStiftart(TStiftart::Xor);
    k->setGraphFarbe(Qt::white);
    k->setOnPaint([](TKoordinatensystem& plot) {
        plot.Canvas().StretchDraw(QRect(0, 0, plot.width(), plot.height()), BackGround(plot.Bild().devicePixelRatio()));
    });
    return k;
}

void MarkenUndSchiene(TKoordinatensystem& k, float ersteMarke, float schienenhoehe)
{
    TCanvas& c = k.Canvas();
    const TStift stift = c.Stift;
    const TPinsel pinsel = c.Pinsel;
    // Only this drawing's pen copies; the plot's own pen mode stays XOR, or
    // the plant could not be erased.
    c.Stift = TStift{Rot, 1, Qt::SolidLine, TStiftart::Kopieren};
    c.Pinsel = TPinsel{Rot, false};
    for (float x : {ersteMarke, 2.0f}) {
        if (const auto p = k.Pixel(x, 0))
            c.Rectangle(p->x() - 5, p->y() + 1, p->x() + 5, p->y() + 10);
    }
    c.Stift = stift;
    c.Pinsel = pinsel;
    k.moveto(-8, schienenhoehe);
    k.lineto(8, schienenhoehe);
}

QColor AmpelFarbe(bool gruen)
{
    return gruen ? Gruen : Rot;
}
