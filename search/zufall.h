#pragma once

#include <array>
#include <cstdint>

// The search's random source: a real uniformly in [0, 1) and an integer
// uniformly in 0..m - 1.
class TZufall {
public:
    virtual ~TZufall() = default;
    virtual double Real() = 0;
    virtual int Ganzzahl(int m) = 0;
};

// xoshiro256** (Blackman and Vigna), seeded through splitmix64, with
// conversions of our own: a seed gives the same numbers everywhere, and a draw
// costs about a nanosecond, which the selection's many draws need.
class TStandardZufall final : public TZufall {
public:
    // Seeded from the clock.
    TStandardZufall();
    explicit TStandardZufall(std::uint64_t startwert) { Saeen(startwert); }

    void Saeen(std::uint64_t startwert);
    void SaeenAusUhr();
    std::uint64_t Startwert() const { return startwert_; }

    // Inline, so that a caller that knows the type draws without a call.
    double Real() override
    {
        // The top 53 bits as a fraction: exactly uniform on a grid of 2^-53, below 1.
        return static_cast<double>(naechste() >> 11) * 0x1.0p-53;
    }

    int Ganzzahl(int m) override
    {
        if (m <= 1)
            return 0;
        // Multiply and shift, with rejection of the few values that would make
        // some results likelier (Lemire): exactly uniform, and without a
        // division in all but rare draws, which matters for the selection's
        // many draws.
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

private:
    std::uint64_t naechste()
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

    std::array<std::uint64_t, 4> zustand_{};
    std::uint64_t startwert_ = 0;
};

// A scripted source for tests: TZufallsfolge in tests/zufallsfolge.h.
