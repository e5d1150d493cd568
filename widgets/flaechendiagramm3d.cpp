#include "widgets/flaechendiagramm3d.h"

#include "core/achsenteilung.h"
#include "core/zahlenformat.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Space around the boxes for the title, the tick labels and the axis titles.
constexpr int randOben = 34;
constexpr int randUnten = 46;
constexpr int randSeite = 64;
// Full depth in relation to the front width before the fit to the window.
constexpr double tiefenanteil = 0.6;

const QColor Achsenfarbe(64, 64, 64);

// A tick step of 1, 2 or 5 times a power of ten, so that the range gets about
// five intervals.
double Tickschritt(double spanne)
{
    return EinsZweiFuenf(spanne / 5);
}

int Nachkommastellen(double schritt)
{
    int stellen = 0;
    while (stellen < 6 && std::abs(schritt - std::round(schritt)) > 1e-9 * std::max(1.0, std::abs(schritt))) {
        schritt *= 10;
        ++stellen;
    }
    return stellen;
}

QString Zahltext(double wert, int stellen)
{
    return FestKomma(wert, stellen, 1).trimmed();
}

// A title cut to the room it has (a third of the chart beside the axes, so
// that it covers few boxes); a huge one is cut before it is measured, since a
// character that shows takes a pixel at least.
QString Passend(const QFontMetrics& fm, const QString& text, int breite)
{
    breite = std::max(breite, 0);
    return fm.elidedText(text.left(breite + 2), Qt::ElideRight, breite);
}

// Of the boxes at least this many pixels stay in the window when it is moved.
constexpr double sichtbarBeimVerschieben = 60;

} // namespace

TFlaechendiagramm3D::TFlaechendiagramm3D(QWidget* parent)
    : QWidget(parent)
    , serien(20)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 160);
    setCursor(Qt::OpenHandCursor);
}

void TFlaechendiagramm3D::setSerienanzahl(int anzahl)
{
    serien.assign(static_cast<std::size_t>(std::max(1, anzahl)), {});
    geaendert();
}

void TFlaechendiagramm3D::SerieLeeren(int serie)
{
    if (serie >= 0 && serie < Serienanzahl()) {
        serien[static_cast<std::size_t>(serie)].clear();
        geaendert();
    }
}

void TFlaechendiagramm3D::AllesLeeren()
{
    for (auto& s : serien)
        s.clear();
    geaendert();
}

void TFlaechendiagramm3D::PunktAnfuegen(int serie, float wert, const QColor& farbe)
{
    if (serie >= 0 && serie < Serienanzahl()) {
        serien[static_cast<std::size_t>(serie)].push_back({wert, farbe});
        geaendert();
    }
}

void TFlaechendiagramm3D::setBlickwinkel(int grad)
{
    grad = std::clamp(grad, 0, 180);
    if (grad != blickwinkel) {
        blickwinkel = grad;
        geaendert();
    }
}

void TFlaechendiagramm3D::setXInvertiert(bool wert)
{
    if (wert != xInvertiert) {
        xInvertiert = wert;
        geaendert();
    }
}

void TFlaechendiagramm3D::setYInvertiert(bool wert)
{
    if (wert != yInvertiert) {
        yInvertiert = wert;
        geaendert();
    }
}

void TFlaechendiagramm3D::setZoom(double faktor)
{
    faktor = std::clamp(faktor, 0.5, 3.0);
    if (faktor != zoom) {
        zoom = faktor;
        geaendert();
    }
}

double TFlaechendiagramm3D::Verschiebung()
{
    geometrieBerechnen();
    return g.verschiebung;
}

void TFlaechendiagramm3D::setVerschiebung(double pixel)
{
    if (std::isfinite(pixel) && pixel != verschiebung) {
        verschiebung = pixel;
        geaendert();
    }
}

void TFlaechendiagramm3D::setTitel(const QString& text)
{
    titel = text;
    geaendert();
}

void TFlaechendiagramm3D::setAchsentitel(const QString& unten, const QString& tiefe, const QString& wert)
{
    titelUnten = unten;
    titelTiefe = tiefe;
    titelWert = wert;
    geaendert();
}

