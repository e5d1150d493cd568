#pragma once

#include "core/meldung.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>

// The search's stores hold at most this many chromosomes; the pairing needs
// at least two.
inline constexpr int MaxChromosomen = 40;
inline constexpr int MinChromosomen = 2;

// What the parameter dialog edits and the engine and the command-line tool
// search with. The defaults are those of a new search and of "Standardwerte".
struct TSuchParameter {
    std::int32_t ChromosomenAnzahl = 20;
    float Kreuzungsrate = 0.2f;
    float mutationsrate = 0.01f;

    friend bool operator==(const TSuchParameter&, const TSuchParameter&) = default;
};

// The ranges the parameter dialog accepts: 1..40 chromosomes, a rate above 0
// and at most 1.
bool AnzahlImBereich(std::int32_t anzahl);
bool RateImBereich(float rate);
// Every value out of its range replaced by its default, without a message:
// what the dialog takes from its fields however it closes.
TSuchParameter ParameterImBereich(const TSuchParameter& p);

// A rate as the parameter dialog shows it: as a real field shows a number
// where that text reads back as the same value, else with as many decimals as
// it takes ("0.000001"), so that an OK without a change keeps the rate.
QString RateText(float rate);

// What the search window asks after the parameter dialog, however it closed:
// whether the count is odd (a warning only), and whether the list's number of
// lines differs from it (the question whether to create a new list).
struct TAnzahlAbgleich {
    bool ungerade = false;
    bool listeWeichtAb = false;
};
TAnzahlAbgleich AnzahlAbgleichen(std::int32_t anzahl, qsizetype zeilen);

// The count that a list of this many lines gives: the number of lines, at
// most 40; beyond that the further lines are not taken, with the warning
// "maximal 40" (loading a file, and keeping a list of another length).
struct TAnzahlAusZeilen {
    std::int32_t anzahl = 0;
    std::optional<TMeldung> meldung;
};
TAnzahlAusZeilen AnzahlAusZeilen(qsizetype zeilen);
