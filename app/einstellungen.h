#pragma once

#include <cstdint>

// The simulation settings; they live in memory and start at these values at
// every program start.
struct TEinstellungen {
    float Katzenstartposition = -3.0f;  // m
    float Pendellaenge = 2.5f;          // m
    std::int32_t MinDeltaT = 20;        // ms
    float Startwinkel = 10.0f;          // degrees
};
