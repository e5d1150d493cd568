#include "platform/fensterplatz.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Gap between a window and the one it opens beside.
constexpr int Abstand = 8;

long long flaeche(const QRect& a, const QRect& b)
{
    const QRect s = a.intersected(b);
    return s.isEmpty() ? 0 : static_cast<long long>(s.width()) * s.height();
}

// Moved the least into the screen; the left and top edges win when the
// window is larger than the screen.
QPoint imSchirm(QPoint ort, const QSize& groesse, const QRect& schirm)
{
    if (ort.x() + groesse.width() - 1 > schirm.right())
        ort.setX(schirm.right() - groesse.width() + 1);
    if (ort.x() < schirm.left())
        ort.setX(schirm.left());
    if (ort.y() + groesse.height() - 1 > schirm.bottom())
        ort.setY(schirm.bottom() - groesse.height() + 1);
    if (ort.y() < schirm.top())
        ort.setY(schirm.top());
    return ort;
}

// Beside `neben` on the right or the left, when the screen has room there.
std::optional<QRect> daneben(const QRect& neben, QSize groesse, const QSize& mindestens, const QRect& schirm)
{
    const int platzRechts = schirm.right() - neben.right() - Abstand;
    const int platzLinks = neben.left() - Abstand - schirm.left();
    const auto an = [&](bool rechts, const QSize& g) {
        const int x = rechts ? neben.right() + 1 + Abstand : neben.left() - Abstand - g.width();
        return QRect(imSchirm(QPoint(x, neben.top()), g, schirm), g);
    };
    if (platzRechts >= groesse.width())
        return an(true, groesse);
    if (platzLinks >= groesse.width())
        return an(false, groesse);
    const int platz = std::max(platzRechts, platzLinks);
    if (mindestens.isEmpty() || platz < mindestens.width())
        return std::nullopt;
    groesse.setWidth(platz);
    return an(platzRechts >= platzLinks, groesse);
}

// The place that covers the least of the fields and buttons, then the least
// of the window, then lies nearest to it. The candidates are the edges of the
// screen, of the window and of every field, so that a free place is found
// whenever one exists between them.
using TWertung = std::tuple<long long, long long, long long>;

std::pair<QRect, TWertung> ausweichen(const TFensterwunsch& w, const QSize& g, const QRect& schirm)
{
    const QRect& n = w.neben;
    std::vector<int> xs = {schirm.left(), schirm.right() + 1 - g.width(), n.left(), n.right() + 1 - g.width(),
                           n.right() + 1 + Abstand, n.left() - Abstand - g.width(), n.center().x() - g.width() / 2};
    std::vector<int> ys = {schirm.top(), schirm.bottom() + 1 - g.height(), n.top(), n.bottom() + 1 - g.height(),
                           n.bottom() + 1 + Abstand, n.top() - Abstand - g.height(), n.center().y() - g.height() / 2};
    for (const QRect& f : w.freihalten) {
        xs.insert(xs.end(), {f.left() - Abstand - g.width(), f.right() + 1 + Abstand});
        ys.insert(ys.end(), {f.top() - Abstand - g.height(), f.bottom() + 1 + Abstand});
    }
    const QPoint mitte = n.center();
    QRect beste;
    TWertung besteWertung{-1, 0, 0};
    for (const int x : xs) {
        for (const int y : ys) {
            const QRect r(imSchirm(QPoint(x, y), g, schirm), g);
            long long bedeckt = 0;
            for (const QRect& f : w.freihalten)
                bedeckt += flaeche(r, f);
            const QPoint d = r.center() - mitte;
            const TWertung wertung{bedeckt, flaeche(r, n), static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y()};
            if (std::get<0>(besteWertung) < 0 || wertung < besteWertung) {
                besteWertung = wertung;
                beste = r;
            }
        }
    }
    return {beste, besteWertung};
}

QMargins rahmenVon(const QWidget& w)
{
    const QRect f = w.frameGeometry();
    const QRect g = w.geometry();
    return {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()};
}

// The frame a window will get: its own once it has one, else that of the
// window it opens from, or of the active window.
QMargins rahmen(const QWidget& fenster, const QWidget* bezug)
{
    const QMargins eigen = rahmenVon(fenster);
    if (!eigen.isNull())
        return eigen;
    if (bezug)
        return rahmenVon(*bezug->window());
    if (const QWidget* aktiv = QApplication::activeWindow(); aktiv && aktiv != &fenster)
        return rahmenVon(*aktiv);
    return {};
}

// The client size the window will open with.
QSize kundengroesse(const QWidget& fenster)
{
    if (fenster.testAttribute(Qt::WA_Resized) || !fenster.sizeHint().isValid())
        return fenster.size();
    return fenster.sizeHint().expandedTo(fenster.minimumSize()).boundedTo(fenster.maximumSize());
}

