#include "engine/field_entry_checks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace capillary {
namespace {

struct KeyReleaseCase {
    const char* name;
    InputField field;
    UnitSystem unit;
    const char* text;      // the field's text when the key is released
    const char* expected;  // the text the check leaves
    bool whiten;
};

std::ostream& operator<<(std::ostream& out, const KeyReleaseCase& c) { return out << c.name; }

constexpr UnitSystem kIp = UnitSystem::English;
constexpr UnitSystem kSi = UnitSystem::Metric;

class KeyRelease : public testing::TestWithParam<KeyReleaseCase> {};

TEST_P(KeyRelease, LeavesTheExpectedText) {
    const KeyReleaseCase& c = GetParam();
    const KeyReleaseOutcome outcome = checkAfterKeyRelease(c.field, c.text, c.unit);
    EXPECT_EQ(outcome.text, c.expected);
    EXPECT_EQ(outcome.whiten, c.whiten);
}

// Upper limits are inclusive; lower limits other than the evaporating one are left to the
// Calculate command; only the capacity field turns white on every key.
INSTANTIATE_TEST_SUITE_P(
    FieldEntryChecks, KeyRelease,
    testing::Values(
        KeyReleaseCase{"CapacityIpAtLimit", InputField::Txtcapacity, kIp, "10", "10", true},
        KeyReleaseCase{"CapacityIpAboveLimit", InputField::Txtcapacity, kIp, "11", "", true},
        KeyReleaseCase{"CapacityIpFraction", InputField::Txtcapacity, kIp, "10.01", "", true},
        KeyReleaseCase{"CapacitySiAtLimit", InputField::Txtcapacity, kSi, "35", "35", true},
        KeyReleaseCase{"CapacitySiAboveLimit", InputField::Txtcapacity, kSi, "36", "", true},
        KeyReleaseCase{"CapacityMinus", InputField::Txtcapacity, kIp, "-", "", true},
        KeyReleaseCase{"CapacityEmptyStaysEmpty", InputField::Txtcapacity, kIp, "", "", true},
        KeyReleaseCase{"CapacityZeroStays", InputField::Txtcapacity, kIp, "0", "0", true},
        KeyReleaseCase{"CapacityLetter", InputField::Txtcapacity, kSi, "5a", "", true},
        KeyReleaseCase{"CapacityKeepsBlanksAndExponent", InputField::Txtcapacity, kIp, " 1e1",
                       " 1e1", true},
        KeyReleaseCase{"EvapMinusStays", InputField::Txtet, kIp, "-", "-", false},
        KeyReleaseCase{"EvapMinusStaysSi", InputField::Txtet, kSi, "-", "-", false},
        KeyReleaseCase{"EvapIpLowestStays", InputField::Txtet, kIp, "-40", "-40", false},
        KeyReleaseCase{"EvapIpBelowLowest", InputField::Txtet, kIp, "-41", "", false},
        KeyReleaseCase{"EvapIpAtTop", InputField::Txtet, kIp, "55", "55", false},
        KeyReleaseCase{"EvapIpAboveTop", InputField::Txtet, kIp, "56", "", false},
        KeyReleaseCase{"EvapSiAtTop", InputField::Txtet, kSi, "12", "12", false},
        KeyReleaseCase{"EvapSiAboveTop", InputField::Txtet, kSi, "13", "", false},
        KeyReleaseCase{"EvapSiBelowLowest", InputField::Txtet, kSi, "-40.5", "", false},
        KeyReleaseCase{"EvapDot", InputField::Txtet, kIp, ".", "", false},
        KeyReleaseCase{"CondIpBelowCalculationLimitStays", InputField::Txtct, kIp, "70", "70",
                       false},
        KeyReleaseCase{"CondIpAtTop", InputField::Txtct, kIp, "150", "150", false},
        KeyReleaseCase{"CondIpAboveTop", InputField::Txtct, kIp, "151", "", false},
        KeyReleaseCase{"CondSiAboveTop", InputField::Txtct, kSi, "66", "", false},
        KeyReleaseCase{"CondSiIpValueTooHigh", InputField::Txtct, kSi, "110", "", false},
        KeyReleaseCase{"CondMinus", InputField::Txtct, kIp, "-", "", false},
        KeyReleaseCase{"SubcoolIpAtTop", InputField::Txtsc, kIp, "20", "20", false},
        KeyReleaseCase{"SubcoolIpAboveTop", InputField::Txtsc, kIp, "21", "", false},
        KeyReleaseCase{"SubcoolSiAtTop", InputField::Txtsc, kSi, "10", "10", false},
        KeyReleaseCase{"SubcoolSiAboveTop", InputField::Txtsc, kSi, "11", "", false},
        KeyReleaseCase{"SubcoolMinus", InputField::Txtsc, kSi, "-", "", false},
        KeyReleaseCase{"PressureDropDotStays", InputField::Cmbdpd, kIp, ".", ".", false},
        KeyReleaseCase{"PressureDropHalf", InputField::Cmbdpd, kIp, ".5", ".5", false},
        KeyReleaseCase{"PressureDropLetter", InputField::Cmbdpd, kIp, "x", "", false},
        KeyReleaseCase{"PressureDropHasNoLimit", InputField::Cmbdpd, kSi, "500", "500", false},
        KeyReleaseCase{"PressureDropMinus", InputField::Cmbdpd, kIp, "-", "", false},
        KeyReleaseCase{"CircuitsTrailingDot", InputField::Txtcircuit, kIp, "2.", "2", true},
        KeyReleaseCase{"CircuitsCutToWhole", InputField::Txtcircuit, kSi, "2.9", "2", true},
        KeyReleaseCase{"CircuitsZeroStays", InputField::Txtcircuit, kIp, "0", "0", true},
        KeyReleaseCase{"CircuitsNegativeGoesDown", InputField::Txtcircuit, kIp, "-0.5", "-1", true},
        KeyReleaseCase{"CircuitsExponent", InputField::Txtcircuit, kIp, "2e2", "200", true},
        KeyReleaseCase{"CircuitsTooLargeToWrite", InputField::Txtcircuit, kIp, "1e9", "", false},
        KeyReleaseCase{"CircuitsLetter", InputField::Txtcircuit, kIp, "2a", "", false},
        KeyReleaseCase{"CircuitsMinus", InputField::Txtcircuit, kIp, "-", "", false}),
    [](const testing::TestParamInfo<KeyReleaseCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace capillary
