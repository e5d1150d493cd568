#include "core/achsenteilung.h"

#include <cmath>
#include <initializer_list>

double EinsZweiFuenf(double x)
{
    if (!(x > 0) || !std::isfinite(x))
        return 1;
    const double zehner = std::pow(10.0, std::floor(std::log10(x)));
    for (double f : {1.0, 2.0, 5.0})
        if (x <= f * zehner * 1.0000001)
            return f * zehner;
    return 10 * zehner;
}
