#pragma once

#include "core/regeltab.h"
#include "search/regelsystem.h"

#include <QList>
#include <QString>

class TFuzzy;

// A rule system carried into the project's rule table. A cell of the table
// holds one conclusion, while a rule system may name one premise in several
// rules: the first of them (in rule order) takes the cell, and every later one
// with another conclusion does not fit. A later rule with the same conclusion
// fits: it says what the cell says.
struct TRegelKonflikt {
    int verworfen = 0; // rule number 1..16 that does not fit
    int behalten = 0;  // the earlier rule that holds its cell
};

struct TTabellenUebernahme {
    // Cells without a rule are 0; row and column 5 stay empty.
    TRegeltab Regeltab;
    QList<TRegelKonflikt> konflikte;
};

TTabellenUebernahme RegeltabAusRegelsystem(const TRegelsystem& rs);

// "Regel 7 (WENN ..., DANN ...) passt nicht; übernommen ist Regel 2 (WENN ...)."
QString KonfliktText(const TRegelKonflikt& konflikt, const TRegelsystem& rs, const TFuzzy& eingangA,
                     const TFuzzy& eingangB, const TFuzzy& ausgang);
// The whole report with the question whether to carry the others over.
QString KonfliktFrage(const TTabellenUebernahme& uebernahme, const TRegelsystem& rs, const TFuzzy& eingangA,
                      const TFuzzy& eingangB, const TFuzzy& ausgang);
