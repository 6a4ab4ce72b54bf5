#include "engine/typing_rejection.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/field_entry_checks.h"
#include "engine/numeric_text.h"

namespace capillary {
namespace {

// A value is refused exactly when typing it would leave the field with another value, or
// with a minus sign typed where the field empties at once.
TEST(TypingRejection, RefusesWhatTypingWouldEmptyOrChange) {
    const char* texts[] = {"",    "-",  ".",  "5",   "10",   "11",  "35",    "36",  "-40",
                           "-41", "12", "13", "55",  "55.5", "150", "151",   "65",  "66",
                           "20",  "21", "-5", "1.5", "2.",   "x",   "1e999", " 7 ", "-0"};
    for (UnitSystem unit : {UnitSystem::English, UnitSystem::Metric}) {
        for (const InputFieldInfo& c : kInputFields) {
            if (!checkedWhileTyping(c.field)) continue;
            for (const char* text : texts) {
                const KeyReleaseOutcome typed = checkAfterKeyRelease(c.field, text, unit);
                const auto before = parseNumericText(text);
                const auto after = parseNumericText(typed.text);
                const bool valueKept = typed.text == text || (before && after && *before == *after);
                const bool minus = std::string(text).find('-') != std::string::npos &&
                                   !takesMinusSign(c.field) && before;
                const bool refused = typingRejectionReason(c.field, text, unit).has_value();
                EXPECT_EQ(refused, !valueKept || minus)
                    << controlName(c.field) << " '" << text << "' unit " << unitSystemName(unit);
            }
        }
    }
}

TEST(TypingRejection, ListsAreOnlyWhatTheyHold) {
    EXPECT_FALSE(typingRejectionReason(InputField::Cmbrt, "R404A", UnitSystem::English));
    EXPECT_FALSE(typingRejectionReason(InputField::Cmbrt, "", UnitSystem::English));
    EXPECT_EQ(typingRejectionReason(InputField::Cmbrt, "R12", UnitSystem::English),
              "not a known refrigerant; choose R22, R134a, R407C or R404A");
    EXPECT_FALSE(typingRejectionReason(InputField::Txtsh, "", UnitSystem::English));
    EXPECT_EQ(typingRejectionReason(InputField::Txtsh, "hot", UnitSystem::English), "not a number");
}

TEST(TypingRejection, TheFirstInCheckingOrderIsReported) {
    InputTexts texts{.refrigerant = "R22",
                     .capacity = "11",
                     .evaporating = "40",
                     .condensing = "200",
                     .subcooling = "10",
                     .maxPressureDrop = "10",
                     .circuits = "1"};
    const auto rejection = firstTypingRejection(texts, UnitSystem::English);
    ASSERT_TRUE(rejection);
    EXPECT_EQ(rejection->field, InputField::Txtcapacity);
    EXPECT_EQ(describeRejection("capacity", " 11", rejection->reason),
              "capacity \" 11\": above 10 tons, the largest capacity (Valid Range Is 1 to 10 Ton)");
}

}  // namespace
}  // namespace capillary
