#pragma once

#include "core/farbe.h"

#include <QColor>

// The core's plain colour as the GUI's colour.
inline QColor qFarbe(TFarbe f)
{
    return QColor(f.r, f.g, f.b);
}
