#include "plant/simulation.h"

#include "core/fuzzy.h"
#include "core/regeltab.h"

#include <algorithm>
#include <cmath>

void PendelStarten(TPendel& pendel, const TEinstellungen& einstellungen, float wind)
{
    pendel.Init();
    pendel.setLaenge(einstellungen.Pendellaenge);
    pendel.setWind(wind);
    if (pendel.PendelTyp()) {
        pendel.setX(1.5f);
        pendel.setWinkel(einstellungen.Startwinkel);
        pendel.setCr(0.3f);
    } else {
        pendel.setX(einstellungen.Katzenstartposition);
        pendel.setWinkel(0);
        pendel.setCr(0.8f);
    }
}

bool AmpelGruen(const TPendel& pendel)
{
    const float position = LastPosition(pendel);
    const float geschwindigkeit = std::fabs(LastGeschwindigkeit(pendel));
    // The bounds are compared as floats too, so that a load shown at 2.1 m is
    // outside and one at 2.0 m inside whatever the binary rounding.
    return geschwindigkeit < 0.1 && position > 1.9f && position < 2.1f;
}

bool FuzzyRegelung(TPendel& pendel, TFuzzy& eingangA, TFuzzy& eingangB, const TRegeltab& regeltab,
                   TFuzzy& ausgangKopie)
{
    if (pendel.PendelTyp()) {
        eingangA.setX(pendel.winkel());
        eingangB.setX(pendel.winkeldot());
    } else {
        eingangA.setX(pendel.x());
        eingangB.setX(pendel.winkel());
    }
    const bool gruen = AmpelGruen(pendel);
    RegleAusgang(eingangA, eingangB, regeltab, ausgangKopie);
    pendel.setKraft(ausgangKopie.Schwerpunktkoordinate());
    return gruen;
}

bool FuzzyDurchlauf(TPendel& pendel, TFuzzy& eingangA, TFuzzy& eingangB, const TRegeltab& regeltab,
                    TFuzzy& ausgangKopie, float naechstesDeltaT)
{
    pendel.Schritt();
    const bool gruen = FuzzyRegelung(pendel, eingangA, eingangB, regeltab, ausgangKopie);
    pendel.setDeltaT(naechstesDeltaT);
    return gruen;
}

float Schrittweite(std::uint32_t millisekunden, int zeitfaktor)
{
    const std::uint32_t ms = std::min(millisekunden, LaengsterDurchlauf);
    return static_cast<float>(static_cast<double>(ms) / 1000 / (zeitfaktor < 1 ? 1 : zeitfaktor));
}

float KraftAusBalken(int spalte, bool pendelTyp)
{
    const double x = spalte - 50;
    return static_cast<float>(pendelTyp ? x / 2 : x / 50);
}

TVerlaufPunkt VerlaufPunkt(const TPendel& pendel, bool gruen)
{
    return {pendel.Zeit(), pendel.x(), pendel.xdot(), pendel.winkel(), pendel.winkeldot(), pendel.Kraft(), gruen};
}

// ---------------------------------------------------------------------------
// Control with a rule list (the genetic search's crane runs).

void MesswerteSetzen(const TPendel& pendel, TFuzzy& eingangA, TFuzzy& eingangB)
{
    if (pendel.PendelTyp()) {
        eingangA.setX(pendel.winkel());
        eingangB.setX(pendel.winkeldot());
    } else {
        eingangA.setX(pendel.x());
        eingangB.setX(pendel.winkel());
    }
}

void RegellistenRegelung(TPendel& pendel, TFuzzy& eingangA, TFuzzy& eingangB, const TRegelliste& regeln,
                         TFuzzy& ausgangKopie)
{
    MesswerteSetzen(pendel, eingangA, eingangB);
    RegleAusgang(eingangA, eingangB, regeln, ausgangKopie);
    pendel.setKraft(ausgangKopie.Schwerpunktkoordinate());
}

int KraftbalkenTaste(int spalte, int richtung)
{
    if (richtung == 0)
        return 50;
    return std::clamp(spalte + richtung * KraftbalkenSchritt, 0, 100);
}
