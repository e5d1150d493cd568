#pragma once

#include "cli/werkzeug.h"

// tarvik-cli simulate PROJEKT.fuz --plant crane|pendulum [--steps N] [--dt S]
// [--wind] [--length L] [--start X] [--angle GRAD]: a fuzzy-controlled run
// without a window, with a fixed step length, as CSV.
int BefehlSimulate(const QStringList& argumente, const TCliKontext& k);
