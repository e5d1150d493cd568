#pragma once

// The terms of a variable side by side, four to a block of doubles, for the
// vector kernels of the inference (regeltab.cpp): everything that does not
// depend on x or on the height is computed once, when a term is set.

#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#define TERMFORM_AVX2 1
#endif

#define TERMFORM_INLINE inline __attribute__((always_inline))

namespace termform {

using V4f = float __attribute__((vector_size(16)));
// Four doubles; 16-byte alignment is enough and keeps TFuzzy an ordinary type.
using V4d = double __attribute__((vector_size(32), aligned(16)));
using V4l = std::int64_t __attribute__((vector_size(32), aligned(16)));

// Term i lies in lane i % 4 of block i / 4; the lanes after the fifth term
// only pad.
inline constexpr int Bloecke = 2;

struct TTermform {
    V4d a[Bloecke]{};
    V4d b[Bloecke]{};
    V4d c[Bloecke]{};
    V4d d[Bloecke]{};
    V4d links[Bloecke]{};    // b - a
    V4d rechts[Bloecke]{};   // d - c
    V4l dGleichC[Bloecke]{}; // a vertical falling edge, as a mask
    V4d h[Bloecke]{};
    V4d halbeBreite[Bloecke]{}; // ((c - b) + (d - a)) / 2, exact
    V4d schwerpunkt[Bloecke]{}; // centroid of the term, a float value
    int unendlich = 0;        // bit i: term i's width or centroid is not finite
    bool hoehenEins = false;  // terms 1..4 have height 1, as inputs mostly do

    void setzen(int i, float ta, float tb, float tc, float td)
    {
        const double a_ = ta, b_ = tb, c_ = tc, d_ = td;
        const int bl = i / 4, l = i % 4;
        a[bl][l] = a_;
        b[bl][l] = b_;
        c[bl][l] = c_;
        d[bl][l] = d_;
        links[bl][l] = b_ - a_;
        rechts[bl][l] = d_ - c_;
        dGleichC[bl][l] = td == tc ? -1 : 0;
        halbeBreite[bl][l] = ((c_ - b_) + (d_ - a_)) / 2;
        const double nenner = 3 * (c_ + d_ - a_ - b_);
        const double zaehler = (b_ - a_) * (a_ + 2 * b_) + 3 * (c_ * c_ - b_ * b_) + (d_ - c_) * (d_ + 2 * c_);
        schwerpunkt[bl][l] = static_cast<float>(nenner == 0 ? a_ : zaehler / nenner);
        const double probe = halbeBreite[bl][l] * schwerpunkt[bl][l];
        unendlich = (unendlich & ~(1 << i)) | (probe - probe == 0 ? 0 : 1 << i);
    }

    void setzeHoehe(int i, float t)
    {
        h[i / 4][i % 4] = t;
        hoehenEins = h[0][0] == 1 && h[0][1] == 1 && h[0][2] == 1 && h[0][3] == 1;
    }

    // Terms 1..4 from h14, term 5 from h5 (the lanes after it stay 0).
    TERMFORM_INLINE void setzeHoehen(const V4d& h14, float h5)
    {
        h[0] = h14;
        h[1][0] = h5;
        hoehenEins = false;
    }
};

// The instruction sets the inference is compiled for: the plain one and, on
// x86, AVX2 (chosen at run time).
enum class Befehlssatz { Standard, Avx2 };

inline bool Verfuegbar(Befehlssatz b)
{
#ifdef TERMFORM_AVX2
    return b == Befehlssatz::Standard || __builtin_cpu_supports("avx2");
#else
    return b == Befehlssatz::Standard;
#endif
}

// The best set this processor runs.
inline Befehlssatz Bester()
{
    return Verfuegbar(Befehlssatz::Avx2) ? Befehlssatz::Avx2 : Befehlssatz::Standard;
}

} // namespace termform
