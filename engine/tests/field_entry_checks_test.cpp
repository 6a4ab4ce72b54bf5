#include "engine/field_entry_checks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace capillary {
namespace {

struct KeyReleaseCase {
    const char* name;
    EntryField field;
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
        KeyReleaseCase{"CapacityIpAtLimit", EntryField::Txtcapacity, kIp, "10", "10", true},
        KeyReleaseCase{"CapacityIpAboveLimit", EntryField::Txtcapacity, kIp, "11", "", true},
        KeyReleaseCase{"CapacityIpFraction", EntryField::Txtcapacity, kIp, "10.01", "", true},
        KeyReleaseCase{"CapacitySiAtLimit", EntryField::Txtcapacity, kSi, "35", "35", true},
        KeyReleaseCase{"CapacitySiAboveLimit", EntryField::Txtcapacity, kSi, "36", "", true},
        KeyReleaseCase{"CapacityMinus", EntryField::Txtcapacity, kIp, "-", "", true},
        KeyReleaseCase{"CapacityEmptyStaysEmpty", EntryField::Txtcapacity, kIp, "", "", true},
        KeyReleaseCase{"CapacityZeroStays", EntryField::Txtcapacity, kIp, "0", "0", true},
        KeyReleaseCase{"CapacityLetter", EntryField::Txtcapacity, kSi, "5a", "", true},
        KeyReleaseCase{"CapacityKeepsBlanksAndExponent", EntryField::Txtcapacity, kIp, " 1e1",
                       " 1e1", true},
        KeyReleaseCase{"EvapMinusStays", EntryField::Txtet, kIp, "-", "-", false},
        KeyReleaseCase{"EvapMinusStaysSi", EntryField::Txtet, kSi, "-", "-", false},
        KeyReleaseCase{"EvapIpLowestStays", EntryField::Txtet, kIp, "-40", "-40", false},
        KeyReleaseCase{"EvapIpBelowLowest", EntryField::Txtet, kIp, "-41", "", false},
        KeyReleaseCase{"EvapIpAtTop", EntryField::Txtet, kIp, "55", "55", false},
        KeyReleaseCase{"EvapIpAboveTop", EntryField::Txtet, kIp, "56", "", false},
        KeyReleaseCase{"EvapSiAtTop", EntryField::Txtet, kSi, "12", "12", false},
        KeyReleaseCase{"EvapSiAboveTop", EntryField::Txtet, kSi, "13", "", false},
        KeyReleaseCase{"EvapSiBelowLowest", EntryField::Txtet, kSi, "-40.5", "", false},
        KeyReleaseCase{"EvapDot", EntryField::Txtet, kIp, ".", "", false},
        KeyReleaseCase{"CondIpBelowCalculationLimitStays", EntryField::Txtct, kIp, "70", "70",
                       false},
        KeyReleaseCase{"CondIpAtTop", EntryField::Txtct, kIp, "150", "150", false},
        KeyReleaseCase{"CondIpAboveTop", EntryField::Txtct, kIp, "151", "", false},
        KeyReleaseCase{"CondSiAboveTop", EntryField::Txtct, kSi, "66", "", false},
        KeyReleaseCase{"CondSiIpValueTooHigh", EntryField::Txtct, kSi, "110", "", false},
        KeyReleaseCase{"CondMinus", EntryField::Txtct, kIp, "-", "", false},
        KeyReleaseCase{"SubcoolIpAtTop", EntryField::Txtsc, kIp, "20", "20", false},
        KeyReleaseCase{"SubcoolIpAboveTop", EntryField::Txtsc, kIp, "21", "", false},
        KeyReleaseCase{"SubcoolSiAtTop", EntryField::Txtsc, kSi, "10", "10", false},
        KeyReleaseCase{"SubcoolSiAboveTop", EntryField::Txtsc, kSi, "11", "", false},
        KeyReleaseCase{"SubcoolMinus", EntryField::Txtsc, kSi, "-", "", false},
        KeyReleaseCase{"PressureDropDotStays", EntryField::Cmbdpd, kIp, ".", ".", false},
        KeyReleaseCase{"PressureDropHalf", EntryField::Cmbdpd, kIp, ".5", ".5", false},
        KeyReleaseCase{"PressureDropLetter", EntryField::Cmbdpd, kIp, "x", "", false},
        KeyReleaseCase{"PressureDropHasNoLimit", EntryField::Cmbdpd, kSi, "500", "500", false},
        KeyReleaseCase{"PressureDropMinus", EntryField::Cmbdpd, kIp, "-", "", false},
        KeyReleaseCase{"CircuitsTrailingDot", EntryField::Txtcircuit, kIp, "2.", "2", true},
        KeyReleaseCase{"CircuitsCutToWhole", EntryField::Txtcircuit, kSi, "2.9", "2", true},
        KeyReleaseCase{"CircuitsZeroStays", EntryField::Txtcircuit, kIp, "0", "0", true},
        KeyReleaseCase{"CircuitsNegativeGoesDown", EntryField::Txtcircuit, kIp, "-0.5", "-1", true},
        KeyReleaseCase{"CircuitsExponent", EntryField::Txtcircuit, kIp, "2e2", "200", true},
        KeyReleaseCase{"CircuitsTooLargeToWrite", EntryField::Txtcircuit, kIp, "1e9", "", false},
        KeyReleaseCase{"CircuitsLetter", EntryField::Txtcircuit, kIp, "2a", "", false},
        KeyReleaseCase{"CircuitsMinus", EntryField::Txtcircuit, kIp, "-", "", false}),
    [](const testing::TestParamInfo<KeyReleaseCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace capillary
