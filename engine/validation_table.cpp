#include "validation_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "MdlLiquid.h"
#include "Mdlfitting.h"
#include "Mdlproperties.h"
#include "ashrae_chart.h"
#include "fixed_point.h"
#include "homogeneous_flow.h"
#include "tube_rating.h"
#include "units.h"

namespace capillary {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kFeetPerMetre = 1 / 0.3048;
constexpr double kFeetPerMillimetre = kFeetPerMetre / 1000;
constexpr double kKilogramsPerPound = 0.45359237;
constexpr double kFahrenheitPerKelvin = 1.8;
constexpr double kPsiaPerMegapascal = 145.037738;

// Low enough for the handbook's choked rating point to choke in the homogeneous model too.
constexpr double kHandbookEvaporatingF = -10.0;

// Bores 0.05 … 0.10 in, numbers 4 … 9 of the sizing engine's table.
constexpr int kFirstGridBore = 4;
constexpr int kLastGridBore = 9;

// Tubing charts have length growing as about the 4.6th to 4.7th power of the bore.
constexpr double kChartExponent = 4.65;
// A flow at which every bore from 0.05 to 0.10 in comes out between a few feet and about 100 ft.
constexpr double kExponentFlowLbPerH = 80.0;

std::string percentText(double percent) { return formatFixed(percent, 1) + " %"; }

// The saturation temperature at a pressure, by bisection: the correlations rise monotonically
// over the condensing range.
double saturationTemperature(std::string_view refrigerant, double psia) {
    double low = 0.0, high = 200.0;
    for (int pass = 0; pass < 60; ++pass) {
        const double mid = (low + high) / 2;
        (saturationPressure(refrigerant, mid) > psia ? high : low) = mid;
    }
    return (low + high) / 2;
}

// The handbook's rating example: R134a, 1.1 mm by 3.0 m, 1.4 MPa inlet, 15 K subcooling,
// 4.2 g/s choked.
ValidationRow handbookRatingRow() {
    const double condensingF = saturationTemperature("R134a", 1.4 * kPsiaPerMegapascal);
    const TubeConditions conditions{"R134a", condensingF, 15 * kFahrenheitPerKelvin,
                                    kHandbookEvaporatingF};
    const auto rating =
        rateHomogeneous(conditions, 1.1 * kFeetPerMillimetre, 3.0 * kFeetPerMetre, 1);
    ValidationRow row{
        "ASHRAE rating example, R134a 1.1 mm × 3.0 m: homogeneous flow", "kg/h", 4.2 * 3.6, {}, ""};
    if (rating) {
        row.model = rating->flow.massFlowLbPerH * kKilogramsPerPound;
        row.note = "inlet " + formatFixed(condensingF, 1) + " °F (1.4 MPa), evaporating " +
                   formatFixed(kHandbookEvaporatingF, 0) + " °F, " +
                   (rating->choked ? "choked" : "not choked");
    }
    return row;
}

// For each bore, the homogeneous length at the flow the chart gives a 100 in tube, over
// condensing at 100, 115, 130 °F and subcooling by 5, 15 °F, evaporating at 40 °F.
ValidationRow gridRow(int boreIndex) {
    const Bore& bore = BoreTable[boreIndex - 1];
    const double chartLengthFt = 100 / kInchesPerFoot;
    double sum = 0.0;
    double lowest = kInfinity, highest = -kInfinity;
    int count = 0, chokedCount = 0;
    for (double condensingF : {100.0, 115.0, 130.0}) {
        for (double subcoolingF : {5.0, 15.0}) {
            const TubeConditions conditions{"R22", condensingF, subcoolingF, 40};
            const auto flow = chartMassFlow(conditions, bore.diameterFt, chartLengthFt);
            const auto march =
                flow ? marchHomogeneous(conditions, bore.diameterFt, *flow) : std::nullopt;
            if (!march) continue;
            const double deviation = (march->totalLengthFt / chartLengthFt - 1) * 100;
            sum += march->totalLengthFt;
            lowest = std::min(lowest, deviation);
            highest = std::max(highest, deviation);
            ++count;
            chokedCount += march->choked() ? 1 : 0;
        }
    }
    ValidationRow row{"R22 " + std::string(bore.label) + " in, chart flow of a 100 in tube: " +
                          "mean homogeneous length against the chart",
                      "ft",
                      chartLengthFt,
                      {},
                      ""};
    if (count > 0) {
        row.model = sum / count;
        row.note = std::to_string(count) + " conditions, " + percentText(lowest) + " to " +
                   percentText(highest) + ", " + std::to_string(chokedCount) + " choked";
    }
    return row;
}

struct WorkedExample {
    std::string_view name;
    DesignCase design;
    double circuits;
};

// The sizing engine's tube for a worked design, against the chart's and the homogeneous
// length for the same bore and flow.
std::array<ValidationRow, 2> workedExampleRows(const WorkedExample& example) {
    const DesignCase& d = example.design;
    const TubeConditions conditions = tubeConditions("R22", d);
    const auto sizing = SizeCapillary(d, "R22", example.circuits);
    const std::string prefix = std::string(example.name) + ": sizing model's length against ";
    std::array<ValidationRow, 2> rows{ValidationRow{prefix + "the chart", "ft", 0.0, {}, ""},
                                      ValidationRow{prefix + "homogeneous", "ft", 0.0, {}, ""}};
    if (!sizing) return rows;
    const double diameterFt = sizing->chosen.bore.diameterFt;
    const auto chart = chartLength(conditions, diameterFt, sizing->massFlowLbPerH);
    const auto march = marchHomogeneous(conditions, diameterFt, sizing->massFlowLbPerH);
    const std::string tube = std::string(sizing->chosen.bore.label) + " in, " +
                             formatFixed(sizing->massFlowLbPerH, 2) + " lb/h per circuit";
    for (ValidationRow& row : rows) {
        row.model = sizing->chosen.lengthFt;
        row.note = tube;
    }
    rows[0].reference = chart.value_or(kNaN);
    rows[1].reference = march ? march->totalLengthFt : kNaN;
    if (march && march->choked()) rows[1].note += ", homogeneous flow choked";
    return rows;
}

// Least-squares slope of ln y on ln x.
double logLogSlope(const std::vector<double>& x, const std::vector<double>& y) {
    const auto n = static_cast<double>(x.size());
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        const double lx = std::log(x[k]), ly = std::log(y[k]);
        sx += lx;
        sy += ly;
        sxx += lx * lx;
        sxy += lx * ly;
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

// The exponent n of L ∝ Dⁿ at a fixed flow, from each model's lengths of the grid's bores;
// the first worked design's temperatures.
std::array<ValidationRow, 3> exponentRows() {
    const DesignCase design{1, 40, 110, 0, 10, 10};
    const TubeConditions conditions = tubeConditions("R22", design);
    March march = prepareMarch(design, "R22", 1);
    march.massFlowLbPerH = kExponentFlowLbPerH;
    std::vector<double> bores, sizing, homogeneous, chart;
    bool complete = true;
    for (int index = kFirstGridBore; index <= kLastGridBore; ++index) {
        const double d = BoreTable[index - 1].diameterFt;
        const auto h = marchHomogeneous(conditions, d, kExponentFlowLbPerH);
        const auto c = chartLength(conditions, d, kExponentFlowLbPerH);
        complete = complete && h && c;
        if (!complete) break;
        bores.push_back(d);
        sizing.push_back(evaluateBore(march, index, design.dpd).lengthFt);
        homogeneous.push_back(h->totalLengthFt);
        chart.push_back(*c);
    }
    const std::string what = "Exponent n of L ∝ Dⁿ, 0.05–0.10 in at 80 lb/h, ";
    const std::string note = "R22, 110 °F condensing, 10 °F subcooling, 40 °F evaporating";
    const std::array<std::pair<std::string_view, const std::vector<double>*>, 3> models{
        {{"sizing model", &sizing}, {"homogeneous", &homogeneous}, {"chart", &chart}}};
    std::array<ValidationRow, 3> rows;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const auto& [name, lengths] = models[k];
        rows[k] = {what + std::string(name), "", kChartExponent, {}, note};
        if (complete) rows[k].model = logLogSlope(bores, *lengths);
    }
    return rows;
}

std::string valueText(double value, std::string_view unit) {
    if (!std::isfinite(value)) return "—";
    std::string text = formatFixed(value, 2);
    if (!unit.empty()) text += " " + std::string(unit);
    return text;
}

}  // namespace

