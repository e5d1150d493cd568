#include "search/zufall.h"

#include <chrono>

TStandardZufall::TStandardZufall()
{
    SaeenAusUhr();
}

void TStandardZufall::Saeen(std::uint64_t startwert)
{
    startwert_ = startwert;
    generator_.seed(startwert);
}

void TStandardZufall::SaeenAusUhr()
{
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch();
    Saeen(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(jetzt).count()));
}

double TStandardZufall::Real()
{
    // The top 53 bits as a fraction: exactly uniform on a grid of 2^-53, below 1.
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

int TStandardZufall::Ganzzahl(int m)
{
    if (m <= 1)
        return 0;
    // Multiply and shift, with rejection of the few values that would make
    // some results likelier (Lemire): exactly uniform, and without a division
    // in all but rare draws, which matters for the selection's many draws.
    const std::uint64_t grenze = static_cast<std::uint64_t>(m);
    unsigned __int128 produkt = static_cast<unsigned __int128>(generator_()) * grenze;
    std::uint64_t rest = static_cast<std::uint64_t>(produkt);
    if (rest < grenze) {
        const std::uint64_t schwelle = (0 - grenze) % grenze;
        while (rest < schwelle) {
            produkt = static_cast<unsigned __int128>(generator_()) * grenze;
            rest = static_cast<std::uint64_t>(produkt);
        }
    }
    return static_cast<int>(produkt >> 64);
}

double TZufallsfolge::Real()
{
    if (reals_.empty()) {
        ueberzogen_ = true;
        return 0;
    }
    const double u = reals_.front();
    reals_.pop_front();
    return u;
}

int TZufallsfolge::Ganzzahl(int m)
{
    grenzen_.push_back(m);
    if (ganze_.empty()) {
        ueberzogen_ = true;
        return 0;
    }
    const int k = ganze_.front();
    ganze_.pop_front();
    return k;
}
