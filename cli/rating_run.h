#pragma once

#include <optional>
#include <string>

#include "engine/rating_request.h"
#include "engine/tube_rating.h"
#include "exit_codes.h"

namespace capillary::cli {

// One given tube rated by the homogeneous model and, for R22, by the ASHRAE chart.
struct RatingRun {
    UnitSystem unit = UnitSystem::English;
    RatingTexts texts;
    RatingRequest request;  // the option checks; the models run only when they passed
    std::optional<HomogeneousRating> homogeneous;
    std::optional<FlowRating> chart;
    std::string unratedReason;  // why the homogeneous model gives no flow, when it gives none

    // 0 rated; 1 an option was rejected; 2, as for a design no bore can serve, when the
    // options were sound but the homogeneous model cannot rate the tube.
    ExitCode exitCode() const;
    std::string_view errorMessage() const;
};

RatingRun runRating(RatingTexts texts, UnitSystem unit);

}  // namespace capillary::cli
