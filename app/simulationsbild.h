#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QWidget;
class TKoordinatensystem;

// The drawing of the simulation panel's two plots, beside the plant itself
// (ZeigePendel in widgets/pendelzeichnen).

inline constexpr int SimulationsplotBreite = 421;
inline constexpr int SimulationsplotHoehe = 133;

// The backdrop of both plots, 421 x 133, drawn by code: an evening sky over a
// floor with a track. Dark in the red channel so that the red plant, drawn by
// XOR, stands out in bright red. At a device pixel ratio above 1 it has as
// many more pixels, so that it stays sharp on a scaled screen.
QImage BackGround(qreal ratio = 1);

// A plot of the panel at `platz`: world x from -6 to 6, y from `y1` to 2.5,
// no scales, XOR pen, graph colour white, the backdrop on every repaint.
TKoordinatensystem* SimulationsplotAnlegen(QWidget* parent, const QRect& platz, float y1);

// The crane's two markers in copy mode with a red pen of width 1, under the
// ground line at `ersteMarke` and at the target 2 m, then the rail at
// `schienenhoehe` from -8 to 8 in the plot's own colour and pen mode.
void MarkenUndSchiene(TKoordinatensystem& k, float ersteMarke, float schienenhoehe);

// The lamp's colour: green (0, 255, 0) or red (255, 0, 0).
QColor AmpelFarbe(bool gruen);
