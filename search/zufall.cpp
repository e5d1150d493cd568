#include "search/zufall.h"

#include <chrono>

TStandardZufall::TStandardZufall()
{
    SaeenAusUhr();
}

void TStandardZufall::Saeen(std::uint64_t startwert)
{
    startwert_ = startwert;
    // splitmix64 spreads any seed, 0 included, over the whole state.
    std::uint64_t x = startwert;
    for (std::uint64_t& z : zustand_) {
        x += 0x9E3779B97F4A7C15ull;
        std::uint64_t y = x;
        y = (y ^ (y >> 30)) * 0xBF58476D1CE4E5B9ull;
        y = (y ^ (y >> 27)) * 0x94D049BB133111EBull;
        z = y ^ (y >> 31);
    }
}

void TStandardZufall::SaeenAusUhr()
{
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch();
    Saeen(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(jetzt).count()));
}
