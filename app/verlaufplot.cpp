#include "app/verlaufplot.h"

#include "core/zahlenformat.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int RandLinks = 64;
// With these margins a second is exactly 21 pixels, so the picture can be
// shifted by whole pixels when the window moves on.
constexpr int RandRechts = 5;
// Each strip's title stands in the gap above it.
constexpr int RandOben = 16;
constexpr int RandUnten = 24;
constexpr int Abstand = 18;
// Largest half range of a strip; a plant whose values run away beyond it is
// drawn clipped.
constexpr float GroessterBereich = 1e6f;

const QColor Hintergrund(246, 246, 246);
const QColor Gruenphase(196, 240, 196);

// The smallest of 1, 2, 5, 10, 20, 50 ... that is at least `wert`.
float Rundbereich(float wert)
{
    float zehner = 1;
    while (zehner * 10 < wert)
        zehner *= 10;
    for (float f : {1.0f, 2.0f, 5.0f, 10.0f}) {
        if (f * zehner >= wert)
            return f * zehner;
    }
    return 10 * zehner;
}

// Lines across and along the axes as rectangles of whole logical pixels:
// at every ratio exactly the device pixels of those logical pixels, where a
// pen would straddle the pixel edges of a scaled picture.
void Waagrecht(QPainter& m, int von, int bis, int y, const QColor& farbe)
{
    m.fillRect(QRect(von, y, bis - von + 1, 1), farbe);
}

void Senkrecht(QPainter& m, int x, int von, int bis, const QColor& farbe)
{
    m.fillRect(QRect(x, von, 1, bis - von + 1), farbe);
}

// A dotted line downwards: one pixel set, two left free.
void Gepunktet(QPainter& m, int x, int von, int bis, const QColor& farbe)
{
    for (int y = von; y <= bis; y += 3)
        m.fillRect(QRect(x, y, 1, 1), farbe);
}

float Wert(const TVerlaufPunkt& p, int streifen)
{
    switch (streifen) {
    case 0:
        return p.x;
    case 1:
        return p.winkel;
    default:
        return p.kraft;
    }
}

QString Achsenzahl(float wert)
{
    return FestKomma(wert, std::fabs(wert) < 10 && wert != std::round(wert) ? 1 : 0, 0);
}

} // namespace

TVerlaufPlot::TVerlaufPlot(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(Breite, Hoehe);
    ratio = devicePixelRatioF();
    bildAnlegen();
    Beginnen(false);
}

// The picture has the device pixels of the widget; everything is drawn in
// logical pixels, so that lines and texts are as wide as at ratio 1 and
// sharp on a scaled screen.
void TVerlaufPlot::bildAnlegen()
{
    bild = QImage((QSizeF(Breite, hoehe) * ratio).toSize(), QImage::Format_RGB32);
    bild.setDevicePixelRatio(ratio);
}

bool TVerlaufPlot::ratioPruefen()
{
    const qreal neu = devicePixelRatioF();
    if (neu == ratio || !(neu > 0))
        return false;
    ratio = neu;
    bildAnlegen();
    allesZeichnen();
    return true;
}

// On a screen of another scale the picture is drawn again at its ratio.
bool TVerlaufPlot::event(QEvent* e)
{
    if (e->type() == QEvent::ScreenChangeInternal || e->type() == QEvent::Show)
        ratioPruefen();
    return QWidget::event(e);
}

void TVerlaufPlot::setHoehe(int h)
{
    h = std::clamp(h, MinHoehe, Hoehe);
    if (h == hoehe)
        return;
    hoehe = h;
    setFixedSize(Breite, hoehe);
    bildAnlegen();
    allesZeichnen();
    update();
}

const std::array<QColor, 3>& TVerlaufPlot::Farben()
{
    static const std::array<QColor, 3> farben{QColor(0, 84, 190), QColor(200, 40, 20), QColor(120, 40, 150)};
    return farben;
}

const std::array<QString, 3>& TVerlaufPlot::Titel()
{
    static const std::array<QString, 3> titel{QStringLiteral("Position in m"), QStringLiteral("Winkel in Grad"),
                                              QStringLiteral("Kraft in N")};
    return titel;
}

QRect TVerlaufPlot::streifen(int i) const
{
    const int h = (hoehe - RandOben - RandUnten - 2 * Abstand) / 3;
    return QRect(RandLinks, RandOben + i * (h + Abstand), Breite - RandLinks - RandRechts, h);
}

double TVerlaufPlot::Spalte(float zeit) const
{
    const QRect r = streifen(0);
    return r.left() + (static_cast<double>(zeit) - anfang) / Fensterlaenge * (r.width() - 1);
}

