#include "plant/pendel.h"

#include <cmath>
#include <numbers>

using std::numbers::pi;

float TPendel::winkel() const
{
    return static_cast<float>(v[2] * 180.0 / pi);
}

void TPendel::setWinkel(float grad)
{
    v[2] = static_cast<float>(pi * grad / 180.0);
}

float TPendel::winkeldot() const
{
    return static_cast<float>(v[3] * 180.0 / pi);
}

void TPendel::setWinkeldot(float gradProSekunde)
{
    v[3] = static_cast<float>(pi * gradProSekunde / 180.0);
}

void TPendel::setLaenge(float wert)
{
    Flaenge = wert;
    li = static_cast<float>(3.0 / (2.0 * wert));
}

void TPendel::Init()
{
    v = {0, 0, 0, 0};
    Fmasse = 1.0f;
    setLaenge(2.5f);
    g = FPendeltyp ? 9.81f : -9.81f;
    FKraft = 0;
    Fcr = 0.8f;
    FDt = 0.05f;
    FZeit = 0;
    FWind = 0;
}

vektor TPendel::Ableitung(const vektor& s) const
{
    const double m = Fmasse;
    const double c = Fcr;
    const double F = FKraft;
    return {
        s[1],
        static_cast<float>((F - c * s[1]) / m),
        s[3],
        static_cast<float>(double(li) * (double(g) * s[2] - (F + FWind + c * s[1]) / m - 2 * c * s[3])),
    };
}

void TPendel::Schritt()
{
    const vektor s = v;
    const vektor d = Ableitung(s);
    for (int k = 0; k < 4; ++k)
        v[k] = static_cast<float>(double(s[k]) + double(d[k]) * FDt);
    FZeit = static_cast<float>(double(FZeit) + FDt);
}

float LastPosition(const TPendel& p)
{
    return static_cast<float>(double(p.x()) + double(p.laenge()) * std::sin(double(p.winkel()) * pi / 180));
}

float LastGeschwindigkeit(const TPendel& p)
{
    return static_cast<float>(double(p.xdot()) + double(p.winkeldot()) * pi * double(p.laenge()) / 180);
}
