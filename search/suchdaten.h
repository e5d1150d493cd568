#pragma once

#include "core/fuzzy.h"
#include "search/regelsystem.h"

#include <QString>
#include <QStringList>

#include <optional>

// The project's three variables as the search takes them in when its window
// opens: input A (cart position), input B (rope angle, degrees), the output.
struct TSuchVariablen {
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
};

// The lowest ChrNote of one search so far, of a chromosome graded completely,
// and that chromosome (the first of equal grades).
struct TBesterBisher {
    float ChrNote = 0;
    QString chromosom;
    int generation = 0;
};

// What the rule view "Chromosomenregelsystem" shows: one rule system, named
// with the search's variables; beside it the best chromosome of the search so
// far, which the view can show instead.
struct TRegelsystemDaten {
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
    TRegelsystem rs{};
    // Its line in the chromosome list; 0 when it has none.
    int Nummer = 0;
    std::optional<TBesterBisher> bester;
    // The search window's plot is free for a replay (no search runs).
    bool testlaeufeMoeglich = true;
};

// The readable lines of a rule system, RegelText of rules 1..16 in this order.
QStringList RegelsystemZeilen(const TRegelsystem& rs, const TFuzzy& eingangA, const TFuzzy& eingangB,
                              const TFuzzy& ausgang);
