#include "forms/verlaufform.h"

#include "core/achsenteilung.h"
#include "core/zahlenformat.h"
#include "forms/dialoghilfe.h"
#include "platform/hilfe.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int RandLinks = 62;
constexpr int RandRechts = 14;
constexpr int RandOben = 26;
constexpr int RandUnten = 34;

bool zeichenbar(float note)
{
    return std::isfinite(note) && note > 0;
}

// A label: as many decimals as the step between labels needs.
QString beschriftung(double wert, double schritt)
{
    const int stellen = schritt >= 1 ? 0 : std::min(6, int(std::ceil(-std::log10(schritt))));
    return FestKomma(wert, stellen, 0);
}

} // namespace

TNotenPlot::TNotenPlot(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TNotenPlot::flaeche() const
{
    const QSize g = logisch();
    return QRect(RandLinks, RandOben, std::max(1, g.width() - RandLinks - RandRechts),
                 std::max(1, g.height() - RandOben - RandUnten));
}

QSize TNotenPlot::logisch() const
{
    return bild.deviceIndependentSize().toSize();
}

QPointF TNotenPlot::Pixel(double generation, double note) const
{
    const QRect f = flaeche();
    const double x = f.left() + f.width() * generation / xMax;
    double anteil;
    if (logarithmisch)
        anteil = (std::log10(note) - std::log10(unten)) / (std::log10(oben) - std::log10(unten));
    else
        anteil = (note - unten) / (oben - unten);
    return QPointF(x, f.bottom() + 1 - f.height() * anteil);
}

void TNotenPlot::leeren()
{
    punkte.clear();
    skalieren();
    neuZeichnen();
}

void TNotenPlot::anhaengen(const TNotenPunkt& punkt)
{
    anhaengen(QList<TNotenPunkt>{punkt});
}

void TNotenPlot::anhaengen(const QList<TNotenPunkt>& neue)
{
    if (neue.isEmpty())
        return;
    const int ab = int(punkte.size());
    punkte.append(neue);
    if (skalieren() || bild.isNull())
        neuZeichnen();
    else
        segmenteZeichnen(ab);
}

bool TNotenPlot::skalieren()
{
    const bool logVorher = logarithmisch;
    const double untenVorher = unten;
    const double obenVorher = oben;
    const int xVorher = xMax;

    double kleinste = 0;
    double groesste = 0;
    bool gefunden = false;
    for (const TNotenPunkt& p : std::as_const(punkte)) {
        for (float note : {p.BesteChrNote, p.GenNote}) {
            if (!zeichenbar(note))
                continue;
            kleinste = gefunden ? std::min<double>(kleinste, note) : note;
            groesste = gefunden ? std::max<double>(groesste, note) : note;
            gefunden = true;
        }
    }
    logarithmisch = gefunden && groesste > 10 * kleinste;
    if (!gefunden) {
        unten = 0;
        oben = 1;
    } else if (logarithmisch) {
        unten = std::pow(10.0, std::floor(std::log10(kleinste)));
        oben = std::pow(10.0, std::ceil(std::log10(groesste)));
    } else {
        unten = 0;
        oben = EinsZweiFuenf(groesste);
    }
    const int letzte = punkte.isEmpty() ? 0 : punkte.constLast().Generation;
    xMax = std::max(10, int(EinsZweiFuenf(letzte)));
    return logarithmisch != logVorher || unten != untenVorher || oben != obenVorher || xMax != xVorher;
}

void TNotenPlot::neuZeichnen()
{
    ++neuzeichnungen;
    // At the screen's device pixel ratio, so that the curve stays sharp on a
    // scaled screen; the painter works in logical pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize geraet = (QSizeF(size().expandedTo(QSize(1, 1))) * ratio).toSize();
    if (bild.size() != geraet || bild.devicePixelRatio() != ratio) {
        bild = QImage(geraet, QImage::Format_RGB32);
        bild.setDevicePixelRatio(ratio);
    }
    bild.fill(Qt::white);
    QPainter maler(&bild);
    const QRect f = flaeche();
    maler.setPen(QColor(192, 192, 192));
    maler.drawRect(f.adjusted(0, 0, -1, -1));

    // Value axis: every decade on a logarithmic axis, five steps otherwise.
    const QFontMetrics masse(maler.font());
    auto yLinie = [&](double wert, const QString& text) {
        const int y = int(std::lround(Pixel(0, wert).y()));
        maler.setPen(QPen(QColor(192, 192, 192), 1, Qt::DotLine));
        maler.drawLine(f.left(), y, f.right(), y);
        maler.setPen(Qt::black);
        maler.drawText(QRect(0, y - 8, RandLinks - 6, 16), Qt::AlignRight | Qt::AlignVCenter, text);
    };
    if (logarithmisch) {
        for (double wert = unten; wert <= oben * 1.0001; wert *= 10)
            yLinie(wert, beschriftung(wert, wert));
    } else {
        const double schritt = (oben - unten) / 5;
        for (int i = 0; i <= 5; ++i)
            yLinie(unten + i * schritt, beschriftung(unten + i * schritt, schritt));
    }
    const int xSchritt = xMax / 5;
    for (int i = 0; i <= 5; ++i) {
        const int x = int(std::lround(Pixel(i * xSchritt, unten > 0 ? unten : 1).x()));
        maler.setPen(QPen(QColor(192, 192, 192), 1, Qt::DotLine));
        maler.drawLine(x, f.top(), x, f.bottom());
        maler.setPen(Qt::black);
        maler.drawText(QRect(x - 30, f.bottom() + 3, 60, 14), Qt::AlignHCenter | Qt::AlignTop,
                       FestKomma(i * xSchritt, 0, 0));
    }
    maler.drawText(QRect(f.left(), logisch().height() - 16, f.width(), 14), Qt::AlignHCenter, QStringLiteral("Generation"));
    maler.drawText(QRect(4, 4, 260, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   logarithmisch ? QStringLiteral("Note (logarithmisch, kleiner ist besser)")
                                 : QStringLiteral("Note (kleiner ist besser)"));

    // Legend.
    int x = logisch().width() - RandRechts - 190;
    for (const auto& [farbe, text] : {std::pair{BesteFarbe, QStringLiteral("beste ChrNote")},
                                      std::pair{GenFarbe, QStringLiteral("GenNote")}}) {
        maler.setPen(QPen(farbe, 2));
        maler.drawLine(x, 12, x + 18, 12);
        maler.setPen(Qt::black);
        maler.drawText(QRect(x + 22, 4, 100, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 22 + masse.horizontalAdvance(text) + 16;
    }
    maler.end();
    segmenteZeichnen(0);
    update();
}

void TNotenPlot::segmenteZeichnen(int ab)
{
    if (bild.isNull() || ab >= punkte.size())
        return;
    QPainter maler(&bild);
    maler.setClipRect(flaeche());
    QRectF geaendert;
    for (int i = ab; i < punkte.size(); ++i) {
        const TNotenPunkt& p = punkte[i];
        for (const auto& [farbe, note, vorher] :
             {std::tuple{GenFarbe, p.GenNote, i > 0 ? punkte[i - 1].GenNote : p.GenNote},
              std::tuple{BesteFarbe, p.BesteChrNote, i > 0 ? punkte[i - 1].BesteChrNote : p.BesteChrNote}}) {
            if (!zeichenbar(note))
                continue;
            const QPointF bis = Pixel(p.Generation, note);
            const QPointF von = i > 0 && zeichenbar(vorher) ? Pixel(punkte[i - 1].Generation, vorher) : bis;
            maler.setPen(QPen(farbe, 2, Qt::SolidLine, Qt::RoundCap));
            maler.drawLine(von, bis);
            geaendert |= QRectF(von, bis).normalized().adjusted(-2, -2, 2, 2);
        }
    }
    update(geaendert.toAlignedRect());
}

void TNotenPlot::paintEvent(QPaintEvent* e)
{
    // Moved to a screen of another scale: drawn again from its points.
    if (bild.devicePixelRatio() != devicePixelRatioF())
        neuZeichnen();
    QPainter maler(this);
    const QRectF r = e->rect();
    const qreal f = bild.devicePixelRatio();
    maler.drawImage(r, bild, QRectF(r.topLeft() * f, r.size() * f));
}

void TNotenPlot::resizeEvent(QResizeEvent*)
{
    neuZeichnen();
}

TVerlaufform::TVerlaufform(QWidget* parent)
    : QDialog(parent)
{
    DialogRahmen(*this, 520, 352, QStringLiteral("Verlauf der Suche"));
    plot = new TNotenPlot(this);
    plot->setGeometry(8, 8, 504, 300);
    kopiereButton = KnopfAnlegen(this, QStringLiteral("Kopieren"), QRect(248, 318, 80, 25),
                                 QStringLiteral("Verlauf in die Zwischenablage kopieren"));
    okBtn = KnopfAnlegen(this, QStringLiteral("OK"), QRect(338, 318, 80, 25));
    okBtn->setDefault(true);
    helpBtn = KnopfAnlegen(this, QStringLiteral("Hilfe"), QRect(428, 318, 80, 25));
    connect(kopiereButton, &QPushButton::clicked, this, &TVerlaufform::KopiereButtonClick);
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    HilfeSeiteSetzen(this, HilfeSeite::Suche, helpBtn);
}

void TVerlaufform::KopiereButtonClick()
{
    QApplication::clipboard()->setImage(plot->Bild());
}
