#pragma once

#include "plant/aufgabe.h"

#include <QString>

#include <optional>
#include <vector>

struct TProjekt;
class TPendel;

// One row of a check run: the plant after a pass (row 0: at the start) and
// the lamp, as `tarvik-cli simulate` writes it.
struct TPruefzeile {
    float zeit = 0;
    float x = 0;
    float xdot = 0;
    float winkel = 0;
    float winkeldot = 0;
    float kraft = 0;
    bool gruen = false;
};

struct TPrueflauf {
    float start = 0; // start position (crane) or start angle (pendulum)
    std::vector<TPruefzeile> zeilen;
};

// The verdict of a check and the runs it was made from.
struct TPruefergebnis {
    bool bestanden = false;
    // The measured figure: on a pass that of the task's first condition
    // ("grün nach 7.25 s", "Winkel zwischen -0.53° und 0.41°"), on a failure
    // that of the first condition not met ("Winkel 12.34° bei 14.20 s").
    QString messwert;
    std::vector<TPrueflauf> laeufe;
    // The run the figure comes from, and the time it points at (where the run
    // failed, or the first green lamp), if any.
    int lauf = 0;
    std::optional<float> stelle;

    // "bestanden" or "nicht bestanden".
    QString Urteil() const;
    // "bestanden: grün nach 7.25 s".
    QString Text() const;
};

// Runs the project's rules against the task and judges the runs. Every run
// sets the plant up as the simulation panel's fuzzy start does (with the
// task's start value, length and wind), then makes Schrittzahl(dauer) passes
// of the fixed step, as `tarvik-cli simulate` does. The project is copied; a
// project without its three variables fails with the reason as its figure.
TPruefergebnis AufgabePruefen(const TAufgabe& aufgabe, const TProjekt& projekt);

// The number of rules of a project as the inference reads them: cells within
// the inputs' terms that name an output term the output has.
int Regelanzahl(const TProjekt& projekt);

TPruefzeile Pruefzeile(const TPendel& pendel, bool gruen);

namespace PruefTexte {
inline const QString bestanden = QStringLiteral("bestanden");
inline const QString nichtBestanden = QStringLiteral("nicht bestanden");
inline const QString nichtDefiniert =
    QStringLiteral("Eingang A, Eingang B und Ausgang müssen definiert sein");
} // namespace PruefTexte
