#include "output_texts.h"

#include "fixed_point.h"

namespace capillary {

OutputTexts FormatOutputs(const Sizing& sizing, UnitSystem unit) {
    const BoreEvaluation& bore = sizing.chosen;
    const double dp = sizing.totalPressureDropPsi;
    OutputTexts out;
    out.lineSize = std::string(bore.bore.label);
    out.lineSizeCaption = std::string(kLineSizeCaption);
    if (unit == UnitSystem::Metric) {
        out.totalPressureDrop = formatFixed(dp * kBarPerPsi, 0);
        out.velocity = formatFixed(bore.meanVelocityFtPerS * kMetrePerFoot, 2);
        out.length = formatFixed(bore.lengthFt * kMillimetrePerFoot, 0);
        out.actualPressureDrop = formatFixed(dp / (bore.lengthFt * kPsiPerFootPerBarPerMetre), 1);
    } else {
        out.totalPressureDrop = formatFixed(dp, 0);
        out.velocity = formatFixed(bore.meanVelocityFtPerS, 2);
        out.length = formatFixed(bore.lengthFt, 1);
        out.actualPressureDrop = formatFixed(dp / bore.lengthFt, 1);
    }
    return out;
}

}  // namespace capillary
