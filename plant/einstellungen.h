#pragma once

#include <cstdint>

// The simulation settings of the options dialog; they live in memory and start
// at these values at every program start. The main window keeps them, the
// simulation panel and the command-line tool start each run from them.
struct TEinstellungen {
    float Katzenstartposition = -3.0f; // start of the crane's trolley, m
    float Pendellaenge = 2.5f;         // rod or rope, m
    std::int32_t MinDeltaT = 20;       // ms; kept and checked, read by no run
    float Startwinkel = 10.0f;         // start angle of the inverted pendulum, degrees

    bool operator==(const TEinstellungen&) const = default;
};
