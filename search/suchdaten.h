#pragma once

#include "core/fuzzy.h"
#include "search/regelsystem.h"

#include <QStringList>

// The project's three variables as the search takes them in when its window
// opens: input A (cart position), input B (rope angle, degrees), the output.
struct TSuchVariablen {
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
};

// What the rule view "Chromosomenregelsystem" shows: one rule system, named
// with the search's variables.
struct TRegelsystemDaten {
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
    TRegelsystem rs{};
};

// The readable lines of a rule system, RegelText of rules 1..16 in this order.
QStringList RegelsystemZeilen(const TRegelsystem& rs, const TFuzzy& eingangA, const TFuzzy& eingangB,
                              const TFuzzy& ausgang);
