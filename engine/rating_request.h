#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "tube_conditions.h"
#include "units.h"

namespace capillary {

// The values a tube rating needs, in the order they are checked.
enum class RatingOption {
    Refrigerant,
    Bore,
    TubeLength,
    Evaporating,
    Condensing,
    Subcooling,
    Circuits
};

// The texts given for a rating: bore in inches and length in feet, or millimetres and metres
// in the Metric system; temperatures as the window's fields take them.
struct RatingTexts {
    std::string refrigerant;
    std::string bore;
    std::string tubeLength;
    std::string evaporating;
    std::string condensing;
    std::string subcooling;
    std::string circuits = "1";  // one circuit unless told otherwise
};

// How each rating value is named on the command line and in JSON, and where its text is held.
struct RatingOptionInfo {
    RatingOption option;
    std::string_view name;  // "--tube-length"
    std::string_view key;   // "tube_length"
    std::string RatingTexts::*text;
};

inline constexpr std::array<RatingOptionInfo, 7> kRatingOptions{{
    {RatingOption::Refrigerant, "--refrigerant", "refrigerant", &RatingTexts::refrigerant},
    {RatingOption::Bore, "--bore", "bore", &RatingTexts::bore},
    {RatingOption::TubeLength, "--tube-length", "tube_length", &RatingTexts::tubeLength},
    {RatingOption::Evaporating, "--evaporating", "evaporating", &RatingTexts::evaporating},
    {RatingOption::Condensing, "--condensing", "condensing", &RatingTexts::condensing},
    {RatingOption::Subcooling, "--subcooling", "subcooling", &RatingTexts::subcooling},
    {RatingOption::Circuits, "--circuits", "circuits", &RatingTexts::circuits},
}};

constexpr const RatingOptionInfo& ratingOptionInfo(RatingOption option) {
    return kRatingOptions[static_cast<std::size_t>(option)];
}

// The first value that failed, with the whole message: "--bore 0: the bore must be above zero".
struct RatingRejection {
    RatingOption option;
    std::string message;
};

// A checked rating, in English units.
struct RatingRequest {
    std::optional<RatingRejection> rejection;
    // Meaningful only without a rejection; the refrigerant names static storage.
    TubeConditions conditions;
    double diameterFt = 0.0;
    double lengthFt = 0.0;
    double circuits = 0.0;

    bool ok() const { return !rejection.has_value(); }
};

// Checks every text in order, stopping at the first that is missing, not a number or out of
// range: the window's temperature ranges, subcooling up to 40 °F (22 K), a bore and length
// above zero, a whole number of circuits from 1.
RatingRequest checkRatingRequest(const RatingTexts& texts, UnitSystem unit);

}  // namespace capillary
