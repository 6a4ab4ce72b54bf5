#include "rating_run.h"

namespace capillary::cli {
namespace {

// The model marches from the liquid's inlet down to the evaporating temperature; with the
// ranges the options allow, only a warm evaporator or much subcooling can reverse that.
std::string unratedReason(const TubeConditions& conditions) {
    const std::string prefix = "The homogeneous model cannot rate this tube: ";
    if (conditions.evaporatingF >= conditions.inletF()) {
        return prefix +
               "the evaporating temperature is not below the liquid's inlet temperature "
               "(condensing less subcooling).";
    }
    return prefix + "no flow it can march gives a tube of this length.";
}

}  // namespace

RatingRun runRating(RatingTexts texts, UnitSystem unit) {
    RatingRun run;
    run.unit = unit;
    run.request = checkRatingRequest(texts, unit);
    run.texts = std::move(texts);
    if (!run.request.ok()) return run;
    const RatingRequest& r = run.request;
    run.homogeneous = rateHomogeneous(r.conditions, r.diameterFt, r.lengthFt, r.circuits);
    run.chart = rateChart(r.conditions, r.diameterFt, r.lengthFt, r.circuits);
    if (!run.homogeneous) run.unratedReason = unratedReason(r.conditions);
    return run;
}

ExitCode RatingRun::exitCode() const {
    if (!request.ok()) return kInputRejected;
    return homogeneous ? kSized : kNoBore;
}

std::string_view RatingRun::errorMessage() const {
    if (request.rejection) return request.rejection->message;
    return unratedReason;
}

}  // namespace capillary::cli
