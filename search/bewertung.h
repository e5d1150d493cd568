#pragma once

#include "core/fuzzy.h"
#include "plant/pendel.h"
#include "search/kranlauf.h"
#include "search/regelsystem.h"
#include "search/suchbeobachter.h"
#include "search/suchdaten.h"

#include <QStringList>

#include <array>
#include <atomic>
#include <vector>

// Every chromosome is graded by ten test runs from these cart positions, in
// this order.
inline constexpr int Testlaeufe = 10;
inline constexpr std::array<float, Testlaeufe> StartPosVektor = {-3, -2, -1, 0, 1, 1.5f, 2, 2.5f, 3, 4};

// What one grader works on: its own copies of the three variables (the
// inputs' values and the output's term heights are the inference's working
// area) and its own plant.
struct TKranKopien {
    TFuzzy EingangA;
    TFuzzy EingangB;
    TFuzzy Ausgang;
    TPendel Pendel;
};

// The project's variables into a grader's copies (assign: no x, no colours).
void VariablenUebernehmen(TKranKopien& kopien, const TSuchVariablen& variablen);

// The ten runs of one chromosome and its ChrNote.
struct TChromosomBewertung {
    std::array<TTestlaufErgebnis, Testlaeufe> lauf{};
    std::array<bool, Testlaeufe> gelaufen{};
    // The Einzelnoten of the runs made, added in start-position order in
    // single precision.
    float ChrNote = 0;
    // Index of the last run made; -1 when none was.
    int letzter = -1;
    // All ten runs were made and none was stopped: ChrNote is the grade.
    bool vollstaendig = false;
    // The plant as the last run made left it.
    TPendel endzustand;
};

// Grades one chromosome: the test run from every start position in order. A
// run that finds the stop flag set is skipped; a run stopped midway counts. A
// run that finds a variable undefined is not made: it warns, and sets the
// stop flag. With an observer every run is shown as it goes (its number, the
// cleared plot, the crane, its Einzelnote); without one nothing is shown or
// waited for, and the call may run on any thread.
TChromosomBewertung ChromosomBewerten(const TRegelsystem& rs, TKranKopien& kopien, std::atomic<bool>& stop,
                                      TSuchBeobachter* beobachter = nullptr, const bool* echtzeit = nullptr);

// For each of the first n lines the line whose runs give its grade: the first
// line of the same text, so that equal chromosomes are run only once. A line
// is run when it is its own source.
std::vector<int> NotenQuellen(const QStringList& liste, int n);