double TVerlaufPlot::Zeile(int i, float wert) const
{
    const QRect r = streifen(i);
    const double mitte = r.top() + (r.height() - 1) / 2.0;
    return mitte - static_cast<double>(wert) / bereich[static_cast<std::size_t>(i)] * ((r.height() - 1) / 2.0 - 2);
}

const QColor& TVerlaufPlot::VorigFarbe()
{
    static const QColor grau(175, 175, 175);
    return grau;
}

void TVerlaufPlot::Beginnen(bool istKran)
{
    kran = istKran;
    if (!punkte.empty())
        vorige = std::move(punkte);
    punkte.clear();
    anfang = 0;
    bereich = {6, 15, 1};
    for (const TVerlaufPunkt& p : vorige)
        anpassen(p);
    allesZeichnen();
}

void TVerlaufPlot::vorigeZeichnen(QPainter& m, float von, float bis)
{
    if (!vorigenZeigen || vorige.size() < 2)
        return;
    auto k = std::lower_bound(vorige.begin(), vorige.end(), von,
                              [](const TVerlaufPunkt& p, float t) { return p.zeit < t; });
    if (k != vorige.begin())
        --k;
    for (; k + 1 < vorige.end() && k->zeit <= bis; ++k)
        update(segmentZeichnen(m, *k, *(k + 1), true));
}

bool TVerlaufPlot::anpassen(const TVerlaufPunkt& p)
{
    bool neu = false;
    for (int i = 0; i < 3; ++i) {
        const float betrag = std::fabs(Wert(p, i));
        float& b = bereich[static_cast<std::size_t>(i)];
        if (std::isfinite(betrag) && betrag > b && b < GroessterBereich) {
            b = std::min(Rundbereich(betrag), GroessterBereich);
            neu = true;
        }
    }
    return neu;
}

void TVerlaufPlot::Hinzufuegen(const TVerlaufPunkt& punkt)
{
    punkte.push_back(punkt);
    const float altAnfang = anfang;
    if (std::isfinite(punkt.zeit) && punkt.zeit > anfang + Fensterlaenge)
        anfang = std::ceil(punkt.zeit - Fensterlaenge);
    const float sekunden = anfang - altAnfang;
    if (anpassen(punkt) || sekunden >= Fensterlaenge || punkte.size() < 2)
        allesZeichnen();
    else if (sekunden > 0)
        verschieben(static_cast<int>(sekunden), punkte[punkte.size() - 2].zeit);
    else {
        QPainter m(&bild);
        update(segmentZeichnen(m, punkte[punkte.size() - 2], punkt));
    }
}

void TVerlaufPlot::verschieben(int sekunden, float vorigeZeit)
{
    const int dx = sekunden * PixelProSekunde;
    const QRect innen0 = streifen(0).adjusted(1, 1, -1, -1);
    // The columns that come free at the right end.
    const int frei = innen0.right() - dx + 1;
    // The insides of the strips move left in the picture's own device
    // pixels, row by row: no painter scales or blends what is moved.
    for (int i = 0; i < 3; ++i) {
        const QRect innen = geraetepixel(streifen(i).adjusted(1, 1, -1, -1));
        const int weg = geraetepixel(QRect(innen0.left(), 0, dx, 1)).width();
        const qsizetype laenge = qsizetype(innen.width() - weg) * 4;
        if (laenge <= 0)
            continue;
        for (int y = innen.top(); y <= innen.bottom(); ++y) {
            uchar* zeile = bild.scanLine(y);
            std::memmove(zeile + qsizetype(innen.left()) * 4, zeile + qsizetype(innen.left() + weg) * 4, std::size_t(laenge));
        }
    }
    {
        QPainter m(&bild);
        grundZeichnen(m, frei, innen0.right());
        zeitachseZeichnen(m);
        // The new rows, and the last old one whose segment reaches into the
        // free columns.
        const int ab = std::min(frei, static_cast<int>(std::floor(Spalte(vorigeZeit))));
        clipLinks = ab;
        const float t = anfang + float(ab - innen0.left()) / PixelProSekunde;
        // The previous run only in the free columns: elsewhere it lies under
        // the new curve already.
        clipLinks = frei;
        vorigeZeichnen(m, anfang + float(frei - innen0.left()) / PixelProSekunde, anfang + Fensterlaenge);
        clipLinks = ab;
        auto k = std::lower_bound(punkte.begin(), punkte.end(), t,
                                  [](const TVerlaufPunkt& p, float z) { return p.zeit < z; });
        if (k != punkte.begin())
            --k;
        for (; k + 1 < punkte.end(); ++k)
            segmentZeichnen(m, *k, *(k + 1));
        clipLinks = 0;
    }
    update();
}

