#include "widgets/aktivitaetsgitter.h"

#include "core/fuzzy.h"
#include "core/zahlenformat.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor ohneRegel(232, 232, 232);
const QColor linien(160, 160, 160);

// The text of a degree with two decimals. Degrees within 0..1 come from a
// table of the 101 texts: a float times 100 is exact in double, so the
// hundredth it rounds to is exact as well.
QString Gradtext(float grad)
{
    static const std::array<QString, 101> texte = [] {
        std::array<QString, 101> t;
        for (int n = 0; n <= 100; ++n)
            t[static_cast<std::size_t>(n)] = FestKomma(n / 100.0, 2, 1).trimmed();
        return t;
    }();
    if (grad >= 0 && grad <= 1)
        return texte[static_cast<std::size_t>(std::floor(double(grad) * 100 + 0.5))];
    return FestKomma(grad, 2, 1).trimmed();
}

} // namespace

TAktivitaetsgitter::TAktivitaetsgitter(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TAktivitaetsgitter::setBeschriftung(const QStringList& z, const QStringList& s, const QStringList& terme,
                                         const QList<QColor>& farben)
{
    zeilen = z;
    spalten = s;
    ausgangsterme = terme;
    ausgangsfarben = farben;
    textbilder.clear();
    veraltet = true;
    update();
}

void TAktivitaetsgitter::setAktivitaet(const TRegelAktivitaet& aktivitaet)
{
    daten = aktivitaet;
    veraltet = true;
    update();
}

QRect TAktivitaetsgitter::Zelle(int i, int j) const
{
    const int b = (width() - Kopfbreite) / TFuzzy::MaxTerme;
    const int h = (height() - Kopfhoehe) / TFuzzy::MaxTerme;
    return {Kopfbreite + (j - 1) * b, Kopfhoehe + (i - 1) * h, b, h};
}

QColor TAktivitaetsgitter::Schattierung(float grad)
{
    // White at 0 to a strong orange at 1.
    const double w = std::clamp(double(grad), 0.0, 1.0);
    return QColor(255, int(255 - 115 * w), int(255 - 235 * w));
}

// The picture has the widget's device pixels (drawn again on a screen of
// another scale); everything is drawn in logical pixels.
const QImage& TAktivitaetsgitter::Bild()
{
    const qreal ratio = devicePixelRatioF();
    if (veraltet || bild.devicePixelRatio() != ratio || bild.size() != (QSizeF(size().expandedTo(QSize(1, 1))) * ratio).toSize())
        zeichnen();
    return bild;
}

void TAktivitaetsgitter::zeichnen()
{
    veraltet = false;
    const qreal ratio = devicePixelRatioF();
    const QSize groesse = (QSizeF(size().expandedTo(QSize(1, 1))) * ratio).toSize();
    if (bild.size() != groesse || bild.devicePixelRatio() != ratio) {
        bild = QImage(groesse, QImage::Format_RGB32);
        bild.setDevicePixelRatio(ratio);
    }
    if (!textbilder.isEmpty() && textbilder.cbegin()->bild.devicePixelRatio() != ratio)
        textbilder.clear();
    bild.fill(palette().color(QPalette::Window));
    QPainter maler(&bild);

    const int nZeilen = std::min<int>(daten.zeilen, int(zeilen.size()));
    const int nSpalten = std::min<int>(daten.spalten, int(spalten.size()));
    const QColor kopffarbe(128, 0, 0);
    for (int i = 1; i <= nZeilen; ++i) {
        const QRect z = Zelle(i, 1);
        text(maler, QRect(0, z.top(), Kopfbreite - 4, z.height()), zeilen[i - 1], kopffarbe, true, true);
    }
    for (int j = 1; j <= nSpalten; ++j) {
        const QRect z = Zelle(1, j);
        text(maler, QRect(z.left(), 0, z.width(), Kopfhoehe), spalten[j - 1], kopffarbe, true);
    }

    for (int i = 1; i <= nZeilen; ++i)
        for (int j = 1; j <= nSpalten; ++j) {
            const QRect z = Zelle(i, j);
            const TRegelZelle& c = daten.zelle(i, j);
            // Texts keep off the cell's edges and frame.
            const QRect oben(z.left() + 3, z.top() + 1, z.width() - 6, z.height() / 2);
            const QRect unten(z.left() + 3, z.top() + z.height() / 2 - 1, z.width() - 6, z.height() / 2);
            if (c.ausgang == 0) {
                maler.fillRect(z, ohneRegel);
                rahmen(maler, z, linien);
                // A combination that holds its inputs but has no rule is a
                // hole the student should see.
                if (c.grad > 0) {
                    text(maler, oben, Gradtext(c.grad), linien, false);
                    text(maler, unten, QStringLiteral("–"), linien, false);
                } else {
                    text(maler, z.adjusted(3, 0, -3, 0), QStringLiteral("–"), linien, false);
                }
                continue;
            }
            maler.fillRect(z, Schattierung(c.grad));
            rahmen(maler, z, linien);
            text(maler, oben, Gradtext(c.grad), c.grad > 0 ? QColor(Qt::black) : QColor(150, 150, 150),
                 c.massgebend);
            const bool vorhanden = c.ausgang >= 1 && c.ausgang <= ausgangsterme.size();
            text(maler, unten, vorhanden ? ausgangsterme[c.ausgang - 1] : QStringLiteral("?"),
                 vorhanden && c.ausgang <= ausgangsfarben.size() ? ausgangsfarben[c.ausgang - 1].darker(130)
                                                                 : QColor(150, 150, 150),
                 true);
            if (c.massgebend) {
                // A pen of even width lies on whole pixels at every scale.
                maler.setPen(QPen(Qt::black, 2));
                maler.setBrush(Qt::NoBrush);
                maler.drawRect(z.adjusted(1, 1, -1, -1));
            }
        }
}

void TAktivitaetsgitter::text(QPainter& maler, const QRect& r, const QString& t, const QColor& farbe, bool fett,
                              bool rechts)
{
    const QString schluessel = t + QLatin1Char('\n') + farbe.name() + (fett ? QLatin1Char('f') : QLatin1Char('n'));
    auto it = textbilder.find(schluessel);
    if (it == textbilder.end()) {
        QFont schrift = font();
        schrift.setBold(fett);
        const QFontMetrics fm(schrift);
        const QSize groesse = QSize(fm.horizontalAdvance(t) + 2, fm.height()).expandedTo(QSize(1, 1));
        const qreal ratio = bild.devicePixelRatio();
        QImage b((QSizeF(groesse) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        b.setDevicePixelRatio(ratio);
        b.fill(Qt::transparent);
        QPainter p(&b);
        p.setFont(schrift);
        p.setPen(farbe);
        p.drawText(QPointF(1, fm.ascent()), t);
        p.end();
        it = textbilder.insert(schluessel, Textbild{b, groesse});
    }
    const QImage& b = it->bild;
    const QSize g = it->groesse;
    const int x = rechts ? r.right() + 1 - g.width() : r.left() + (r.width() - g.width()) / 2;
    // A text wider than its place is cut, never drawn over the neighbours.
    const QRect ziel(x, r.top() + (r.height() - g.height()) / 2, g.width(), g.height());
    const QRect sichtbar = ziel & r;
    if (sichtbar.isEmpty())
        return;
    const qreal f = b.devicePixelRatio();
    const QRectF quelle = sichtbar.translated(-ziel.topLeft());
    maler.drawImage(QRectF(sichtbar), b, QRectF(quelle.topLeft() * f, quelle.size() * f));
}

void TAktivitaetsgitter::rahmen(QPainter& maler, const QRect& r, const QColor& farbe)
{
    maler.fillRect(QRect(r.left(), r.top(), r.width(), 1), farbe);
    maler.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), farbe);
    maler.fillRect(QRect(r.left(), r.top(), 1, r.height()), farbe);
    maler.fillRect(QRect(r.right(), r.top(), 1, r.height()), farbe);
}

void TAktivitaetsgitter::paintEvent(QPaintEvent*)
{
    const QImage& b = Bild();
    QPainter maler(this);
    maler.drawImage(0, 0, b);
}
