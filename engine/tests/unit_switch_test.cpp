#include "engine/unit_switch.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/fixed_point.h"

namespace capillary {
namespace {

struct Inputs {
    std::string capacity, evaporating, condensing, superheat, subcooling;
};

Inputs switchTo(const Inputs& in, UnitSystem target) {
    return {convertInputText(in.capacity, Quantity::Capacity, target),
            convertInputText(in.evaporating, Quantity::Temperature, target),
            convertInputText(in.condensing, Quantity::Temperature, target),
            convertInputText(in.superheat, Quantity::TemperatureDifference, target),
            convertInputText(in.subcooling, Quantity::TemperatureDifference, target)};
}

TEST(UnitSwitch, ThereAndBackRoundsToWholeNumbers) {
    const Inputs metric = switchTo({"5", "40", "110", "0", "10"}, UnitSystem::Metric);
    EXPECT_EQ(metric.capacity, "18");
    EXPECT_EQ(metric.evaporating, "4");
    EXPECT_EQ(metric.condensing, "43");
    EXPECT_EQ(metric.superheat, "0");
    EXPECT_EQ(metric.subcooling, "6");
    const Inputs english = switchTo(metric, UnitSystem::English);
    EXPECT_EQ(english.capacity, "5");
    EXPECT_EQ(english.evaporating, "39");
    EXPECT_EQ(english.condensing, "109");
    EXPECT_EQ(english.subcooling, "11");
}

TEST(UnitSwitch, TextsThatAreNotNumbersStayAsTheyAre) {
    for (const char* text : {"", "-", ".", "abc"}) {
        EXPECT_EQ(convertInputText(text, Quantity::Temperature, UnitSystem::Metric), text);
    }
    EXPECT_EQ(convertInputText("-40", Quantity::Temperature, UnitSystem::Metric), "-40");
    // Halves go away from zero: 2.5 °C difference is 4.5 °F.
    EXPECT_EQ(convertInputText("2.5", Quantity::TemperatureDifference, UnitSystem::English), "5");
}

TEST(UnitSwitch, PressureDropRoundsToTheTargetsDecimals) {
    EXPECT_EQ(formatPlainDecimal(*convertPressureDrop("5", UnitSystem::Metric)), "1.13");
    EXPECT_EQ(formatPlainDecimal(*convertPressureDrop("1.13", UnitSystem::English)), "5");
    EXPECT_EQ(formatPlainDecimal(*convertPressureDrop("0.5", UnitSystem::English)), "2.2");
    EXPECT_EQ(formatPlainDecimal(*convertPressureDrop("100", UnitSystem::Metric)), "22.62");
    EXPECT_FALSE(convertPressureDrop("", UnitSystem::Metric));
    EXPECT_FALSE(convertPressureDrop(".", UnitSystem::English));
}

TEST(UnitSwitch, SavedPressureDropReappearsRoundedToItsSystem) {
    EXPECT_EQ(reformatSavedPressureDrop("0.5", UnitSystem::Metric), "0.5");
    EXPECT_EQ(reformatSavedPressureDrop("0.123", UnitSystem::Metric), "0.12");
    EXPECT_EQ(reformatSavedPressureDrop("4.27", UnitSystem::English), "4.3");
    EXPECT_EQ(reformatSavedPressureDrop("100", UnitSystem::English), "100");
    EXPECT_EQ(reformatSavedPressureDrop("", UnitSystem::English), std::nullopt);
    // Too large to take through the other system: no value rather than an infinite one.
    EXPECT_EQ(reformatSavedPressureDrop("1e308", UnitSystem::Metric), std::nullopt);
    EXPECT_EQ(openingPressureDropText("1e308", UnitSystem::Metric), std::nullopt);
}

}  // namespace
}  // namespace capillary
