#pragma once

#include <cstdint>

// Waits `ms` milliseconds on the tick counter (TickCount) while the window's
// pending events are handled, so that Stop, Close and the menus keep working.
// With the real clock it sleeps in short slices instead of spinning; under a
// fake clock (ScopedUhr) it never sleeps, so a test needs a clock that moves
// on by itself (ScopedUhr with a step) or the wait would not end.
void Pause(std::uint32_t ms);
