#pragma once

#include <array>

// State of the plant: cart position (m), cart velocity (m/s), angle (rad),
// angular velocity (rad/s); index 1..4 in the model's equations, 0..3 here.
using vektor = std::array<float, 4>;

// Cart with an inverted pendulum (PendelTyp true) or travelling crane with a
// hanging load (PendelTyp false): a linear model integrated by explicit Euler
// steps. Angles are degrees at the interface and radians inside.
class TPendel {
public:
    float x() const { return v[0]; }
    void setX(float wert) { v[0] = wert; }
    float xdot() const { return v[1]; }
    void setXdot(float wert) { v[1] = wert; }
    float winkel() const;
    void setWinkel(float grad);
    float winkeldot() const;
    void setWinkeldot(float gradProSekunde);

    float masse() const { return Fmasse; }
    void setMasse(float wert) { Fmasse = wert; }
    float laenge() const { return Flaenge; }
    void setLaenge(float wert);
    float Zeit() const { return FZeit; }
    void setZeit(float wert) { FZeit = wert; }
    float DeltaT() const { return FDt; }
    void setDeltaT(float wert) { FDt = wert; }
    float cr() const { return Fcr; }
    void setCr(float wert) { Fcr = wert; }
    float Kraft() const { return FKraft; }
    void setKraft(float wert) { FKraft = wert; }
    float Wind() const { return FWind; }
    void setWind(float wert) { FWind = wert; }
    bool PendelTyp() const { return FPendeltyp; }
    void setPendelTyp(bool wert) { FPendeltyp = wert; }

    // The state in radians, for drawing and tests.
    const vektor& zustand() const { return v; }
    float li_() const { return li; }
    float g_() const { return g; }

    // Default parameters and zero state; the sign of g follows PendelTyp.
    void Init();
    // One Euler step of length DeltaT.
    void Schritt();

private:
    vektor Ableitung(const vektor& s) const;

    float Fmasse = 0;
    float Flaenge = 0;
    float li = 0;
    float g = 0;
    float FKraft = 0;
    float Fcr = 0;
    float FDt = 0;
    float FZeit = 0;
    float FWind = 0;
    vektor v{};
    bool FPendeltyp = false;
};

// The crane's load: position x + L sin(winkel) and velocity
// xdot + winkeldot pi L / 180, as 32-bit floats.
float LastPosition(const TPendel& pendel);
float LastGeschwindigkeit(const TPendel& pendel);
