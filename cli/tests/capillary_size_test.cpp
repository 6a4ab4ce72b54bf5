// Runs the built capillary-size as a script would and checks what it prints and returns.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "shell_run.h"

namespace {

using capillary::testing::capillarySize;
using capillary::testing::ProcessResult;

const std::string kFirstExample =
    "--refrigerant R22 --capacity 1 --evaporating 40 --condensing 110 --subcooling 10 "
    "--max-dp 10 --circuits 1";

TEST(CapillarySize, PrintsTheFiveResultLines) {
    const ProcessResult run = capillarySize(kFirstExample);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "Line Size : 0.09 Inch Copper Tube Inside diameter\n"
              "Velocity : 15.86 FPS\n"
              "Length : 22.1 Ft\n"
              "Total Pressure Drop : 130 Psi\n"
              "Actual Pressure Drop : 5.9 Psi / Ft\n");
}

TEST(CapillarySize, PrintsMetricResults) {
    const ProcessResult run = capillarySize(
        "--units si --refrigerant R22 --capacity 3.5 --evaporating 5 --condensing 45 "
        "--subcooling 5 --max-dp 2 --circuits 1");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "Line Size : 0.09 Inch Copper Tube Inside diameter\n"
              "Velocity : 4.91 m/s\n"
              "Length : 7137 mm\n"
              "Total Pressure Drop : 10 bar\n"
              "Actual Pressure Drop : 1.4 Bar / Meter\n");
}

TEST(CapillarySize, JsonCarriesTextsAndRawValues) {
    const ProcessResult run = capillarySize(kFirstExample + " --json --bores");
    ASSERT_EQ(run.code, 0);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["lineSize"], "0.09");
    EXPECT_EQ(json["lineSizeCaption"], "Inch Copper Tube Inside diameter");
    EXPECT_EQ(json["velocity"], "15.86");
    EXPECT_EQ(json["length"], "22.1");
    EXPECT_EQ(json["totalPressureDrop"], "130");
    EXPECT_EQ(json["actualPressureDrop"], "5.9");
    EXPECT_EQ(json["units"], "ip");
    EXPECT_EQ(json["raw"]["boreIndex"], 8);
    EXPECT_EQ(json["raw"]["diameterFt"], 0.0075);
    EXPECT_NEAR(json["raw"]["massFlowLbPerH"].get<double>(), 182.19, 0.005);
    EXPECT_NEAR(json["raw"]["lengthFt"].get<double>(), 22.11, 0.005);
    ASSERT_EQ(json["bores"].size(), 14u);
    EXPECT_EQ(json["bores"][6]["accepted"], false);
    EXPECT_EQ(json["bores"][7]["accepted"], true);
    EXPECT_EQ(json["bores"][13]["label"], "0.2");
}

TEST(CapillarySize, ExitCodesSayWhatWentWrong) {
    struct Case {
        std::string arguments;
        int code;
        const char* error;  // the JSON error, or nullptr for a usage error
        const char* field;
    };
    const Case cases[] = {
        {"--capacity 1", 1, "Data is not complete. ", "Cmbrt"},
        {kFirstExample + " --circuits 0", 1, "Data is not complete. ", "Txtcircuit"},
        {kFirstExample + " --evaporating -40.5", 1,
         "Valid Range Is -40 to 55 F.please insert correct data ", "Txtet"},
        {kFirstExample + " --units si --condensing 24.9", 1,
         "Valid Range Is 25 to 65 C.please insert correct data. ", "Txtct"},
        {kFirstExample + " --max-dp .", 1, "Data is not complete. ", "Cmbdpd"},
        {kFirstExample + " --capacity 10 --condensing 120 --max-dp 1", 2,
         "There is not any pipe size with this data.", nullptr},
        {kFirstExample + " --evaporating 105", 2, "There is not any pipe size with this data.",
         nullptr},
        {kFirstExample + " --units kelvin", 64, nullptr, nullptr},
        {kFirstExample + " --colour", 64, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const ProcessResult run = capillarySize(c.arguments + " --json");
        EXPECT_EQ(run.code, c.code) << c.arguments;
        if (!c.error) {
            EXPECT_NE(run.out.find("Usage: capillary-size"), std::string::npos) << run.out;
            continue;
        }
        const auto json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["error"], c.error) << c.arguments;
        EXPECT_EQ(json["field"], c.field ? nlohmann::json(c.field) : nlohmann::json()) << c.arguments;
    }
}

