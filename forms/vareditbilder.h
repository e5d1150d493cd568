#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QWidget>

// The pictures of the variable editor: the sketch of a trapezoid with its
// characteristic values, the glyphs of the term-name buttons and the colour
// marks beside the grid rows.

// A trapezoid on its axes, annotated with a, b, c, d and h, on white in a
// lowered frame; `groesse` in logical pixels, the picture at the device
// pixel ratio.
QImage Trapezskizze(const QSize& groesse, const QFont& schrift, qreal ratio = 1);

enum class TGlyphe { Editieren, Anfuegen, Ersetzen };

// The picture of a term-name button, drawn at 16 x 16 logical pixels, at
// ratio 1 and for scaled screens at ratio 2.
QIcon Glyphe(TGlyphe art);

