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
class TStandardZufall : public TZufall {
public:
    // Seeded from the clock.
    TStandardZufall();
    explicit TStandardZufall(std::uint64_t startwert) { Saeen(startwert); }

    void Saeen(std::uint64_t startwert);
    void SaeenAusUhr();
    std::uint64_t Startwert() const { return startwert_; }

    double Real() override;
    int Ganzzahl(int m) override;

private:
    std::uint64_t naechste();

    std::array<std::uint64_t, 4> zustand_{};
    std::uint64_t startwert_ = 0;
};

// A scripted source for tests: TZufallsfolge in tests/zufallsfolge.h.
