// Runs the built capillary-size's second opinions as a script would: a sized tube checked and
// its march printed, a given tube rated, the validation table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "shell_run.h"
#include "worked_examples.h"

namespace {

using capillary::testing::capillarySize;
using capillary::testing::kFirstExample;
using capillary::testing::kMetricExample;
using capillary::testing::kRating;
using capillary::testing::ProcessResult;

const std::string kFirstResults =
    "Line Size : 0.09 Inch Copper Tube Inside diameter\n"
    "Velocity : 15.86 FPS\n"
    "Length : 22.1 Ft\n"
    "Total Pressure Drop : 130 Psi\n"
    "Actual Pressure Drop : 5.9 Psi / Ft\n";

nlohmann::json jsonOf(const std::string& arguments) {
    const ProcessResult run = capillarySize(arguments + " --json");
    EXPECT_EQ(run.code, 0) << arguments << "\n" << run.out;
    return nlohmann::json::parse(run.out);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

TEST(CapillarySizeCheck, FollowsTheResultLines) {
    const ProcessResult run = capillarySize(kFirstExample + " --check");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              kFirstResults +
                  "\nSecond opinion on the 0.09 in tube at 182.19 lb/h per circuit:\n"
                  "Homogeneous Model : 12.4 Ft, not choked (liquid 5.4 Ft; exit quality 0.200 at "
                  "162.49 FPS)\n"
                  "ASHRAE Chart : 13.9 Ft for this flow; the sized 22.1 Ft passes 145.48 lb/h\n");
    const ProcessResult metric = capillarySize(kMetricExample + " --check");
    EXPECT_NE(metric.out.find(
                  "\nSecond opinion on the 0.09 in tube at 83.30 kg/h per circuit:\n"
                  "Homogeneous Model : 3772 mm, not choked (liquid 1503 mm; exit quality 0.211 at "
                  "51.47 m/s)\n"
                  "ASHRAE Chart : 4256 mm for this flow; the sized 7137 mm passes 64.81 kg/h\n"),
              std::string::npos)
        << metric.out;
}

TEST(CapillarySizeCheck, TheChartHoldsForR22Only) {
    const std::string design = kFirstExample + " --refrigerant R134a --check";
    const ProcessResult run = capillarySize(design);
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("Homogeneous Model : 5.2 Ft, choked at 63.1 F"), std::string::npos);
    EXPECT_NE(run.out.find("\nASHRAE Chart : holds for R22 only\n"), std::string::npos);
    const auto check = jsonOf(design)["check"];
    EXPECT_TRUE(check["chart"].is_null());
    EXPECT_EQ(check["homogeneous"]["choked"], true);
    EXPECT_NEAR(check["homogeneous"]["chokeTemperatureF"].get<double>(), 63.1, 0.05);
}

// Each model's length for the design's flow is the length at which it rates the bore at that
// flow: the check and the rating read the same conditions in the same units.
TEST(CapillarySizeCheck, RatingTheCheckedLengthsGivesBackTheDesignFlow) {
    const auto sized = jsonOf(kFirstExample + " --check");
    const double designFlow = sized["raw"]["massFlowLbPerH"];
    const auto& check = sized["check"];
    EXPECT_EQ(check["homogeneous"]["choked"], false);
    EXPECT_TRUE(check["homogeneous"]["chokeTemperatureF"].is_null());
    const auto rateAt = [](const nlohmann::json& lengthFt) {
        return jsonOf(kRating + " --tube-length " + lengthFt.dump());
    };
    EXPECT_NEAR(rateAt(check["homogeneous"]["lengthFt"])["homogeneous"]["massFlowLbPerH"],
                designFlow, 0.01);
    EXPECT_NEAR(rateAt(check["chart"]["lengthFt"])["chart"]["massFlowLbPerH"], designFlow, 0.01);
    EXPECT_NEAR(rateAt(sized["raw"]["lengthFt"])["chart"]["massFlowLbPerH"],
                check["chart"]["massFlowLbPerH"], 1e-6);
}

TEST(CapillarySizeCheck, NoBoreNoSecondOpinion) {
    const std::string design = kFirstExample + " --capacity 10 --condensing 120 --max-dp 1";
    const ProcessResult run = capillarySize(design + " --check --profile");
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "error: There is not any pipe size with this data.\n");
    const ProcessResult json = capillarySize(design + " --check --profile --json");
    EXPECT_EQ(json.code, 2);
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_FALSE(parsed.contains("check"));
    EXPECT_FALSE(parsed.contains("profile"));
}

