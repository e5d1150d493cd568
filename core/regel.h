#pragma once

#include <array>
#include <cstdint>

// One rule of a rule list: term numbers of input A and input B in the premise
// and of the output in the conclusion (0 or less: the rule concludes nothing).
struct TRegel {
    std::int32_t EingangA = 0;
    std::int32_t EingangB = 0;
    std::int32_t Ausgang = 0;

    friend constexpr bool operator==(const TRegel&, const TRegel&) = default;
};

// The 16 rules of one rule system, in text order.
using TRegelliste = std::array<TRegel, 16>;
