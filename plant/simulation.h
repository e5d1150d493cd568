#pragma once

#include "plant/pendel.h"

#include <QString>

class TFuzzy;
struct TRegeltab;

// Start values of a run, from the simulation settings.
struct TStartwerte {
    float laenge = 2.5f;               // Pendellaenge
    float startwinkel = 10.0f;         // Startwinkel, degrees (inverted pendulum)
    float katzenstartposition = -3.0f; // start of the crane's trolley, m
    float wind = 0.0f;                 // N, 3.0 while the wind button is down
};

inline constexpr float Windkraft = 3.0f;

// Sets the plant up for a run: Init (the sign of g follows the PendelTyp set
// before), then laenge and Wind; the inverted pendulum starts at x 1.5 with the
// start angle and friction 0.3, the crane at its start position hanging
// straight down with friction 0.8.
void PendelStarten(TPendel& pendel, const TStartwerte& start);

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

// The step length after a pass of `millisekunden` on the wall clock, slowed
// down by the slow-motion divisor.
float GemesseneSchrittweite(long long millisekunden, int zeitfaktor);

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