void TFlaechendiagramm3D::setMarke(std::optional<QPointF> xz, float wert, const QString& text)
{
    markentext = text;
    marke = xz;
    markenwert = wert;
    geaendert();
}

void TFlaechendiagramm3D::geaendert()
{
    veraltet = true;
    update();
}

QPointF TFlaechendiagramm3D::Projektion(double x, double z, double wert)
{
    geometrieBerechnen();
    return punkt(xInvertiert ? g.nx - x : x, yInvertiert ? g.nz - z : z, wert);
}

double TFlaechendiagramm3D::WertUnten()
{
    geometrieBerechnen();
    return g.unten;
}

double TFlaechendiagramm3D::WertOben()
{
    geometrieBerechnen();
    return g.oben;
}

const QImage& TFlaechendiagramm3D::Bild()
{
    if (veraltet || bild.size() != size())
        zeichnen();
    return bild;
}

QPointF TFlaechendiagramm3D::punkt(double xs, double zs, double wert) const
{
    const double t = (wert - g.unten) / (g.oben - g.unten);
    return {g.ox + xs / g.nx * g.breite + zs / g.nz * g.tiefeX, g.oy - t * g.hoehe - zs / g.nz * g.tiefeY};
}

double TFlaechendiagramm3D::hoeheAm(int xs, int zs) const
{
    if (xs < 0 || xs >= g.nx || zs < 0 || zs >= g.nz)
        return g.unten;
    const auto& s = serien[static_cast<std::size_t>(serieAm(zs))];
    const int j = punktAm(xs);
    if (j >= static_cast<int>(s.size()) || !std::isfinite(s[static_cast<std::size_t>(j)].wert))
        return g.unten;
    return std::clamp(double(s[static_cast<std::size_t>(j)].wert), g.unten, g.oben);
}

void TFlaechendiagramm3D::geometrieBerechnen()
{
    g.nz = Serienanzahl();
    g.nx = 1;
    bool gefunden = false;
    double lo = 0, hi = 0;
    for (const auto& s : serien) {
        g.nx = std::max(g.nx, static_cast<int>(s.size()));
        for (const TPunkt& p : s) {
            if (!std::isfinite(p.wert))
                continue;
            if (!gefunden) {
                lo = hi = p.wert;
                gefunden = true;
            }
            lo = std::min(lo, double(p.wert));
            hi = std::max(hi, double(p.wert));
        }
    }
    if (!gefunden) {
        lo = 0;
        hi = 1;
    } else if (!(hi > lo)) {
        // A flat surface: a range around it, so that its boxes stand halfway.
        const double rand = std::max(1.0, std::abs(lo) * 0.1);
        lo -= rand;
        hi += rand;
    }
    g.schritt = Tickschritt(hi - lo);
    const double unten = std::floor(lo / g.schritt) * g.schritt;
    const double oben = std::ceil(hi / g.schritt) * g.schritt;
    // Values so large that the ticks cannot be computed keep the plain range.
    g.unten = std::isfinite(unten) && unten <= lo ? unten : lo;
    g.oben = std::isfinite(oben) && oben >= hi && oben > g.unten ? oben : hi;
    if (!(g.oben > g.unten) || !std::isfinite(g.oben - g.unten)) {
        g.unten = 0;
        g.oben = 1;
    }

    // The fit leaves room for the depth at every angle, so that turning keeps
    // the size of the chart.
    const double aw = std::max(40, width() - 2 * randSeite);
    const double ah = std::max(40, height() - randOben - randUnten);
    const double tiefe = std::min(aw * tiefenanteil / (1 + tiefenanteil), ah * 0.45) * zoom;
    g.breite = (aw * zoom) - tiefe;
    g.hoehe = (ah * zoom) - tiefe;
    const double bogen = blickwinkel * std::numbers::pi / 180;
    g.tiefeX = tiefe * std::cos(bogen);
    g.tiefeY = tiefe * std::sin(bogen);
    const double gesamtBreite = g.breite + std::abs(g.tiefeX);
    const double gesamtHoehe = g.hoehe + g.tiefeY;
    const double links = randSeite + (aw - gesamtBreite) / 2;
    const double rand = std::min(sichtbarBeimVerschieben, gesamtBreite);
    g.verschiebung = std::clamp(verschiebung, rand - links - gesamtBreite, width() - rand - links);
    g.ox = links + g.verschiebung + (g.tiefeX < 0 ? -g.tiefeX : 0);
    g.oy = randOben + (ah - gesamtHoehe) / 2 + gesamtHoehe;
}

