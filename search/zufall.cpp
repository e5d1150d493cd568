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

std::uint64_t TStandardZufall::naechste()
{
    auto rotl = [](std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); };
    std::array<std::uint64_t, 4>& s = zustand_;
    const std::uint64_t ergebnis = rotl(s[1] * 5, 7) * 9;
    const std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 45);
    return ergebnis;
}

void TStandardZufall::SaeenAusUhr()
{
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch();
    Saeen(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(jetzt).count()));
}

double TStandardZufall::Real()
{
    // The top 53 bits as a fraction: exactly uniform on a grid of 2^-53, below 1.
    return static_cast<double>(naechste() >> 11) * 0x1.0p-53;
}

int TStandardZufall::Ganzzahl(int m)
{
    if (m <= 1)
        return 0;
    // Multiply and shift, with rejection of the few values that would make
    // some results likelier (Lemire): exactly uniform, and without a division
    // in all but rare draws, which matters for the selection's many draws.
    const std::uint64_t grenze = static_cast<std::uint64_t>(m);
    unsigned __int128 produkt = static_cast<unsigned __int128>(naechste()) * grenze;
    std::uint64_t rest = static_cast<std::uint64_t>(produkt);
    if (rest < grenze) {
        const std::uint64_t schwelle = (0 - grenze) % grenze;
        while (rest < schwelle) {
            produkt = static_cast<unsigned __int128>(naechste()) * grenze;
            rest = static_cast<std::uint64_t>(produkt);
        }
    }
    return static_cast<int>(produkt >> 64);
}
