#pragma once

#include "core/laufcsv.h"
#include "plant/einstellungen.h"
#include "plant/pendel.h"

#include <QString>

#include <cstdint>

class TFuzzy;
struct TRegeltab;

// The wind force while the wind button is down, N.
inline constexpr float Windkraft = 3.0f;

// Sets the plant up for a run: Init (the sign of g follows the PendelTyp set
// before), then laenge := Pendellaenge and the wind force; the inverted
// pendulum starts at x 1.5 with the Startwinkel and friction 0.3, the crane at
// its Katzenstartposition hanging straight down with friction 0.8.
void PendelStarten(TPendel& pendel, const TEinstellungen& einstellungen, float wind = 0.0f);

// The success lamp: green when the load is at rest (speed below 0.1 m/s) within
// 10 cm of the target at 2 m.
bool AmpelGruen(const TPendel& pendel);

// The control part of a fuzzy pass: the plant's measurements into the inputs
// (inverted pendulum: angle and angular velocity in degrees; crane: position
// and angle), the inference on the output copy, its centroid as the force of
// the next step. Returns the lamp state after the step.
bool FuzzyRegelung(TPendel& pendel, TFuzzy& eingangA, TFuzzy& eingangB, const TRegeltab& regeltab,
                   TFuzzy& ausgangKopie);

// One pass of a fuzzy run without drawing: Schritt, FuzzyRegelung, then
// DeltaT := naechstesDeltaT for the next step. A run on the wall clock hands in
// the measured duration of the pass; a headless run a fixed step length.
bool FuzzyDurchlauf(TPendel& pendel, TFuzzy& eingangA, TFuzzy& eingangB, const TRegeltab& regeltab,
                    TFuzzy& ausgangKopie, float naechstesDeltaT);

// Step length after a pass of `millisekunden` on the clock, divided by the
// slow-motion factor. A pass longer than LaengsterDurchlauf (a menu or a
// message box held open, a suspended machine) counts as that long, so that the
// Euler step stays small enough for the model.
inline constexpr std::uint32_t LaengsterDurchlauf = 200;
float Schrittweite(std::uint32_t millisekunden, int zeitfaktor);

// Force from the hand page's force bar at column `spalte`: (X - 50) / 2 N for
// the inverted pendulum, (X - 50) / 50 N for the crane, from the column itself
// (the bar shows only 0..100).
float KraftAusBalken(int spalte, bool pendelTyp);

// The hand page's keys move the force bar by this many columns.
inline constexpr int KraftbalkenSchritt = 5;
// Force bar column after a key: richtung -1 or +1 moves it by
// KraftbalkenSchritt within 0..100, 0 puts it back to the middle (0 N).
int KraftbalkenTaste(int spalte, int richtung);

// The length of a single step of a held run, and of the first pass after it, s.
inline constexpr float EinzelschrittDauer = 0.05f;

// The row a run records after a pass: the plant and the lamp.
TVerlaufPunkt VerlaufPunkt(const TPendel& pendel, bool gruen);

namespace SimulationsTexte {
inline const QString nichtDefiniert =
    QStringLiteral("Sie müssen zuerst die entsprechenden Fuzzyvarariablen\rund zugehörige Regeln definieren!");
} // namespace SimulationsTexte

// ---------------------------------------------------------------------------
// Control with a rule list instead of the table: the crane runs with which the
// genetic search grades its rule systems.

#include "core/regel.h"

// The plant's measurements into the two inputs, as every fuzzy pass takes them:
// the inverted pendulum's angle and angular velocity, the crane's trolley
// position and rope angle (degrees).
void MesswerteSetzen(const TPendel& pendel, TFuzzy& eingangA, TFuzzy& eingangB);

// The control part of a pass with a rule list: MesswerteSetzen, the rule-list
// inference on the output copy, its centroid as the force of the next step.
// No lamp: the search has a success test of its own.
void RegellistenRegelung(TPendel& pendel, TFuzzy& eingangA, TFuzzy& eingangB, const TRegelliste& regeln,
                         TFuzzy& ausgangKopie);
