#pragma once

#include "core/fehler.h"

#include <functional>

// The program's handler for the fatal error: the error box, then the program
// ends at once with `beenden(1)` (by default without running any more code of
// the program, since its state can no longer be trusted).
FatalerFehlerHandler ProgrammFehlerHandler(std::function<void(int)> beenden = {});
