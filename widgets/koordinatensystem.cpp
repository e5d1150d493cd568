#include "widgets/koordinatensystem.h"

#include "core/zahlenformat.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// Columns beyond this distance are held there: far outside any control, and
// well inside what the raster engine handles.
constexpr double spaltenGrenze = 1 << 20;

} // namespace

TKoordinatensystem::TKoordinatensystem(QWidget* parent)
    : QWidget(parent), canvas(bild, [this](const QRect& r) { update(r); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas.Schrift = font();
    ratio = devicePixelRatioF();
    bildAnpassen();
    dx_int = width() - 2 * randx_int - randx_skala_int;
    dy_int = height() - 2 * randy_int;
    dx = std::fabs(Fx2 - Fx1);
    dy = std::fabs(Fy2 - Fy1);
    Fxint = spalte(Fx).value_or(0);
    Fyint = zeile(Fy).value_or(0);
}

void TKoordinatensystem::setX1(float wert)
{
    Fx1 = wert;
    Neu();
}

void TKoordinatensystem::setX2(float wert)
{
    Fx2 = wert;
    Neu();
}

void TKoordinatensystem::setY1(float wert)
{
    Fy1 = wert;
    Neu();
}

void TKoordinatensystem::setY2(float wert)
{
    Fy2 = wert;
    Neu();
}

void TKoordinatensystem::setXBereich(float x1, float x2)
{
    Fx1 = x1;
    Fx2 = x2;
    Neu();
}

void TKoordinatensystem::setYBereich(float y1, float y2)
{
    Fy1 = y1;
    Fy2 = y2;
    Neu();
}

void TKoordinatensystem::setX(float wert)
{
    if (groesseGeaendert())
        Neu();
    Fx = wert;
    if (const auto s = spalte(wert))
        Fxint = *s;
}

void TKoordinatensystem::setY(float wert)
{
    if (groesseGeaendert())
        Neu();
    Fy = wert;
    if (const auto z = zeile(wert))
        Fyint = *z;
}

void TKoordinatensystem::setXint(int px)
{
    if (groesseGeaendert())
        Neu();
    if (dx_int == 0) {
        setX(Fx1);
        return;
    }
    const float anteil = static_cast<float>(static_cast<double>(px - randx_int - randx_skala_int) / dx_int);
    setX(static_cast<float>(static_cast<double>(anteil) * dx + Fx1));
}

void TKoordinatensystem::setYint(int py)
{
    if (groesseGeaendert())
        Neu();
    if (dy_int == 0) {
        setY(Fy1);
        return;
    }
    const float anteil = static_cast<float>(static_cast<double>(height() - py - randy_int) / dy_int);
    setY(static_cast<float>(static_cast<double>(anteil) * dy + Fy1));
}

void TKoordinatensystem::setRasteranzahl(int anzahl)
{
    FRasteranzahl = anzahl;
    Neu();
    Ks();
}

bool TKoordinatensystem::BereichLeer() const
{
    return !(dx > 0) || !(dy > 0) || !std::isfinite(dx) || !std::isfinite(dy);
}

std::optional<int> TKoordinatensystem::spalteNorm(float t) const
{
    if (std::isnan(t))
        return std::nullopt;
    const double s = std::nearbyint(static_cast<double>(dx_int) * t) + randx_int + randx_skala_int;
    return static_cast<int>(std::clamp(s, -spaltenGrenze, spaltenGrenze));
}

std::optional<int> TKoordinatensystem::zeileNorm(float t) const
{
    if (std::isnan(t))
        return std::nullopt;
    const int hoehe = height();
    const double r = hoehe - (std::nearbyint(static_cast<double>(dy_int) * t) + randy_int);
    if (r < 0)
        return -10;
    if (r > hoehe)
        return hoehe;
    return static_cast<int>(r);
}

std::optional<int> TKoordinatensystem::spalte(float x) const
{
    if (!(dx > 0) || !std::isfinite(dx))
        return std::nullopt;
    return spalteNorm(static_cast<float>((static_cast<double>(x) - Fx1) / dx));
}

std::optional<int> TKoordinatensystem::zeile(float y) const
{
    if (!(dy > 0) || !std::isfinite(dy))
        return std::nullopt;
    return zeileNorm(static_cast<float>((static_cast<double>(y) - Fy1) / dy));
}

std::optional<QPoint> TKoordinatensystem::Pixel(float x, float y) const
{
    const auto s = spalte(x);
    const auto z = zeile(y);
    if (!s || !z)
        return std::nullopt;
    return QPoint(*s, *z);
}

void TKoordinatensystem::Neu()
{
    if (groesseGeaendert())
        bildAnpassen();
    dx_int = width() - 2 * randx_int - randx_skala_int;
    dy_int = height() - 2 * randy_int;
    dx = std::fabs(Fx2 - Fx1);
    dy = std::fabs(Fy2 - Fy1);
    if (!(Fx2 >= Fx1))
        std::swap(Fx1, Fx2);
    if (!(Fy2 >= Fy1))
        std::swap(Fy1, Fy2);
    if (const auto s = spalte(Fx))
        Fxint = *s;
    if (const auto z = zeile(Fy))
        Fyint = *z;
}

void TKoordinatensystem::stiftSetzen()
{
    canvas.Stift.Farbe = FGraphfarbe;
    canvas.Stift.Stil = Qt::SolidLine;
    canvas.Stift.Modus = FStiftart;
}

void TKoordinatensystem::moveto(float x, float y)
{
    if (groesseGeaendert())
        Neu();
    const auto p = Pixel(x, y);
    stiftGueltig = p.has_value();
    if (!p)
        return;
    Fxint = p->x();
    Fyint = p->y();
    canvas.MoveTo(p->x(), p->y());
}

void TKoordinatensystem::lineto(float x, float y)
{
    if (groesseGeaendert())
        Neu();
    stiftSetzen();
    const auto p = Pixel(x, y);
    if (!p) {
        stiftGueltig = false;
        return;
    }
    Fxint = p->x();
    Fyint = p->y();
    if (stiftGueltig)
        canvas.LineTo(p->x(), p->y());
    else
        canvas.MoveTo(p->x(), p->y());
    stiftGueltig = true;
}

void TKoordinatensystem::point(float x, float y)
{
    moveto(x, y);
    stiftSetzen();
    if (!stiftGueltig)
        return;
    canvas.Punkt(Fxint, Fyint);
}

void TKoordinatensystem::spot(float x, float y)
{
    moveto(x, y);
    stiftSetzen();
    if (!stiftGueltig)
        return;
    const int px = Fxint;
    const int py = Fyint;
    canvas.MoveTo(px - 2, py - 2);
    canvas.LineTo(px + 2, py - 2);
    canvas.LineTo(px + 2, py + 2);
    canvas.LineTo(px - 2, py + 2);
    canvas.LineTo(px - 2, py - 2);
}

void TKoordinatensystem::Ks()
{
    if (groesseGeaendert())
        Neu();
    if (BereichLeer())
        return;
    // More intervals than pixels put a line on every pixel of the axis; one
    // line per pixel gives the same picture, so that a huge grid count from a
    // field costs no more than that.
    const auto intervalle = [r = std::max(1, FRasteranzahl)](int pixel) {
        return std::min(r, std::max(1, std::abs(pixel)));
    };
    canvas.Stift.Farbe = FKSFarbe;
    canvas.Stift.Stil = Qt::DotLine;
    canvas.Stift.Modus = TStiftart::Kopieren;
    canvas.Schriftfarbe = FKSFarbe;
    const auto beschriftet = [&](int i, int r) {
        return FSkala != TSkala::keine && (FSkala == TSkala::ganz || i == 0 || i == r);
    };
    const int unten = *zeileNorm(0);
    const int oben = *zeileNorm(1);
    const int rx = intervalle(dx_int);
    for (int i = 0; i <= rx; ++i) {
        const int px = *spalteNorm(static_cast<float>(static_cast<double>(i) / rx));
        canvas.MoveTo(px, unten);
        canvas.LineTo(px, oben);
        if (beschriftet(i, rx)) {
            const QString text = FestKomma(static_cast<float>(static_cast<double>(i) * dx / rx + Fx1), 2, 7);
            canvas.TextOut(px - canvas.TextWidth(text) / 2, unten + randy_int / 3, text);
        }
    }
    const int links = *spalteNorm(0);
    const int rechts = *spalteNorm(1);
    const int ry = intervalle(dy_int);
    for (int i = 0; i <= ry; ++i) {
        const int py = *zeileNorm(static_cast<float>(static_cast<double>(i) / ry));
        canvas.MoveTo(links, py);
        canvas.LineTo(rechts, py);
        if (beschriftet(i, ry)) {
            const QString text = FestKomma(static_cast<float>(static_cast<double>(i) * dy / ry + Fy1), 2, 7);
            canvas.TextOut(2, py - canvas.TextHeight(text) / 2, text);
        }
    }
    canvas.Stift.Farbe = FGraphfarbe;
    canvas.Stift.Modus = FStiftart;
    canvas.Stift.Stil = Qt::SolidLine;
}

void TKoordinatensystem::Refresh()
{
    if (groesseGeaendert())
        Neu();
    bild.fill(FColor);
    Paint();
    update();
}

void TKoordinatensystem::Paint()
{
    if (FOnPaint)
        FOnPaint(*this);
}

void TKoordinatensystem::CopyToClipboard()
{
    if (QClipboard* ablage = QGuiApplication::clipboard())
        ablage->setImage(bild.copy());
}

void TKoordinatensystem::paintEvent(QPaintEvent* ereignis)
{
    // A plot that was moved to a screen of another scale gets its picture
    // at that scale first.
    if (ratioPruefen()) {
        Neu();
        Paint();
    }
    QPainter maler(this);
    const QRect r = ereignis->rect();
    const qreal f = bild.devicePixelRatio();
    maler.drawImage(QRectF(r), bild, QRectF(r.x() * f, r.y() * f, r.width() * f, r.height() * f));
}

bool TKoordinatensystem::ratioPruefen()
{
    const qreal neu = devicePixelRatioF();
    if (neu == ratio || !(neu > 0))
        return false;
    ratio = neu;
    return groesseGeaendert();
}

QSize TKoordinatensystem::bildGroesse() const
{
    const QSize logisch = size().expandedTo(QSize(1, 1));
    if (ratio == 1)
        return logisch;
    return QSize(static_cast<int>(std::ceil(logisch.width() * ratio)), static_cast<int>(std::ceil(logisch.height() * ratio)));
}

bool TKoordinatensystem::groesseGeaendert() const
{
    return bild.size() != bildGroesse() || bild.devicePixelRatio() != ratio;
}

void TKoordinatensystem::bildAnpassen()
{
    bild = QImage(bildGroesse(), QImage::Format_RGB32);
    bild.setDevicePixelRatio(ratio);
    bild.fill(FColor);
}

// A plot whose size changes gets a fresh picture and a geometry that fits. A
// hidden control gets its resize event late, when it is shown: by then the
// first drawing call has already adapted picture and geometry.
void TKoordinatensystem::resizeEvent(QResizeEvent*)
{
    if (!groesseGeaendert())
        return;
    Neu();
    Paint();
    update();
}

void TKoordinatensystem::changeEvent(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FontChange)
        canvas.Schrift = font();
    QWidget::changeEvent(ereignis);
}

// A new screen may have another scale: the picture is drawn again at it, as
// after a change of size.
bool TKoordinatensystem::event(QEvent* ereignis)
{
    if ((ereignis->type() == QEvent::ScreenChangeInternal || ereignis->type() == QEvent::Show) && ratioPruefen()) {
        Neu();
        Paint();
        update();
    }
    return QWidget::event(ereignis);
}
