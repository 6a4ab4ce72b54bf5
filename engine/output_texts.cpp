#include "output_texts.h"

#include "fixed_point.h"

namespace capillary {

BoreFigureTexts formatBoreFigures(const BoreEvaluation& bore, UnitSystem unit) {
    const double dp = bore.totalPressureDropPsi;
    if (unit == UnitSystem::Metric) {
        return {formatFixed(bore.meanVelocityFtPerS * kMetrePerFoot, 2),
                formatFixed(bore.lengthFt * kMillimetrePerFoot, 0),
                formatFixed(dp / (bore.lengthFt * kPsiPerFootPerBarPerMetre), 1)};
    }
    return {formatFixed(bore.meanVelocityFtPerS, 2), formatFixed(bore.lengthFt, 1),
            formatFixed(dp / bore.lengthFt, 1)};
}

OutputTexts formatOutputs(const Sizing& sizing, UnitSystem unit) {
    const double dp = sizing.totalPressureDropPsi;
    BoreFigureTexts figures = formatBoreFigures(sizing.chosen, unit);
    OutputTexts out;
    out.lineSize = std::string(sizing.chosen.bore.label);
    out.lineSizeCaption = std::string(kLineSizeCaption);
    out.totalPressureDrop = formatFixed(unit == UnitSystem::Metric ? dp * kBarPerPsi : dp, 0);
    out.velocity = std::move(figures.velocity);
    out.length = std::move(figures.length);
    out.actualPressureDrop = std::move(figures.gradient);
    return out;
}

}  // namespace capillary
