#pragma once

#include "core/farbe.h"
#include "core/termform.h"

#include <QString>

#include <array>
#include <cstdint>

// Membership of x in the trapezoid (a, b, c, d) of height h. A vertical edge
// (a = b or c = d) gives h at its end; with c < d the value at d is 0.
inline float TrapezZugehoerigkeit(float x, float a, float b, float c, float d, float h)
{
    if (x < a)
        return 0;
    if (x < b)
        return b == a ? h : static_cast<float>(double(h) * (double(x) - a) / (double(b) - a));
    if (x < c)
        return h;
    if (x > d)
        return 0;
    if (d == c)
        return h;
    return static_cast<float>(double(h) - double(h) * (double(x) - c) / (double(d) - c));
}

// One linguistic variable: a name, a universe from a() to b(), up to five
// trapezoidal terms (a, b, c, d and height h) and the crisp value x() at which
// the memberships are read. Term and value indices count from 1.
class TFuzzy {
public:
    static constexpr int MaxTerme = 5;

    int Anzahl() const { return FAnzahl; }
    void setAnzahl(int anzahl)
    {
        FAnzahl = anzahl;
        schwerpunktGueltig = false;
    }

    const QString& Name() const { return FName; }
    void setName(const QString& name) { FName = name; }

    float x() const { return Fx; }
    void setX(float x) { Fx = x; }

    // Bounds of the universe (not a term's values a and b).
    float a() const { return Fa; }
    void setA(float a)
    {
        Fa = a;
        schwerpunktGueltig = false;
    }
    float b() const { return Fb; }
    void setB(float b) { Fb = b; }

    bool definiert() const { return FDefiniert; }
    void setDefiniert(bool definiert) { FDefiniert = definiert; }

    const QString& Termname(int i) const { return FTermname[i - 1]; }
    // Stores the name and rebuilds the short label.
    void setTermname(int i, const QString& name);
    const QString& AbkTermname(int i) const { return FAbkTermname[i - 1]; }

    // Value j of term i: 1 = a, 2 = b, 3 = c, 4 = d, 5 = h.
    float Term(int i, int j) const { return FTerm[i - 1][j - 1]; }
    void setTerm(int i, int j, float t)
    {
        FTerm[i - 1][j - 1] = t;
        if (j == 5)
            form.setzeHoehe(i - 1, t);
        else
            TermformMerken(i);
        schwerpunktGueltig = false;
    }

    // Membership of x() in term i. An index above Anzahl() is a fatal error.
    float Zugehoerigkeit(int i) const;

    TFarbe Farbe(int i) const { return FFarbe[i - 1]; }
    TFarbe XORFarbe(int i) const { return FXORFarbe[i - 1]; }

    // "Z = ( 0.00 ; 0.75 ; 0.25 )"
    QString ZListeString() const;

    // Area-weighted mean of the terms' centroids; a() when the area is 0.
    float Schwerpunktkoordinate() const { return schwerpunktGueltig ? schwerpunkt : SchwerpunktBerechnen(); }

    void FarbeInit();
    void loeschen();
    // Copies the definition, but neither x() nor the colours.
    void assign(const TFuzzy& t);

    // The pieces of the centroid, open to tests.
    float TermFlaeche(int i) const
    {
        return static_cast<float>(form.halbeBreite[(i - 1) / 4][(i - 1) % 4] * FTerm[i - 1][4]);
    }
    float TermSchwerpunkt(int i) const { return static_cast<float>(form.schwerpunkt[(i - 1) / 4][(i - 1) % 4]); }

    // The terms side by side, for the inference's vector kernels.
    const termform::TTermform& Termform() const { return form; }

    // The heights of terms 1..5 from h[0..4] at once.
    void setHoehen(const float* h)
    {
        for (int i = 0; i < MaxTerme; ++i) {
            FTerm[i][4] = h[i];
            form.h[i / 4][i % 4] = h[i];
        }
        form.hoehenEins = false;
        schwerpunktGueltig = false;
    }

    // The inference's result: the heights of terms 1..4 (as floats and as
    // doubles) and 5, and the centroid they give, which Schwerpunktkoordinate()
    // returns until the next change.
    TERMFORM_INLINE void setHoehen(termform::V4f h14, const termform::V4d& h14d, float h5, float neuerSchwerpunkt)
    {
        for (int i = 0; i < 4; ++i)
            FTerm[i][4] = h14[i];
        FTerm[4][4] = h5;
        form.setzeHoehen(h14d, h5);
        schwerpunkt = neuerSchwerpunkt;
        schwerpunktGueltig = true;
    }

    // Membership of x() in term i without the index check, for callers that
    // stay within 1..gueltigeAnzahl().
    float ZugehoerigkeitOhnePruefung(int i) const
    {
        const auto& t = FTerm[i - 1];
        return TrapezZugehoerigkeit(Fx, t[0], t[1], t[2], t[3], t[4]);
    }

    // Number of terms that may be read safely (Anzahl() within 0..5).
    int gueltigeAnzahl() const { return FAnzahl < 0 ? 0 : (FAnzahl > MaxTerme ? MaxTerme : FAnzahl); }

    static QString AbkuerzungBilden(const QString& name);

private:
    bool TermindexPruefen(int i) const;
    float SchwerpunktBerechnen() const;

    std::int32_t FAnzahl = 0;
    QString FName;
    std::array<QString, MaxTerme> FTermname;
    std::array<QString, MaxTerme> FAbkTermname;
    std::array<std::array<float, 5>, MaxTerme> FTerm{};
    float Fx = 0;
    float Fa = 0;
    float Fb = 0;
    // The terms once more, side by side with what does not depend on the
    // height, which the inference rewrites many times per second.
    void TermformMerken(int i);
    termform::TTermform form;
    // The centroid of the heights the inference set last, while nothing it
    // depends on has changed since.
    float schwerpunkt = 0;
    bool schwerpunktGueltig = false;
    std::array<TFarbe, MaxTerme> FFarbe{};
    std::array<TFarbe, MaxTerme> FXORFarbe{};
    bool FDefiniert = false;
};
