#pragma once

#include "core/regeltab.h"

#include <QString>

#include <array>
#include <cstdint>

class TFuzzy;

// What each rule of the table does at the inputs' current values: the view
// behind the inference that students ask for (which rules fire, how strongly,
// which one decides an output term).
struct TRegelZelle {
    std::int32_t ausgang = 0; // output term the cell concludes, 0 for no rule
    float grad = 0;           // firing degree: min(muA, muB), or muA without input B
    // The rule sets its output term's height: the largest degree for that term
    // (the first in the inference's order on a tie), above 0, and the term
    // exists in the output.
    bool massgebend = false;
};

struct TRegelAktivitaet {
    // [i - 1][j - 1]: term i of input A (row), term j of input B (column);
    // without input B only column 1 is used.
    std::array<std::array<TRegelZelle, 5>, 5> zellen{};
    int zeilen = 0;  // terms of A
    int spalten = 0; // terms of B, or 1 without input B
    // No rule that names an existing output term fires: every height is 0 and
    // the output stands at the left end of its universe.
    bool keineAktiv = true;

    const TRegelZelle& zelle(int i, int j) const { return zellen[i - 1][j - 1]; }
};

// The degrees of the cells that the inference reads, computed as the
// inference computes them.
TRegelAktivitaet RegelAktivitaet(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle,
                                 const TFuzzy& ausgang);

// The holes of a rule table: of the cells the inference reads, how many hold
// no rule, and which name an output term the output does not have.
struct TRegelLuecken {
    int felder = 0;
    int leer = 0;
    // (j, i) of each cell naming a missing output term, in the table's order.
    std::array<std::array<int, 2>, 25> ungueltig{};
    int ungueltigAnzahl = 0;
};
TRegelLuecken RegelLuecken(const TFuzzy& eingangA, const TFuzzy& eingangB, const TRegeltab& tabelle,
                           const TFuzzy& ausgang);

// "3 von 25 Feldern ohne Regel", then "; Ausgangsterm fehlt: NG/PK, NK/NU"
// (A's and B's short labels of each such cell; A's alone without input B).
QString RegelLueckenText(const TRegelLuecken& luecken, const TFuzzy& eingangA, const TFuzzy& eingangB);
