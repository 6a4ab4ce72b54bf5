#pragma once

#include <array>
#include <string_view>

namespace capillary {

// A standard capillary bore: the label shown as the line size, and the inside diameter.
struct Bore {
    std::string_view label;
    double diameterFt;
};

inline constexpr int kBoreCount = 14;

// The fourteen standard bores from the smallest up; entry i is bore number i + 1. Each
// diameter is the 64-bit inch value divided by 12, not a shortened foot value.
inline constexpr std::array<Bore, kBoreCount> BoreTable{{
    {"0.02", 0.02 / 12.0},
    {"0.03", 0.03 / 12.0},
    {"0.04", 0.04 / 12.0},
    {"0.05", 0.05 / 12.0},
    {"0.06", 0.06 / 12.0},
    {"0.07", 0.07 / 12.0},
    {"0.08", 0.08 / 12.0},
    {"0.09", 0.09 / 12.0},
    {"0.1", 0.10 / 12.0},
    {"0.12", 0.12 / 12.0},
    {"0.14", 0.14 / 12.0},
    {"0.16", 0.16 / 12.0},
    {"0.18", 0.18 / 12.0},
    {"0.2", 0.20 / 12.0},
}};

}  // namespace capillary
