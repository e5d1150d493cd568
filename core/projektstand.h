#pragma once

#include <QString>

class TFuzzy;
struct TProjekt;

// What the main window's overview tells about a project, without a widget:
// whether there is anything in it yet, how many rules the inference uses, how
// far it has got and what to do next.

// No variable is defined and the rule table is empty: the start page shows.
bool ProjektLeer(const TProjekt& projekt);

// The rules that act: entries in the rows of A's terms and the columns of B's
// terms (one column without input B) that name one of the output's terms.
int AnzahlRegeln(const TProjekt& projekt);

// Entries there that name an output term the output does not have (any more):
// they are shown as "?" and do nothing.
int AnzahlRegelnOhneAusgangsterm(const TProjekt& projekt);

// Rules can be entered once input A and the output are defined.
bool RegelnMoeglich(const TProjekt& projekt);

// "keine Regeln" while rules are not possible, else "noch keine Regeln",
// "1 Regel", "25 Regeln"; with rules that name a missing output term
// "19 Regeln · 6 nennen einen gelöschten Ausgangsterm („?“) und wirken nicht".
QString RegelanzahlText(const TProjekt& projekt);

// The next step of building a controller, in the order the assistant goes:
// input A, the output, mending rules that name a missing output term, the
// rules; a controller without input B can be tested but not drive a plant.
enum class TNaechsterSchritt { EingangA, Ausgang, RegelnOhneAusgangsterm, Regeln, EingangB, Bereit };
TNaechsterSchritt NaechsterSchritt(const TProjekt& projekt);
// "Nächster Schritt: " and the advice for the step.
QString NaechsterSchrittText(TNaechsterSchritt schritt);

// "Gespeichert", "Noch nicht gespeichert" (a new project), or "Ungespeicherte
// Änderungen" (Geaendert).
QString SpeicherstandText(const TProjekt& projekt);

// "Grundmenge -30.00 bis 30.00 · 5 Terme" of a defined variable.
QString Grundmengentext(const TFuzzy& variable);