bool veraenderlich(const QWidget& fenster)
{
    return fenster.minimumSize() != fenster.maximumSize();
}

void anwenden(QWidget& fenster, const QRect& platz, const QSize& rahmengroesse, const QMargins& r)
{
    if (platz.size() != rahmengroesse)
        fenster.resize(platz.size().shrunkBy(r));
    fenster.move(platz.topLeft());
}

} // namespace

QRect Fensterplatz(const TFensterwunsch& w, const QRect& schirm)
{
    QSize g = w.groesse;
    const bool mitNachbar = w.neben.isValid() && !w.neben.isEmpty();
    if (schirm.isEmpty())
        return QRect(mitNachbar ? QPoint(w.neben.right() + 1 + Abstand, w.neben.top()) : w.ort, g);
    if (!w.mindestens.isEmpty())
        g = g.boundedTo(schirm.size()).expandedTo(w.mindestens);
    if (!mitNachbar)
        return QRect(imSchirm(w.ort, g, schirm), g);
    if (const auto r = daneben(w.neben, g, w.mindestens, schirm))
        return *r;
    const auto [platz, wertung] = ausweichen(w, g, schirm);
    // A window that may shrink is tried at its least width too, where its
    // full width covers a field: a narrow window that leaves every field free
    // beats a wide one over the buttons.
    if (std::get<0>(wertung) > 0 && !w.mindestens.isEmpty() && w.mindestens.width() < g.width()) {
        const auto [schmal, schmalWertung] = ausweichen(w, QSize(w.mindestens.width(), g.height()), schirm);
        if (std::get<0>(schmalWertung) < std::get<0>(wertung))
            return schmal;
    }
    return platz;
}

QRect Schirmflaeche(const QWidget* fenster)
{
    const QScreen* schirm = fenster ? fenster->screen() : nullptr;
    if (!schirm)
        schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry() : QRect();
}

QList<QRect> Bedienelemente(const QWidget& fenster)
{
    QList<QRect> ergebnis;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (w->window() != &fenster || !w->isVisibleTo(&fenster))
            continue;
        if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
            qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QAbstractSlider*>(w))
            ergebnis.append(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
    }
    return ergebnis;
}

void DialogPlatzieren(QWidget& dialog)
{
    const QWidget* bezug = dialog.parentWidget() ? dialog.parentWidget()->window() : QApplication::activeWindow();
    if (bezug == &dialog)
        bezug = nullptr;
    const QRect schirm = Schirmflaeche(bezug ? bezug : &dialog);
    const QMargins r = rahmen(dialog, bezug);
    const QSize groesse = kundengroesse(dialog).grownBy(r);
    TFensterwunsch wunsch{groesse, {}, {}, {}, {}};
    if (veraenderlich(dialog))
        wunsch.mindestens = dialog.minimumSizeHint().expandedTo(dialog.minimumSize()).grownBy(r);
    const QRect zuletzt(dialog.pos(), groesse);
    if (dialog.testAttribute(Qt::WA_Moved) && schirm.intersects(zuletzt))
        wunsch.ort = zuletzt.topLeft();
    else
        wunsch.ort = (bezug ? bezug->frameGeometry().center() : schirm.center()) -
                     QPoint((groesse.width() - 1) / 2, (groesse.height() - 1) / 2);
    anwenden(dialog, Fensterplatz(wunsch, schirm), groesse, r);
}

void DanebenPlatzieren(QWidget& fenster, const QWidget* neben, const QSize& mindestens)
{
    if (neben)
        neben = neben->window();
    if (neben == &fenster)
        neben = nullptr;
    const QRect schirm = Schirmflaeche(neben ? neben : &fenster);
    const QMargins r = rahmen(fenster, neben);
    const QSize groesse = kundengroesse(fenster).grownBy(r);
    TFensterwunsch wunsch{groesse, mindestens.isEmpty() ? QSize() : mindestens.grownBy(r), fenster.pos(), {}, {}};
    if (neben) {
        wunsch.neben = neben->frameGeometry();
        wunsch.freihalten = Bedienelemente(*neben);
    }
    anwenden(fenster, Fensterplatz(wunsch, schirm), groesse, r);
}

bool VerdecktBedienelemente(const QWidget& fenster, const QWidget& anderes)
{
    const QRect platz = fenster.frameGeometry();
    const QList<QRect> elemente = Bedienelemente(*anderes.window());
    return std::any_of(elemente.begin(), elemente.end(), [&](const QRect& e) { return platz.intersects(e); });
}