namespace {

// Cuts the segment p0-p1 to the rows oben..unten; false when nothing of it is
// left there.
bool aufStreifenKuerzen(QPointF& p0, QPointF& p1, double oben, double unten)
{
    const double y0 = p0.y(), y1 = p1.y();
    if ((y0 < oben && y1 < oben) || (y0 > unten && y1 > unten))
        return false;
    const auto schnitt = [&](double y) {
        const double t = (y - y0) / (y1 - y0);
        return QPointF(p0.x() + t * (p1.x() - p0.x()), y);
    };
    const QPointF a = p0, b = p1;
    if (y0 < oben)
        p0 = schnitt(oben);
    else if (y0 > unten)
        p0 = schnitt(unten);
    if (y1 < oben)
        p1 = QPointF(a.x() + (oben - y0) / (y1 - y0) * (b.x() - a.x()), oben);
    else if (y1 > unten)
        p1 = QPointF(a.x() + (unten - y0) / (y1 - y0) * (b.x() - a.x()), unten);
    return true;
}

} // namespace

QRect TVerlaufPlot::segmentZeichnen(QPainter& m, const TVerlaufPunkt& von, const TVerlaufPunkt& bis, bool grau)
{
    if (bis.zeit < anfang)
        return {};
    const double x0 = Spalte(von.zeit);
    const double x1 = Spalte(bis.zeit);
    if (!std::isfinite(x0) || !std::isfinite(x1))
        return {};
    QRect geaendert;
    if (kran && bis.gruen && !grau) {
        // The phase is shaded behind the curves drawn before it, so that
        // they stay visible.
        const int links = static_cast<int>(std::floor(x0)) + 1;
        const int rechts = static_cast<int>(std::floor(x1));
        m.setCompositionMode(QPainter::CompositionMode_Darken);
        for (int i = 0; i < 3; ++i) {
            const QRect r = streifen(i);
            const QRect flaeche = QRect(links, r.top() + 1, rechts - links + 1, r.height() - 2) & innen(r);
            m.fillRect(flaeche, Gruenphase);
            geaendert |= flaeche;
        }
        m.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    m.setRenderHint(QPainter::Antialiasing);
    m.setClipping(true);
    for (int i = 0; i < 3; ++i) {
        const double y0 = Zeile(i, Wert(von, i));
        const double y1 = Zeile(i, Wert(bis, i));
        if (!std::isfinite(y0) || !std::isfinite(y1))
            continue;
        const QRect r = streifen(i);
        // A run that has run away gives rows far beyond any integer: cut the
        // segment to a little more than its strip before it reaches the
        // painter or a QRect.
        QPointF p0(x0, y0), p1(x1, y1);
        if (!aufStreifenKuerzen(p0, p1, r.top() - 4.0, r.bottom() + 4.0))
            continue;
        m.setClipRect(innen(r));
        m.setPen(grau ? QPen(VorigFarbe(), 1.5)
                      : QPen(Farben()[static_cast<std::size_t>(i)], 2, Qt::SolidLine, Qt::RoundCap));
        m.drawLine(p0, p1);
        geaendert |= QRectF(p0, p1).normalized().toAlignedRect().adjusted(-2, -2, 2, 2) & r;
    }
    m.setClipping(false);
    m.setRenderHint(QPainter::Antialiasing, false);
    return geaendert;
}

QRect TVerlaufPlot::innen(const QRect& r) const
{
    QRect i = r.adjusted(1, 1, -1, -1);
    i.setLeft(std::max(i.left(), clipLinks));
    return i;
}

void TVerlaufPlot::grundZeichnen(QPainter& m, int von, int bis)
{
    for (int i = 0; i < 3; ++i) {
        const QRect r = streifen(i);
        const QRect flaeche(von, r.top() + 1, bis - von + 1, r.height() - 2);
        m.fillRect(flaeche, Qt::white);
        // Grid lines at every fifth second, moving with the curves.
        for (float s = std::ceil(anfang / 5) * 5; s <= anfang + Fensterlaenge; s += 5) {
            const int x = static_cast<int>(std::lround(Spalte(s)));
            if (x >= von && x <= bis && x > r.left() && x < r.right())
                Gepunktet(m, x, r.top() + 1, r.bottom() - 1, QColor(215, 215, 215));
        }
        const int null = static_cast<int>(std::lround(Zeile(i, 0)));
        Waagrecht(m, von, bis, null, QColor(190, 190, 190));
    }
}

// Value labels: the range's ends and zero.
void TVerlaufPlot::wertbeschriftung(QPainter& m, int i)
{
    const QRect r = streifen(i);
    const QFontMetrics fm(font());
    m.setFont(font());
    m.setPen(Qt::black);
    const float b = bereich[static_cast<std::size_t>(i)];
    for (float w : {b, 0.0f, -b}) {
        const int y = static_cast<int>(std::lround(Zeile(i, w)));
        m.drawText(QRect(0, y - fm.height() / 2, RandLinks - 5, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   Achsenzahl(w));
        Waagrecht(m, r.left() - 3, r.left() - 1, y, Qt::black);
    }
}

void TVerlaufPlot::zeitachseZeichnen(QPainter& m)
{
    const QRect unten = streifen(2);
    const QFontMetrics fm(font());
    const QRect band(0, unten.bottom() + 1, Breite, hoehe - unten.bottom() - 1);
    m.fillRect(band, Hintergrund);
    // The lowest value label of the force strip reaches into the band: its
    // lower half is drawn again over the fresh background.
    m.setClipRect(band);
    wertbeschriftung(m, 2);
    m.setClipping(false);
    m.setFont(font());
    m.setPen(Qt::black);
    for (float s = std::ceil(anfang / 5) * 5; s <= anfang + Fensterlaenge; s += 5) {
        const int x = static_cast<int>(std::lround(Spalte(s)));
        Senkrecht(m, x, unten.bottom() + 1, unten.bottom() + 3, Qt::black);
        const QString text = FestKomma(s, 0, 0);
        const int breite = fm.horizontalAdvance(text);
        // The last label stays inside the picture.
        const int links = std::min(x - breite / 2, Breite - breite - 1);
        m.drawText(QRect(links, unten.bottom() + 4, breite + 1, fm.height()), Qt::AlignLeft | Qt::AlignTop, text);
    }
    m.drawText(QRect(0, unten.bottom() + 4, RandLinks - 14, fm.height()), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("Zeit in s"));
}

void TVerlaufPlot::allesZeichnen()
{
    ++neuzeichnungen;
    bild.fill(Hintergrund);
    {
        QPainter m(&bild);
        m.setFont(font());
        const QFontMetrics fm(font());
        for (int i = 0; i < 3; ++i) {
            const QRect r = streifen(i);
            const QColor rahmen(150, 150, 150);
            Waagrecht(m, r.left(), r.right(), r.top(), rahmen);
            Waagrecht(m, r.left(), r.right(), r.bottom(), rahmen);
            Senkrecht(m, r.left(), r.top(), r.bottom(), rahmen);
            Senkrecht(m, r.right(), r.top(), r.bottom(), rahmen);
            wertbeschriftung(m, i);
            QFont fett = font();
            fett.setBold(true);
            m.setFont(fett);
            m.setPen(Farben()[static_cast<std::size_t>(i)]);
            m.drawText(QRect(r.left(), r.top() - fm.height() - 2, r.width(), fm.height()), Qt::AlignLeft | Qt::AlignBottom,
                       Titel()[static_cast<std::size_t>(i)]);
            m.setFont(font());
        }
        const QRect innen0 = streifen(0).adjusted(1, 1, -1, -1);
        grundZeichnen(m, innen0.left(), innen0.right());
        zeitachseZeichnen(m);
        // Only the rows of the window: the first is the last one before it.
        vorigeZeichnen(m, anfang, anfang + Fensterlaenge);
        auto ab = std::lower_bound(punkte.begin(), punkte.end(), anfang,
                                   [](const TVerlaufPunkt& p, float t) { return p.zeit < t; });
        if (ab != punkte.begin())
            --ab;
        for (auto k = ab; k != punkte.end() && k + 1 != punkte.end(); ++k)
            segmentZeichnen(m, *k, *(k + 1));
    }
    update();
}

QRect TVerlaufPlot::geraetepixel(const QRect& r) const
{
    if (ratio == 1)
        return r;
    const auto g = [this](int v) { return static_cast<int>(std::lround(v * ratio)); };
    return QRect(QPoint(g(r.left()), g(r.top())), QPoint(g(r.right() + 1) - 1, g(r.bottom() + 1) - 1));
}

void TVerlaufPlot::paintEvent(QPaintEvent* e)
{
    ratioPruefen();
    QPainter m(this);
    const QRectF r = e->rect();
    m.drawImage(r, bild, QRectF(r.topLeft() * ratio, r.size() * ratio));
}
