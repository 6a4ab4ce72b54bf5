#include "engine/rating_request.h"

#include <gtest/gtest.h>

#include <string>

namespace capillary {
namespace {

const RatingTexts kEnglishTube{"R22", "0.09", "22.1", "40", "110", "10", "1"};
const RatingTexts kMetricTube{"R134a", "2.286", "6.73608", "5", "45", "5", "2"};

TEST(RatingRequest, ConvertsToEnglishUnits) {
    const RatingRequest english = checkRatingRequest(kEnglishTube, UnitSystem::English);
    ASSERT_TRUE(english.ok());
    EXPECT_EQ(english.conditions.refrigerant, "R22");
    EXPECT_DOUBLE_EQ(english.diameterFt, 0.0075);
    EXPECT_DOUBLE_EQ(english.lengthFt, 22.1);
    EXPECT_DOUBLE_EQ(english.conditions.evaporatingF, 40);
    EXPECT_DOUBLE_EQ(english.conditions.condensingF, 110);
    EXPECT_DOUBLE_EQ(english.conditions.subcoolingF, 10);
    EXPECT_DOUBLE_EQ(english.circuits, 1);

    const RatingRequest metric = checkRatingRequest(kMetricTube, UnitSystem::Metric);
    ASSERT_TRUE(metric.ok());
    EXPECT_EQ(metric.conditions.refrigerant, "R134a");
    EXPECT_DOUBLE_EQ(metric.diameterFt, 0.0075);
    EXPECT_DOUBLE_EQ(metric.lengthFt, 22.1);
    EXPECT_DOUBLE_EQ(metric.conditions.evaporatingF, 41);
    EXPECT_DOUBLE_EQ(metric.conditions.condensingF, 113);
    EXPECT_DOUBLE_EQ(metric.conditions.subcoolingF, 9);
    EXPECT_DOUBLE_EQ(metric.circuits, 2);
}

struct Case {
    UnitSystem unit;
    std::string RatingTexts::*text;
    const char* value;
    RatingOption option;
    const char* message;  // none: the value stands
};

constexpr UnitSystem kIp = UnitSystem::English;
constexpr UnitSystem kSi = UnitSystem::Metric;

TEST(RatingRequest, NamesTheOptionAndTheRule) {
    const Case cases[] = {
        {kIp, &RatingTexts::refrigerant, "", RatingOption::Refrigerant,
         "--refrigerant \"\": missing; a rating needs the refrigerant"},
        {kIp, &RatingTexts::refrigerant, "R12", RatingOption::Refrigerant,
         "--refrigerant R12: not a known refrigerant; choose R22, R134a, R407C or R404A"},
        {kIp, &RatingTexts::bore, "0", RatingOption::Bore, "--bore 0: the bore must be above zero"},
        {kSi, &RatingTexts::bore, "-1", RatingOption::Bore,
         "--bore -1: the bore must be above zero"},
        {kIp, &RatingTexts::bore, "1e999", RatingOption::Bore, "--bore 1e999: not a number"},
        {kIp, &RatingTexts::tubeLength, "", RatingOption::TubeLength,
         "--tube-length \"\": missing; a rating needs the tube length"},
        {kIp, &RatingTexts::evaporating, "-40.5", RatingOption::Evaporating,
         "--evaporating -40.5: below -40 F, the lowest evaporating temperature "
         "(Valid Range Is -40 to 55 F)"},
        {kIp, &RatingTexts::evaporating, "-", RatingOption::Evaporating,
         "--evaporating -: not a number (Valid Range Is -40 to 55 F)"},
        {kSi, &RatingTexts::evaporating, "13", RatingOption::Evaporating,
         "--evaporating 13: above 12 C, the highest evaporating temperature "
         "(Valid Range Is -40 to 12 C)"},
        {kIp, &RatingTexts::condensing, "79", RatingOption::Condensing,
         "--condensing 79: below 80 F, the lowest condensing temperature "
         "(Valid Range Is 80 to 150 F)"},
        {kSi, &RatingTexts::condensing, "65.5", RatingOption::Condensing,
         "--condensing 65.5: above 65 C, the highest condensing temperature "
         "(Valid Range Is 25 to 65 C)"},
        {kIp, &RatingTexts::subcooling, "41", RatingOption::Subcooling,
         "--subcooling 41: above 40 F, the largest subcooling (Valid Range Is 0 to 40 F)"},
        {kSi, &RatingTexts::subcooling, "-1", RatingOption::Subcooling,
         "--subcooling -1: below 0 K, the lowest subcooling (Valid Range Is 0 to 22 K)"},
        {kIp, &RatingTexts::circuits, "1.5", RatingOption::Circuits,
         "--circuits 1.5: not a whole number of circuits"},
        {kIp, &RatingTexts::circuits, "0", RatingOption::Circuits,
         "--circuits 0: below 1, the fewest circuits"},
        {kIp, &RatingTexts::circuits, " ", RatingOption::Circuits,
         "--circuits \" \": not a number"},
        // The limits themselves stand.
        {kIp, &RatingTexts::evaporating, "55", RatingOption::Evaporating, nullptr},
        {kIp, &RatingTexts::condensing, "150", RatingOption::Condensing, nullptr},
        {kIp, &RatingTexts::subcooling, "40", RatingOption::Subcooling, nullptr},
        {kSi, &RatingTexts::subcooling, "22", RatingOption::Subcooling, nullptr},
        {kSi, &RatingTexts::condensing, "25", RatingOption::Condensing, nullptr},
        {kIp, &RatingTexts::bore, "1e-3", RatingOption::Bore, nullptr},
        {kIp, &RatingTexts::circuits, "3.", RatingOption::Circuits, nullptr},
    };
    for (const Case& c : cases) {
        RatingTexts texts = c.unit == kSi ? kMetricTube : kEnglishTube;
        texts.*c.text = c.value;
        const RatingRequest request = checkRatingRequest(texts, c.unit);
        if (!c.message) {
            EXPECT_TRUE(request.ok()) << c.value << ": " << request.rejection->message;
            continue;
        }
        ASSERT_FALSE(request.ok()) << c.message;
        EXPECT_EQ(request.rejection->option, c.option) << c.message;
        EXPECT_EQ(request.rejection->message, c.message);
    }
}

TEST(RatingRequest, ReportsTheFirstFailureInOptionOrder) {
    RatingTexts texts = kEnglishTube;
    texts.circuits = "0";
    texts.condensing = "200";
    texts.bore = "";
    EXPECT_EQ(checkRatingRequest(texts, kIp).rejection->option, RatingOption::Bore);
}

}  // namespace
}  // namespace capillary