TEST(CapillarySize, TextModeNamesTheFieldOnError) {
    const ProcessResult run = capillarySize(kFirstExample + " --circuits x");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "error: Data is not complete. \nfield: Txtcircuit (--circuits)\n");
}

TEST(CapillarySize, HelpAndVersion) {
    EXPECT_EQ(capillarySize("--version").out, "capillary-size 1.0.0\n");
    const ProcessResult help = capillarySize("--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--batch"), std::string::npos);
}

TEST(CapillarySize, BatchFromStandardInput) {
    const ProcessResult run = capillarySize(
        "--batch - <<'EOF'\n"
        "refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits\n"
        "R22,1,40,110,10,10,2\n"
        "EOF\n");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits,line_size,"
              "velocity,length,total_pressure_drop,actual_pressure_drop,error\n"
              "R22,1,40,110,10,10,2,0.07,13.11,23.0,130,5.6,\n");
    EXPECT_EQ(capillarySize("--batch /nonexistent/designs.csv").code, 1);
}

// A Metric design saved by the window: 3.5 kW, 5 °C, 45 °C, 5 K, 2.04 bar/m, one circuit.
const char* kMetricProject =
    "\"R22\"\r\n\"3.5\"\r\n\"5\"\r\n\"45\"\r\n\"0\"\r\n\"5\"\r\n\"2.04\"\r\n\"1\"\r\n"
    "\r\n\r\n\"\"\r\n\"System Capacity (kw) :\"\r\n\"Evaporating Temperature (C) :\"\r\n"
    "\"Condensing Temperature (C) :\"\r\n\"Superheat (C) :\"\r\n\"Subcool (C) :\"\r\n"
    "\"Max. Pressure drop (Bar / Meter) :\"\r\n\"No of Circuit :\"\r\n\"bar\"\r\n\"m/s\"\r\n"
    "\"mm \"\r\n1\r\n1\r\n";

class CapillarySizeProjectFile : public testing::Test {
  protected:
    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        const auto path = std::filesystem::path(testing::TempDir()) / name;
        std::ofstream(path, std::ios::binary) << bytes;
        written_.push_back(path);
        return path;
    }
    void TearDown() override {
        for (const auto& path : written_) std::filesystem::remove(path);
    }

  private:
    std::vector<std::filesystem::path> written_;
};

TEST_F(CapillarySizeProjectFile, SizesASavedDesignInItsOwnUnits) {
    const auto path = write("metric design.cqz", kMetricProject);
    // The saved 2.04 bar/m opens as 2, as the window shows it, and sizes the Metric example.
    const ProcessResult run = capillarySize("'" + path.string() + "' --json");
    EXPECT_EQ(run.code, 0);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["units"], "si");
    EXPECT_EQ(json["lineSize"], "0.09");
    EXPECT_EQ(json["velocity"], "4.91");
    EXPECT_EQ(json["length"], "7137");
    EXPECT_EQ(json["actualPressureDrop"], "1.4");
}

TEST_F(CapillarySizeProjectFile, RefusesFilesItCannotOpen) {
    const auto path = write("pump.cqz", "\"R12\"\r\n");
    const ProcessResult bad = capillarySize("'" + path.string() + "'");
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.out,
              "capillary-size: Cannot open pump.cqz: line 1 names no known refrigerant "
              "(\"R12\").\n");
    const ProcessResult missing = capillarySize("/nonexistent/cold.cqz --json");
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(nlohmann::json::parse(missing.out)["error"],
              "Cannot open cold.cqz: the file does not exist.");
}

TEST_F(CapillarySizeProjectFile, DesignOptionsDoNotMixWithAFile) {
    const auto path = write("mixed.cqz", kMetricProject);
    EXPECT_EQ(capillarySize("'" + path.string() + "' --units ip").code, 64);
    EXPECT_EQ(capillarySize("'" + path.string() + "' --circuits 2").code, 64);
}

}  // namespace