void TFlaechendiagramm3D::zeichnen()
{
    veraltet = false;
    const QSize groesse = size().expandedTo(QSize(1, 1));
    if (bild.size() != groesse)
        bild = QImage(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    geometrieBerechnen();

    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setFont(font());
    const QFontMetrics fm(font());
    kaestenZeichnen(maler);
    achsenZeichnen(maler, fm);
    // The marker last, on top of every box.
    if (marke)
        markeZeichnen(maler, fm);
    titelZeichnen(maler);
}

// Every box with the faces the viewer sees: front, the side towards the
// depth and, while the chart is seen from above, the top.
void TFlaechendiagramm3D::kaestenZeichnen(QPainter& maler) const
{
    const bool rechts = tiefeNachRechts();
    const bool oberseite = g.tiefeY > 0.5;
    const bool seite = std::abs(g.tiefeX) > 0.5;

    // Back to front: farthest row first; within a row from the side that
    // faces away from the viewer.
    QPolygonF flaeche(4);
    for (int zs = g.nz - 1; zs >= 0; --zs) {
        for (int k = 0; k < g.nx; ++k) {
            const int xs = rechts ? k : g.nx - 1 - k;
            const auto& s = serien[static_cast<std::size_t>(serieAm(zs))];
            const int j = punktAm(xs);
            if (j >= static_cast<int>(s.size()))
                continue;
            const TPunkt& p = s[static_cast<std::size_t>(j)];
            const double h = hoeheAm(xs, zs);
            const QColor farbe = p.farbe.isValid() ? p.farbe : QColor(192, 192, 192);
            const QPen kante(farbe.darker(200), 1);

            // Front face: only the part above the box in front of it shows.
            const double vorn = hoeheAm(xs, zs - 1);
            if (h > vorn) {
                flaeche[0] = punkt(xs, zs, vorn);
                flaeche[1] = punkt(xs + 1, zs, vorn);
                flaeche[2] = punkt(xs + 1, zs, h);
                flaeche[3] = punkt(xs, zs, h);
                maler.setPen(kante);
                maler.setBrush(farbe.darker(115));
                maler.drawPolygon(flaeche);
            }
            // Side face towards the viewer, above the neighbour on that side.
            if (seite) {
                const int xSeite = rechts ? xs + 1 : xs;
                const double nachbar = hoeheAm(rechts ? xs + 1 : xs - 1, zs);
                if (h > nachbar) {
                    flaeche[0] = punkt(xSeite, zs, nachbar);
                    flaeche[1] = punkt(xSeite, zs + 1, nachbar);
                    flaeche[2] = punkt(xSeite, zs + 1, h);
                    flaeche[3] = punkt(xSeite, zs, h);
                    maler.setPen(kante);
                    maler.setBrush(farbe.darker(145));
                    maler.drawPolygon(flaeche);
                }
            }
            if (oberseite) {
                flaeche[0] = punkt(xs, zs, h);
                flaeche[1] = punkt(xs + 1, zs, h);
                flaeche[2] = punkt(xs + 1, zs + 1, h);
                flaeche[3] = punkt(xs, zs + 1, h);
                maler.setPen(kante);
                maler.setBrush(farbe);
                maler.drawPolygon(flaeche);
            }
        }
    }
}

void TFlaechendiagramm3D::achsenZeichnen(QPainter& maler, const QFontMetrics& fm) const
{
    maler.setPen(QPen(Achsenfarbe, 1));
    maler.setBrush(Qt::NoBrush);
    wertachseZeichnen(maler, fm);
    untereAchseZeichnen(maler, fm);
    tiefenachseZeichnen(maler, fm);
}

// Value axis on the front edge away from the depth.
void TFlaechendiagramm3D::wertachseZeichnen(QPainter& maler, const QFontMetrics& fm) const
{
    const bool rechts = tiefeNachRechts();
    const int stellen = Nachkommastellen(g.schritt);
    const double xWert = rechts ? 0 : g.nx;
    maler.drawLine(punkt(xWert, 0, g.unten), punkt(xWert, 0, g.oben));
    const int tickAnzahl = static_cast<int>(std::lround((g.oben - g.unten) / g.schritt));
    for (int t = 0; t <= tickAnzahl && t <= 100; ++t) {
        const double v = g.unten + t * g.schritt;
        const QPointF p = punkt(xWert, 0, v);
        const QString text = Zahltext(v, stellen);
        const double richtung = rechts ? -1 : 1;
        maler.drawLine(p, p + QPointF(4 * richtung, 0));
        const double tx = rechts ? p.x() - 6 - fm.horizontalAdvance(text) : p.x() + 6;
        maler.drawText(QPointF(tx, p.y() + fm.ascent() / 2.0 - 1), text);
    }
    if (!titelWert.isEmpty()) {
        // Beside the top of the axis, away from the boxes.
        const QPointF p = punkt(xWert, 0, g.oben);
        const QString t = Passend(fm, titelWert, width() / 3);
        const int w = fm.horizontalAdvance(t);
        double tx = rechts ? p.x() - w - 8 : p.x() + 8;
        tx = std::clamp(tx, 2.0, double(width() - w - 2));
        maler.drawText(QPointF(tx, p.y() - fm.height()), t);
    }
}

// Bottom axis along the front, one label per point where they fit.
void TFlaechendiagramm3D::untereAchseZeichnen(QPainter& maler, const QFontMetrics& fm) const
{
    maler.drawLine(punkt(0, 0, g.unten), punkt(g.nx, 0, g.unten));
    const double spalte = g.breite / g.nx;
    const int xSchritt = spalte >= 16 ? 1 : (spalte >= 8 ? 2 : 5);
    for (int xs = 0; xs < g.nx; ++xs) {
        const int j = punktAm(xs);
        const QPointF p = punkt(xs + 0.5, 0, g.unten);
        maler.drawLine(p, p + QPointF(0, 3));
        if (j % xSchritt != 0)
            continue;
        const QString text = IntEditText(j);
        maler.drawText(QPointF(p.x() - fm.horizontalAdvance(text) / 2.0, p.y() + 4 + fm.ascent()), text);
    }
    if (!titelUnten.isEmpty()) {
        const QPointF p = punkt(g.nx / 2.0, 0, g.unten);
        const QString t = Passend(fm, titelUnten, width() - 4);
        maler.drawText(QPointF(p.x() - fm.horizontalAdvance(t) / 2.0, p.y() + 8 + fm.ascent() + fm.height()), t);
    }
}

// Depth axis along the bottom of the side that faces the viewer, its labels
// pushed outwards at right angles to it.
void TFlaechendiagramm3D::tiefenachseZeichnen(QPainter& maler, const QFontMetrics& fm) const
{
    const bool rechts = tiefeNachRechts();
    const double xTiefe = rechts ? g.nx : 0;
    maler.drawLine(punkt(xTiefe, 0, g.unten), punkt(xTiefe, g.nz, g.unten));
    const double laenge = std::hypot(g.tiefeX, g.tiefeY);
    if (laenge > 1) {
        const QPointF richtung(g.tiefeX / laenge, -g.tiefeY / laenge);
        const QPointF aussen = rechts ? QPointF(-richtung.y(), richtung.x()) : QPointF(richtung.y(), -richtung.x());
        const double zeile = laenge / g.nz;
        const int zSchritt = zeile >= 14 ? 1 : (zeile >= 7 ? 2 : 5);
        for (int zs = 0; zs < g.nz; ++zs) {
            const int i = serieAm(zs);
            const QPointF p = punkt(xTiefe, zs + 0.5, g.unten);
            maler.drawLine(p, p + aussen * 3);
            if (i % zSchritt != 0)
                continue;
            const QString text = IntEditText(i);
            const QPointF mitte = p + aussen * (6 + fm.horizontalAdvance(text) / 2.0 + 2);
            maler.drawText(QPointF(mitte.x() - fm.horizontalAdvance(text) / 2.0, mitte.y() + fm.ascent() / 2.0 - 1),
                           text);
        }
        if (!titelTiefe.isEmpty()) {
            const QPointF ende = punkt(xTiefe, g.nz, g.unten) + aussen * 14 + richtung * 10;
            const QString t = Passend(fm, titelTiefe, width() / 3);
            const int w = fm.horizontalAdvance(t);
            double tx = rechts ? ende.x() : ende.x() - w;
            tx = std::clamp(tx, 2.0, double(width() - w - 2));
            maler.drawText(QPointF(tx, std::max(double(fm.ascent() + randOben - 12), ende.y())), t);
        }
    }
}

// A ring with a dot where the operating point stands, a dashed line down to
// the floor, and the same sign with its text in the lower left corner.
void TFlaechendiagramm3D::markeZeichnen(QPainter& maler, const QFontMetrics& fm) const
{
    const double xs = xInvertiert ? g.nx - marke->x() : marke->x();
    const double zs = yInvertiert ? g.nz - marke->y() : marke->y();
    const double h = std::isfinite(markenwert) ? std::clamp(double(markenwert), g.unten, g.oben) : g.unten;
    const QPointF p = punkt(xs, zs, h);
    const QPointF boden = punkt(xs, zs, g.unten);
    maler.setPen(QPen(Qt::black, 1, Qt::DashLine));
    maler.drawLine(boden, p);
    maler.setPen(QPen(Qt::black, 2));
    maler.setBrush(Qt::white);
    maler.drawEllipse(p, 5, 5);
    maler.setBrush(Qt::black);
    maler.setPen(Qt::NoPen);
    maler.drawEllipse(p, 2, 2);
    // Its legend in the lower left corner.
    const QPointF legende(12, height() - 12);
    maler.setPen(QPen(Qt::black, 2));
    maler.setBrush(Qt::white);
    maler.drawEllipse(legende, 5, 5);
    maler.setBrush(Qt::black);
    maler.setPen(Qt::NoPen);
    maler.drawEllipse(legende, 2, 2);
    maler.setPen(Achsenfarbe);
    maler.drawText(QPointF(legende.x() + 10, legende.y() + fm.ascent() / 2.0 - 1), markentext);
}

void TFlaechendiagramm3D::titelZeichnen(QPainter& maler) const
{
    QFont titelschrift = font();
    titelschrift.setBold(true);
    titelschrift.setPixelSize(std::max(12, font().pixelSize() + 3));
    maler.setFont(titelschrift);
    maler.setPen(Qt::black);
    maler.drawText(QRect(0, 6, width(), randOben - 10), Qt::AlignHCenter | Qt::AlignTop, titel);
}

void TFlaechendiagramm3D::paintEvent(QPaintEvent*)
{
    const QImage& b = Bild();
    QPainter maler(this);
    maler.drawImage(0, 0, b);
}

void TFlaechendiagramm3D::resizeEvent(QResizeEvent*)
{
    veraltet = true;
}

void TFlaechendiagramm3D::mousePressEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() != Qt::LeftButton)
        return;
    ziehenAb = qRound(ereignis->position().x());
    verschiebungBeimZiehen = Verschiebung();
    setCursor(Qt::ClosedHandCursor);
}

void TFlaechendiagramm3D::mouseMoveEvent(QMouseEvent* ereignis)
{
    if (!ziehenAb)
        return;
    // The chart follows the mouse sideways only.
    setVerschiebung(verschiebungBeimZiehen + (qRound(ereignis->position().x()) - *ziehenAb));
}

void TFlaechendiagramm3D::mouseReleaseEvent(QMouseEvent* ereignis)
{
    if (ereignis->button() == Qt::LeftButton) {
        ziehenAb.reset();
        setCursor(Qt::OpenHandCursor);
    }
}

void TFlaechendiagramm3D::wheelEvent(QWheelEvent* ereignis)
{
    const int schritte = ereignis->angleDelta().y() / 120;
    if (schritte != 0)
        setZoom(zoom * std::pow(1.1, schritte));
}
