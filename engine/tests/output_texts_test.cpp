#include "engine/output_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/calculation_request.h"

namespace capillary {
namespace {

struct WorkedExample {
    std::string_view name;
    UnitSystem unit;
    InputTexts texts;
    std::string_view lineSize, velocity, length, totalPressureDrop, actualPressureDrop;
};

void PrintTo(const WorkedExample& e, std::ostream* os) { *os << e.name; }

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

// From typed texts to the five result texts, as the Calculate command shows them.
TEST_P(WorkedExamples, ShowTheExpectedResults) {
    const WorkedExample& e = GetParam();
    const CalculationRequest request = checkCalculationRequest(e.texts, e.unit);
    ASSERT_TRUE(request.ok());
    const auto sizing = SizeCapillary(request.designCase, e.texts.refrigerant, request.circuits);
    ASSERT_TRUE(sizing);
    const OutputTexts out = formatOutputs(*sizing, e.unit);
    EXPECT_EQ(out.lineSize, e.lineSize);
    EXPECT_EQ(out.velocity, e.velocity);
    EXPECT_EQ(out.length, e.length);
    EXPECT_EQ(out.totalPressureDrop, e.totalPressureDrop);
    EXPECT_EQ(out.actualPressureDrop, e.actualPressureDrop);
    EXPECT_EQ(out.lineSizeCaption, "Inch Copper Tube Inside diameter");
}

INSTANTIATE_TEST_SUITE_P(
    English, WorkedExamples,
    testing::Values(WorkedExample{"TenPsiPerFoot",
                                  UnitSystem::English,
                                  {"R22", "1", "40", "110", "0", "10", "10", "1"},
                                  "0.09",
                                  "15.86",
                                  "22.1",
                                  "130",
                                  "5.9"},
                    WorkedExample{"FivePsiPerFoot",
                                  UnitSystem::English,
                                  {"R22", "1", "40", "110", "0", "10", "5", "1"},
                                  "0.1",
                                  "12.84",
                                  "37.2",
                                  "130",
                                  "3.5"},
                    WorkedExample{"TwoCircuits",
                                  UnitSystem::English,
                                  {"R22", "1", "40", "110", "0", "10", "10", "2"},
                                  "0.07",
                                  "13.11",
                                  "23.0",
                                  "130",
                                  "5.6"},
                    WorkedExample{"SuperheatIgnored",
                                  UnitSystem::English,
                                  {"R22", "1", "40", "110", "15", "10", "10", "1"},
                                  "0.09",
                                  "15.86",
                                  "22.1",
                                  "130",
                                  "5.9"}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(Metric, WorkedExamples,
                         testing::Values(WorkedExample{
                             "ThreeAndAHalfKilowatts",
                             UnitSystem::Metric,
                             {"R22", "3.5", "5", "45", "0", "5", "2", "1"},
                             "0.09",
                             "4.91",
                             "7137",
                             "10",
                             "1.4"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(OutputTexts, NoBoreForTenTonsAtOnePsiPerFoot) {
    const InputTexts texts{.refrigerant = "R22",
                           .capacity = "10",
                           .evaporating = "40",
                           .condensing = "120",
                           .superheat = "0",
                           .subcooling = "10",
                           .maxPressureDrop = "1",
                           .circuits = "1"};
    const CalculationRequest request = checkCalculationRequest(texts, UnitSystem::English);
    ASSERT_TRUE(request.ok());
    EXPECT_FALSE(SizeCapillary(request.designCase, texts.refrigerant, request.circuits));
}

}  // namespace
}  // namespace capillary