// The march from the liquid inlet (condensing less subcooling) to the evaporating temperature,
// after a blank line, ending where the check's length does.
TEST(CapillarySizeProfile, FollowsTheResultsAsCsv) {
    const ProcessResult run = capillarySize(kFirstExample + " --profile");
    EXPECT_EQ(run.code, 0);
    ASSERT_EQ(run.out.rfind(kFirstResults + "\n", 0), 0u) << run.out;
    const std::vector<std::string> csv = lines(run.out.substr(kFirstResults.size() + 1));
    ASSERT_GT(csv.size(), 3u);
    EXPECT_EQ(csv[0], "temperature_F,pressure_psia,quality,velocity_ft_per_s,reynolds,length_ft");
    EXPECT_EQ(csv[1].rfind("100.00,", 0), 0u) << csv[1];
    EXPECT_EQ(csv[1].substr(csv[1].rfind(',')), ",0.0000");
    EXPECT_EQ(csv.back().rfind("40.00,", 0), 0u) << csv.back();
    EXPECT_EQ(csv.back().substr(csv.back().rfind(',')), ",12.3593");

    const auto json = jsonOf(kFirstExample + " --check --profile");
    const auto& steps = json["profile"]["steps"];
    EXPECT_EQ(steps.size(), csv.size() - 1);
    EXPECT_EQ(steps.back()["lengthFt"], json["check"]["homogeneous"]["lengthFt"]);
    EXPECT_EQ(steps.back()["quality"], json["check"]["homogeneous"]["exitQuality"]);

    const ProcessResult metric = capillarySize(kMetricExample + " --profile");
    EXPECT_NE(metric.out.find("\n\ntemperature_C,pressure_bar,quality,velocity_m_per_s,reynolds,"
                              "length_m\n40.00,"),
              std::string::npos)
        << metric.out;
}

TEST(CapillarySizeRate, GivesTheFlowAndCapacityByEachModel) {
    const struct {
        std::string arguments, out;
    } cases[] = {
        {kRating,
         "Homogeneous Model : 137.88 lb/h per circuit, 0.76 tons, not choked\n"
         "ASHRAE Chart : 145.52 lb/h per circuit, 0.80 tons\n"},
        {kRating + " --units si --bore 2.286 --tube-length 6.736 --evaporating 5 --condensing 45 "
                   "--subcooling 5 --circuits 2",
         "Homogeneous Model : 63.13 kg/h per circuit, 5.30 kW, not choked\n"
         "ASHRAE Chart : 66.73 kg/h per circuit, 5.61 kW\n"},
        {kRating + " --refrigerant R404A --evaporating -20",
         "Homogeneous Model : 141.44 lb/h per circuit, 0.42 tons, choked\n"
         "ASHRAE Chart : holds for R22 only\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = capillarySize(c.arguments);
        EXPECT_EQ(run.code, 0) << c.arguments;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
}

TEST(CapillarySizeRate, JsonInEnglishUnits) {
    const auto json = jsonOf(kRating + " --circuits 2");
    EXPECT_NEAR(json["homogeneous"]["massFlowLbPerH"].get<double>(), 137.88, 0.005);
    EXPECT_NEAR(json["homogeneous"]["capacityTons"].get<double>(), 2 * 0.7568, 0.0001);
    EXPECT_EQ(json["homogeneous"]["choked"], false);
    EXPECT_NEAR(json["chart"]["massFlowLbPerH"].get<double>(), 145.52, 0.005);
    EXPECT_EQ(json["units"], "ip");
    EXPECT_EQ(json["inputs"]["tube_length"], "22.1");
    EXPECT_EQ(json["inputs"]["circuits"], "2");
    EXPECT_TRUE(jsonOf(kRating + " --refrigerant R407C")["chart"].is_null());
}

TEST(CapillarySizeRate, SaysWhyTheHomogeneousModelCannotRate) {
    const std::string warm = kRating + " --evaporating 55 --condensing 80 --subcooling 40";
    const std::string why =
        "The homogeneous model cannot rate this tube: the evaporating temperature is not below "
        "the liquid's inlet temperature (condensing less subcooling).";
    const ProcessResult run = capillarySize(warm);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "ASHRAE Chart : 165.67 lb/h per circuit, 1.05 tons\nerror: " + why + "\n");
    const ProcessResult json = capillarySize(warm + " --json");
    EXPECT_EQ(json.code, 2);
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_EQ(parsed["error"], why);
    EXPECT_TRUE(parsed["homogeneous"].is_null());
    EXPECT_FALSE(parsed["chart"].is_null());
}

// The document cannot drift from what the models give.
TEST(CapillarySizeValidate, TheDocumentHoldsTheTable) {
    const ProcessResult run = capillarySize("--validate");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out.rfind("| Compared | Reference | Model | Deviation | Note |\n", 0), 0u);
    std::ifstream file(CAPILLARY_VALIDATION_DOC);
    ASSERT_TRUE(file) << CAPILLARY_VALIDATION_DOC;
    const std::string document{std::istreambuf_iterator<char>(file), {}};
    EXPECT_NE(document.find(run.out), std::string::npos)
        << "regenerate docs/validation.md from capillary-size --validate:\n"
        << run.out;
}

}  // namespace
