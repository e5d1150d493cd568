#pragma once

#include "core/fuzzy.h"
#include "plant/pendel.h"
#include "search/regelsystem.h"
#include "search/suchbeobachter.h"

#include <atomic>

// LastPosition and LastGeschwindigkeit of the crane's load: plant/pendel.h.
// The load rests at the target 2 after the first second: load velocity below
// 0.1, load within 0.1 and cart within 0.2 of the target.
bool ZielErreicht(const TPendel& pendel);
// The rope swings beyond 90 degrees, the cart leaves -10..10, or 30 s are over.
bool TestlaufEnde(const TPendel& pendel);

struct TTestlaufErgebnis {
    float Bewertungszahl = 0; // the Einzelnote
    int Schritte = 0;         // calls of Schritt
    bool GutGenug = false;
    float Zeit = 0;
};

// One test run of the crane under the rule system rs from cart position start:
// set-up, steps with the rule-list inference until an end test holds or the
// stop flag is set, and the grade. Without an observer nothing is drawn and
// nothing waits. The pace ("in Echtzeit" when *echtzeit is true) is read at
// every step, as the user may switch it during a run.
TTestlaufErgebnis Kranlauf(const TRegelsystem& rs, float start, TFuzzy& eingangA, TFuzzy& eingangB,
                           TFuzzy& ausgang, TPendel& pendel, const std::atomic<bool>& stop,
                           TSuchBeobachter* beobachter = nullptr, const bool* echtzeit = nullptr);
