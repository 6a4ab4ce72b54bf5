#include "engine/validation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace capillary {
namespace {

TEST(ValidationTable, EveryRowHasBothFigures) {
    const auto rows = validationRows();
    EXPECT_LE(rows.size(), 25u);
    for (const ValidationRow& row : rows) {
        EXPECT_TRUE(std::isfinite(row.reference) && row.reference > 0) << row.comparison;
        ASSERT_TRUE(row.model) << row.comparison;
        EXPECT_TRUE(std::isfinite(*row.model)) << row.comparison;
        EXPECT_TRUE(row.deviationPercent()) << row.comparison;
    }
}

// The sizing model's rows carry the lengths it reports for the four worked designs.
TEST(ValidationTable, WorkedExamplesAreTheSizingModelsTubes) {
    const double lengths[] = {22.1, 37.2, 23.0, 7137 / 304.8};
    const auto rows = validationRows();
    int found = 0;
    for (const ValidationRow& row : rows) {
        if (row.comparison.starts_with("Example ")) {
            const int example = row.comparison[8] - '1';
            ASSERT_TRUE(example >= 0 && example < 4) << row.comparison;
            EXPECT_NEAR(*row.model, lengths[example], 0.05) << row.comparison;
            ++found;
        }
    }
    EXPECT_EQ(found, 8);
}

TEST(ValidationTable, MarkdownRows) {
    const std::vector<ValidationRow> rows{{"Length", "ft", 10, 11.5, "note"},
                                          {"Exponent", "", 4.65, {}, ""}};
    EXPECT_EQ(formatValidationTable(rows),
              "| Compared | Reference | Model | Deviation | Note |\n"
              "|---|---:|---:|---:|---|\n"
              "| Length | 10.00 ft | 11.50 ft | 15.0 % | note |\n"
              "| Exponent | 4.65 | — | — |  |\n");
}

}  // namespace
}  // namespace capillary
