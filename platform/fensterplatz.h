#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window opens: always on the screen, inside its available geometry
// (the screen without its task bars). All rectangles are frame geometries
// (title bar and border included) in desktop coordinates.
struct TFensterwunsch {
    // Frame size of the window.
    QSize groesse;
    // A window that may be made smaller: the least frame size it may get.
    // Empty for a window of fixed size.
    QSize mindestens;
    // Where it would open by itself (used when it opens beside no window).
    QPoint ort;
    // The window it opens beside (a dialog for its help, the search window
    // for its progress curve); empty when none.
    QRect neben;
    // Parts of that window it must not cover: its fields and buttons.
    QList<QRect> freihalten;
};

// The frame rectangle for the window on a screen whose available geometry is
// `schirm`:
// - without `neben`: at `ort`, moved the least so that it lies inside the
//   screen;
// - beside `neben`: right of it where the screen has room, else left of it,
//   top edges level (a window that may shrink is narrowed to the room beside
//   it down to its least width); else where it covers none of `freihalten`
//   and as little of `neben` as it can, as near to it as it can; where every
//   place covers some of `freihalten`, where it covers the least of them.
// A resizable window larger than the screen shrinks to it. A window that is
// still larger keeps its top-left corner, and so its title bar, on the
// screen. Without a screen (empty `schirm`) the wished place is kept.
QRect Fensterplatz(const TFensterwunsch& wunsch, const QRect& schirm);

// The same for real windows:

// The available geometry of the screen the widget's window is on (the
// primary screen when it has none yet).
QRect Schirmflaeche(const QWidget* fenster);

// The global frame rectangles of a window's visible buttons, input fields,
// scroll bars and spin fields.
QList<QRect> Bedienelemente(const QWidget& fenster);

// Puts a dialog on the screen before it opens: where it stood the last time
// when that is still on the screen of its parent window, else centred over
// that window; inside the screen in either case.
void DialogPlatzieren(QWidget& dialog);

// Puts a window beside another one (`neben` may be null: then it only stays
// on the screen), covering none of that window's buttons and fields. A
// `mindestens` size lets a resizable window shrink to fit beside it.
void DanebenPlatzieren(QWidget& fenster, const QWidget* neben, const QSize& mindestens = {});

// Whether a window covers any of the buttons and fields of another.
bool VerdecktBedienelemente(const QWidget& fenster, const QWidget& anderes);
