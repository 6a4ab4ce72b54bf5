#pragma once

#include <optional>
#include <string>
#include <vector>

namespace capillary {

// One comparison of a model's figure against a reference figure.
struct ValidationRow {
    std::string comparison;  // what is compared, and by which model
    std::string unit;
    double reference = 0.0;
    std::optional<double> model;  // none when the model gives no figure
    std::string note;

    // (model − reference) / reference, in percent.
    std::optional<double> deviationPercent() const;
};

// The sizing engine and its two second opinions, the homogeneous flashing-flow model and the
// ASHRAE chart, set against the handbook's worked rating point, against each other over a grid
// of R22 tubes, on the worked sizing examples, and on how length grows with bore.
std::vector<ValidationRow> validationRows();

// The rows as a Markdown table.
std::string formatValidationTable(const std::vector<ValidationRow>& rows);

}  // namespace capillary
