#include "io/project_design.h"

#include <gtest/gtest.h>

#include "project_examples.h"

namespace capillary {
namespace {

TEST(ProjectDesign, OpensWithTheTextsAndUnitsOfTheFile) {
    const OpenedDesign english = openedDesign(freshEnglishDesign());
    EXPECT_EQ(english.unit, UnitSystem::English);
    EXPECT_EQ(english.texts.refrigerant, "R22");
    EXPECT_EQ(english.texts.capacity, "5");
    EXPECT_EQ(english.texts.superheat, "0");
    EXPECT_EQ(english.texts.maxPressureDrop, "5");
    EXPECT_EQ(english.texts.circuits, "1");
}

TEST(ProjectDesign, PressureDropIsRoundedToTheFilesUnitSystem) {
    struct Case {
        int unit;
        const char* saved;
        const char* shown;
    };
    for (const auto& [unit, saved, shown] :
         {Case{1, "0.5", "0.5"}, Case{1, "0.123", "0.12"}, Case{0, "4.27", "4.3"},
          Case{0, "100", "100"}, Case{7, "2", "2"}, Case{0, "", ""}}) {
        ProjectRecord record = freshEnglishDesign();
        record.unit = unit;
        record.maxPressureDrop = saved;
        EXPECT_EQ(openedDesign(record).texts.maxPressureDrop, shown) << saved;
        EXPECT_EQ(openedDesign(record).unit, unit ? UnitSystem::Metric : UnitSystem::English);
    }
}

TEST(ProjectDesign, FailureMessageNamesTheFile) {
    EXPECT_EQ(openFailureMessage("pump.cqz", "line 1 names no known refrigerant (\"R12\")"),
              "Cannot open pump.cqz: line 1 names no known refrigerant (\"R12\").");
}

}  // namespace
}  // namespace capillary
