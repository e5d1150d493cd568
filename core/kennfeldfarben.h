#pragma once

#include "core/farbe.h"
#include "core/regeltab.h"

#include <array>

// Colours of the control surface by thirds of its value range: the lowest
// third green, the middle yellow, the top third red. The range runs over the
// finite values only; a surface whose values are all equal is yellow.
inline constexpr TFarbe KennfeldGruen{0, 128, 0};
inline constexpr TFarbe KennfeldGelb{255, 255, 0};
inline constexpr TFarbe KennfeldRot{255, 0, 0};

using TKennfeldFarben = std::array<std::array<TFarbe, 20>, 20>;
TKennfeldFarben KennfeldFarben(const TKennfeld& werte);
