#include "core/kennfeldfarben.h"

#include <cmath>
#include <optional>

TKennfeldFarben KennfeldFarben(const TKennfeld& werte)
{
    // The range starts at the first finite value, so that any magnitude
    // counts and a value that is not a number cannot spoil it.
    std::optional<float> min, max;
    for (const auto& zeile : werte)
        for (float v : zeile) {
            if (!std::isfinite(v))
                continue;
            if (!min || v < *min)
                min = v;
            if (!max || v > *max)
                max = v;
        }
    TKennfeldFarben farben{};
    for (auto& zeile : farben)
        zeile.fill(KennfeldGelb);
    if (!min)
        return farben;
    const double t = (double(*max) - *min) / 3;
    for (std::size_t i = 0; i < werte.size(); ++i)
        for (std::size_t j = 0; j < werte[i].size(); ++j) {
            const double v = werte[i][j];
            if (v > *max - t)
                farben[i][j] = KennfeldRot;
            if (v < *min + t)
                farben[i][j] = KennfeldGruen;
        }
    return farben;
}
