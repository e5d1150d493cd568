#pragma once

#include "core/fuzzy.h"

#include <QString>
#include <QStringList>

// The rules of editing and testing one variable, apart from any window.

// What a new (or deleted) variable holds: its name and its base set.
inline const QString NeuerVariablenname = QStringLiteral("Fuzzyvariable");
inline constexpr float NeueGrundmengeVon = 0;
inline constexpr float NeueGrundmengeBis = 100;

// Clears the variable (no terms, not defined, every row a fresh term) and gives
// it the name and base set of a new variable. x and the colours stay.
void NeueVariableSetzen(TFuzzy& fuzzy);

// Every row behind the variable's last term gets the values of a fresh term:
// a = b = c = d = 0, h = 1. A term appended later starts from these.
void FreieZeilenZuruecksetzen(TFuzzy& fuzzy);

// Removes term i (1..Anzahl): the terms behind it move up a row with their
// names and values, and the rows that become free are reset. Any other i
// changes nothing.
void TermEntfernen(TFuzzy& fuzzy, int i);

// The complaints about a variable, in the order the editor shows them: a base
// set whose second bound is not above the first (then the terms are not
// examined), else one message per term whose values are out of order or
// outside the base set. Empty when the variable can be drawn. The height is
// not examined.
QStringList VariablenFehler(const TFuzzy& fuzzy);

// Whether OK may end the editor with the variable as the check left it: always
// when it is defined; when it is not, only if it has no terms left and was
// defined when the editor opened (the user emptied it on purpose). Otherwise
// closing would drop the terms that were typed, or leave a new variable
// undefined.
bool OKBeendetEditor(const TFuzzy& fuzzy, bool warDefiniert);

// The warning when term i (1..Anzahl) has the same short name as another term
// of the variable (the first such term is named); empty when its short name is
// its own.
QString GleicheAbkuerzung(const TFuzzy& fuzzy, int i);

// Strips control characters (line breaks, tabs) from a name, so that it stays
// one line of a project file.
QString NameOhneSteuerzeichen(const QString& name);

// The tester's input value moves over this many steps of the base set.
inline constexpr int Testschritte = 400;

// The input value at a step of a tester's scroll bar: position / schritte of
// the way from a() to b(), stored as a float.
float Eingangswert(const TFuzzy& fuzzy, int position, int schritte = Testschritte);
