#pragma once

#include <QList>

#include <cstdint>
#include <functional>
#include <random>

// Uniform real number in [0, 1). The program's source is seeded from the clock
// at its first use.
double Zufall();
// Uniform integer in 0..m-1, taken from the same source (0 when m <= 0).
int Zufall(int m);

// A handler yields reals in [0, 1).
using ZufallsHandler = std::function<double()>;
ZufallsHandler setzeZufallsHandler(ZufallsHandler handler);

// A scripted source for as long as it lives: either the given values over and
// over, or a generator with a fixed seed, so that a run can be repeated.
class ScopedZufall {
public:
    explicit ScopedZufall(QList<double> werte);
    explicit ScopedZufall(std::uint32_t saat);
    ~ScopedZufall();
    ScopedZufall(const ScopedZufall&) = delete;
    ScopedZufall& operator=(const ScopedZufall&) = delete;

    int ziehungen() const { return ziehungen_; }

private:
    double naechste();

    QList<double> werte_;
    std::mt19937 generator_;
    bool geskriptet_;
    int ziehungen_ = 0;
    ZufallsHandler vorher_;
};
