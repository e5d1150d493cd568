#include "platform/zufall.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <cmath>
#include <utility>

namespace {

double standardZufall()
{
    static QRandomGenerator quelle{static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch())};
    return quelle.generateDouble();
}

ZufallsHandler& handler()
{
    static ZufallsHandler h = standardZufall;
    return h;
}

} // namespace

double Zufall()
{
    return handler()();
}

int Zufall(int m)
{
    if (m <= 0)
        return 0;
    const int wert = int(std::floor(Zufall() * m));
    // A handler's 1.0 (or a rounding at the top) must not name m itself.
    return wert < 0 ? 0 : (wert >= m ? m - 1 : wert);
}

ZufallsHandler setzeZufallsHandler(ZufallsHandler neu)
{
    if (!neu)
        neu = standardZufall;
    return std::exchange(handler(), std::move(neu));
}

ScopedZufall::ScopedZufall(QList<double> werte)
    : werte_(std::move(werte))
    , geskriptet_(true)
{
    vorher_ = setzeZufallsHandler([this] { return naechste(); });
}

ScopedZufall::ScopedZufall(std::uint32_t saat)
    : generator_(saat)
    , geskriptet_(false)
{
    vorher_ = setzeZufallsHandler([this] { return naechste(); });
}

ScopedZufall::~ScopedZufall()
{
    setzeZufallsHandler(std::move(vorher_));
}

double ScopedZufall::naechste()
{
    const int i = ziehungen_++;
    if (!geskriptet_)
        return generator_() / 4294967296.0;  // 32 bits, never 1.0
    if (werte_.isEmpty())
        return 0.0;
    return werte_.at(i % werte_.size());
}