std::optional<double> ValidationRow::deviationPercent() const {
    if (!model || !std::isfinite(*model) || !std::isfinite(reference) || reference == 0) return {};
    return (*model - reference) / reference * 100;
}

std::vector<ValidationRow> validationRows() {
    std::vector<ValidationRow> rows{handbookRatingRow()};
    for (int index = kFirstGridBore; index <= kLastGridBore; ++index) {
        rows.push_back(gridRow(index));
    }
    const WorkedExample examples[] = {
        {"Example 1, 1 ton, 10 psi/ft", {1, 40, 110, 0, 10, 10}, 1},
        {"Example 2, 1 ton, 5 psi/ft", {1, 40, 110, 0, 10, 5}, 1},
        {"Example 3, 1 ton, 2 circuits", {1, 40, 110, 0, 10, 10}, 2},
        {"Example 4, 3.5 kW, 2 bar/m", {0.99520800155, 41, 113, 0, 9, 8.8415}, 1},
    };
    for (const WorkedExample& example : examples) {
        const auto pair = workedExampleRows(example);
        rows.insert(rows.end(), pair.begin(), pair.end());
    }
    const auto exponents = exponentRows();
    rows.insert(rows.end(), exponents.begin(), exponents.end());
    return rows;
}

std::string formatValidationTable(const std::vector<ValidationRow>& rows) {
    std::string table =
        "| Compared | Reference | Model | Deviation | Note |\n"
        "|---|---:|---:|---:|---|\n";
    for (const ValidationRow& row : rows) {
        const auto deviation = row.deviationPercent();
        table += "| " + row.comparison + " | " + valueText(row.reference, row.unit) + " | " +
                 valueText(row.model.value_or(kNaN), row.unit) + " | " +
                 (deviation ? percentText(*deviation) : "—") + " | " + row.note + " |\n";
    }
    return table;
}

}  // namespace capillary
