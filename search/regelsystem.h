#pragma once

#include "core/regel.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class TFuzzy;

// One rule system: 16 rules, rule k at index k - 1.
using TRegelsystem = TRegelliste;

// A chromosome codes rule k in its characters 6k - 5 .. 6k: two digits each for
// the input-A term, the input-B term and the output term.
inline constexpr int ChromosomLaenge = 96;
inline constexpr int RegelAnzahl = 16;

// Gene code: "00" = 1, "01" = 2, "10" = 3, "11" = 4; 0 for any other pair.
int GenWert(QChar hoch, QChar tief);
// The two digits of term number 1..4.
QString GenText(int term);

// Decodes the first six characters of s into r. A pair that is no gene (or is
// missing) leaves its field unchanged.
void StringToEineRegel(QStringView s, TRegel& r);
// Decodes rule k from the characters 6(k - 1) + 1 .. 6k, for k = 1..16.
void StringToRegelsystem(QStringView s, TRegelsystem& rs);

// Exactly 96 characters, each "0" or "1".
bool ChromosomGueltig(QStringView s);
// The rule system of a valid chromosome; nothing for any other line, so that no
// field is left undefined.
std::optional<TRegelsystem> ChromosomLesen(QStringView s);
// The chromosome of a rule system whose term numbers all lie in 1..4.
QString ChromosomText(const TRegelsystem& rs);

// The list check: at least 2 lines, every one of them (also those beyond the
// number of chromosomes) a valid chromosome.
bool ChromosomenlistePruefen(const QStringList& liste);

// The term check: all three variables have exactly 4 terms.
bool TermanzahlPruefen(const TFuzzy& eingangA, const TFuzzy& eingangB, const TFuzzy& ausgang);

// "WENN A=a UND B=b, DANN Y=y" with the variables' names and full term names.
QString RegelText(const TRegel& r, const TFuzzy& eingangA, const TFuzzy& eingangB, const TFuzzy& ausgang);
