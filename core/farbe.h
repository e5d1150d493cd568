#pragma once

#include <cstdint>

// Plain RGB colour, so that the core needs no GUI library.
struct TFarbe {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(TFarbe, TFarbe) = default;
};
