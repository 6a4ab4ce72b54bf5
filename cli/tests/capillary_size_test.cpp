// Runs the built capillary-size as a script would and checks what it prints and returns.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "shell_run.h"
#include "testing/golden_projects.h"
#include "worked_examples.h"

namespace {

using capillary::testing::capillarySize;
using capillary::testing::kFirstExample;
using capillary::testing::kMetricExample;
using capillary::testing::kRating;
using capillary::testing::ProcessResult;
using capillary::testing::runShell;

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
    const ProcessResult run = capillarySize(kMetricExample);
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
    EXPECT_EQ(json["inputs"]["superheat"], "0");  // the hidden field's start
    EXPECT_EQ(json["inputs"]["max_dp"], "10");
    EXPECT_EQ(json["raw"]["condensingF"], 110);
    EXPECT_EQ(json["raw"]["circuits"], 1);
    EXPECT_EQ(json["raw"]["boreIndex"], 8);
    EXPECT_EQ(json["raw"]["diameterFt"], 0.0075);
    EXPECT_NEAR(json["raw"]["massFlowLbPerH"].get<double>(), 182.19, 0.005);
    EXPECT_NEAR(json["raw"]["lengthFt"].get<double>(), 22.11, 0.005);
    ASSERT_EQ(json["bores"].size(), 14u);
    EXPECT_EQ(json["bores"][6]["accepted"], false);
    EXPECT_EQ(json["bores"][7]["accepted"], true);
    EXPECT_EQ(json["bores"][13]["label"], "0.2");
}

struct FailureCase {
    std::string arguments;
    int code;
    const char* error;  // the JSON error
    const char* field;  // the control, or nullptr
    const char* option;
};

void expectFailure(const FailureCase& c) {
    const ProcessResult run = capillarySize(c.arguments + " --json");
    EXPECT_EQ(run.code, c.code) << c.arguments;
    const auto json = nlohmann::json::parse(run.out);
    const auto orNull = [](const char* text) {
        return text ? nlohmann::json(text) : nlohmann::json();
    };
    EXPECT_EQ(json["error"], c.error) << c.arguments;
    EXPECT_EQ(json["field"], orNull(c.field)) << c.arguments;
    EXPECT_EQ(json["option"], orNull(c.option)) << c.arguments;
}

// What the Calculate command finds keeps its own message.
TEST(CapillarySize, CalculateChecksKeepTheirMessages) {
    const FailureCase cases[] = {
        {"--capacity 1", 1, "Data is not complete. ", "Cmbrt", "--refrigerant"},
        {kFirstExample + " --circuits 0", 1, "Data is not complete. ", "Txtcircuit", "--circuits"},
        {kMetricExample + " --condensing 24.9", 1,
         "Valid Range Is 25 to 65 C.please insert correct data. ", "Txtct", "--condensing"},
        {kFirstExample + " --max-dp .", 1, "Data is not complete. ", "Cmbdpd", "--max-dp"},
        {kFirstExample + " --evaporating -", 1, "Data is not complete. ", "Txtet", "--evaporating"},
        {kFirstExample + " --capacity 10 --condensing 120 --max-dp 1", 2,
         "There is not any pipe size with this data.", nullptr, nullptr},
    };
    for (const FailureCase& c : cases) expectFailure(c);
}

// What the window's typing checks would empty or change is refused before any sizing.
TEST(CapillarySize, RejectsWhatTheWindowCouldNotHold) {
    const FailureCase cases[] = {
        {kFirstExample + " --capacity 12", 1,
         "--capacity 12: above 10 tons, the largest capacity (Valid Range Is 1 to 10 Ton)",
         "Txtcapacity", "--capacity"},
        {kMetricExample + " --capacity 36", 1,
         "--capacity 36: above 35 kW, the largest capacity (Valid Range Is 1 to 35 KW)",
         "Txtcapacity", "--capacity"},
        {kFirstExample + " --subcooling '10 F'", 1,
         "--subcooling 10 F: not a number (Valid Range Is 0 to 20 F)", "Txtsc", "--subcooling"},
        {kFirstExample + " --evaporating -40.5", 1,
         "--evaporating -40.5: below -40 F, the lowest evaporating temperature "
         "(Valid Range Is -40 to 55 F)",
         "Txtet", "--evaporating"},
        {kMetricExample + " --evaporating 13", 1,
         "--evaporating 13: above 12 C, the highest evaporating temperature "
         "(Valid Range Is -40 to 12 C)",
         "Txtet", "--evaporating"},
        {kFirstExample + " --condensing 151", 1,
         "--condensing 151: above 150 F, the highest condensing temperature "
         "(Valid Range Is 80 to 150 F)",
         "Txtct", "--condensing"},
        {kMetricExample + " --subcooling 11", 1,
         "--subcooling 11: above 10 K, the largest subcooling (Valid Range Is 0 to 10 C)", "Txtsc",
         "--subcooling"},
        {kFirstExample + " --capacity -1", 1,
         "--capacity -1: the capacity field takes no minus sign (Valid Range Is 1 to 10 Ton)",
         "Txtcapacity", "--capacity"},
        {kFirstExample + " --max-dp -3", 1,
         "--max-dp -3: the pressure drop field takes no minus sign", "Cmbdpd", "--max-dp"},
        {kFirstExample + " --circuits 1.5", 1, "--circuits 1.5: not a whole number of circuits",
         "Txtcircuit", "--circuits"},
        {kFirstExample + " --circuits -1", 1,
         "--circuits -1: the number of circuits field takes no minus sign", "Txtcircuit",
         "--circuits"},
        {kFirstExample + " --superheat warm", 1, "--superheat warm: not a number", "Txtsh",
         "--superheat"},
        {kFirstExample + " --refrigerant R410A", 1,
         "--refrigerant R410A: not a known refrigerant; choose R22, R134a, R407C or R404A", "Cmbrt",
         "--refrigerant"},
        {kFirstExample + " --refrigerant r22", 1,
         "--refrigerant r22: not a known refrigerant; choose R22, R134a, R407C or R404A", "Cmbrt",
         "--refrigerant"},
        {kFirstExample + " --refrigerant 'R22 '", 1,
         "--refrigerant \"R22 \": not a known refrigerant; choose R22, R134a, R407C or R404A",
         "Cmbrt", "--refrigerant"},
    };
    for (const FailureCase& c : cases) expectFailure(c);
    // The limits themselves and a whole count written with a point stand.
    EXPECT_EQ(capillarySize(kFirstExample + " --capacity 10 --circuits 2.").code, 0);
}

// A rating option has no window control: the error names the option alone.
TEST(CapillarySize, RejectsRatingOptions) {
    const FailureCase cases[] = {
        {"--rate --refrigerant R22", 1, "--bore \"\": missing; a rating needs the bore", nullptr,
         "--bore"},
        {kRating + " --tube-length 0", 1, "--tube-length 0: the tube length must be above zero",
         nullptr, "--tube-length"},
        {kRating + " --condensing 79", 1,
         "--condensing 79: below 80 F, the lowest condensing temperature "
         "(Valid Range Is 80 to 150 F)",
         nullptr, "--condensing"},
        {kRating + " --units si --bore 2.3 --tube-length 6.7 --evaporating 5 --condensing 45 "
                   "--subcooling 23",
         1, "--subcooling 23: above 22 K, the largest subcooling (Valid Range Is 0 to 22 K)",
         nullptr, "--subcooling"},
        {kRating + " --circuits ''", 1,
         "--circuits \"\": missing; a rating needs the number of "
         "circuits",
         nullptr, "--circuits"},
    };
    for (const FailureCase& c : cases) expectFailure(c);
    const ProcessResult text = capillarySize(kRating + " --refrigerant r22");
    EXPECT_EQ(text.code, 1);
    EXPECT_EQ(text.out,
              "error: --refrigerant r22: not a known refrigerant; choose R22, R134a, R407C or "
              "R404A\n");
}

TEST(CapillarySize, UsageErrors) {
    for (const std::string& arguments : {kFirstExample + " --units kelvin",
                                         kFirstExample + " --colour",
                                         kFirstExample + " --jobs 2",
                                         std::string("--batch - --json"),
                                         std::string("--batch - --bores"),
                                         std::string("--batch - --capacity 1"),
                                         std::string("--batch - --jobs 0"),
                                         std::string("--batch - --check"),
                                         std::string("--batch - --profile"),
                                         std::string("--batch - --rate"),
                                         kFirstExample + " --bore 0.09",
                                         std::string("--tube-length 1 saved.cqz"),
                                         kRating + " --capacity 1",
                                         kRating + " --max-dp 10",
                                         kRating + " --superheat 0",
                                         kRating + " --check",
                                         kRating + " --profile",
                                         kRating + " --bores",
                                         kRating + " saved.cqz",
                                         std::string("--validate --json"),
                                         std::string("--validate --units ip"),
                                         std::string("--validate saved.cqz")}) {
        const ProcessResult run = capillarySize(arguments + " </dev/null");
        EXPECT_EQ(run.code, 64) << arguments;
        EXPECT_EQ(run.out.find("rows:"), std::string::npos) << arguments;  // nothing was sized
    }
}

TEST(CapillarySize, TextModeNamesTheFieldOnError) {
    const ProcessResult run = capillarySize(kFirstExample + " --circuits x");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "error: --circuits x: not a number\nfield: Txtcircuit (--circuits)\n");
}

TEST(CapillarySize, HelpAndVersion) {
    EXPECT_EQ(capillarySize("--version").out, "capillary-size 1.0.0\n");
    const ProcessResult help = capillarySize("--help");
    EXPECT_EQ(help.code, 0);
    for (const char* option :
         {"--batch", "--check", "--profile", "--rate", "--bore", "--tube-length", "--validate"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

TEST(CapillarySize, BatchFromStandardInput) {
    const ProcessResult run = runShell(
        "printf 'refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits\\n"
        "R22,1,40,110,10,10,2\\n' | " CAPILLARY_SIZE_PATH " --batch -");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits,line_size,"
              "velocity,length,total_pressure_drop,actual_pressure_drop,error\n"
              "R22,1,40,110,10,10,2,0.07,13.11,23.0,130,5.6,\n"
              "1 row: 1 sized, 0 no bore, 0 rejected\n");
    EXPECT_EQ(capillarySize("--batch /nonexistent/designs.csv").code, 1);
}

// A consumer reading a live pipe sees each row as soon as it is sized, while the batch's input
// is still open.
TEST(CapillarySize, BatchRowsReachALivePipeAtOnce) {
    int toSizer[2], fromSizer[2];
    ASSERT_EQ(pipe(toSizer), 0);
    ASSERT_EQ(pipe(fromSizer), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(toSizer[0], STDIN_FILENO);
        dup2(fromSizer[1], STDOUT_FILENO);
        for (int fd : {toSizer[0], toSizer[1], fromSizer[0], fromSizer[1]}) close(fd);
        execl(CAPILLARY_SIZE_PATH, CAPILLARY_SIZE_PATH, "--batch", "-",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toSizer[0]);
    close(fromSizer[1]);
    std::string seen;
    // Waits up to a second for `text` to arrive on the sizer's output.
    const auto arrives = [&](const std::string& text) {
        for (pollfd ready{fromSizer[0], POLLIN, 0}; seen.find(text) == std::string::npos;) {
            if (poll(&ready, 1, 1000) <= 0) return false;
            char buffer[4096];
            const ssize_t n = read(fromSizer[0], buffer, sizeof buffer);
            if (n <= 0) return false;
            seen.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    };
    const std::string header =
        "refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits\n";
    ASSERT_EQ(write(toSizer[1], header.data(), header.size()), ssize_t(header.size()));
    EXPECT_TRUE(arrives("actual_pressure_drop,error\n")) << seen;
    for (const std::string row : {"R22,1,40,110,10,10,1\n", "R22,1,40,110,10,10,2\n"}) {
        ASSERT_EQ(write(toSizer[1], row.data(), row.size()), ssize_t(row.size()));
        EXPECT_TRUE(arrives(row.substr(0, row.size() - 1) + ",0.0")) << seen;
    }
    close(toSizer[1]);
    int status = 0;
    waitpid(child, &status, 0);
    close(fromSizer[0]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The Metric golden design: 3.5 kW, 5 °C, 45 °C, 5 K, 2.004 bar/m (shown as 2), one circuit.
const std::string kMetricProject = capillary::test_support::goldenProject("metric.cqz");

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
    // The saved 2.004 bar/m opens as 2, as the window shows it, and sizes the Metric example.
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

// Saved values no typing check saw: a march no real tube could follow finds no bore.
TEST_F(CapillarySizeProjectFile, ImpossibleDesignsFindNoBore) {
    struct Case {
        const char *refrigerant, *evaporating, *condensing, *subcooling, *unit;
    };
    for (const auto& [refrigerant, et, ct, sc, unit] :
         {Case{"R22", "40", "110", "-1000", "0"}, Case{"R22", "230", "268", "40", "0"},
          Case{"R404A", "40", "110", "10", "1"}}) {
        using capillary::test_support::quotedValue;
        using capillary::test_support::withValue;
        std::string design = withValue(kMetricProject, 1, quotedValue(refrigerant));
        design = withValue(design, 3, quotedValue(et));
        design = withValue(design, 4, quotedValue(ct));
        design = withValue(design, 6, quotedValue(sc));
        design = withValue(design, 23, unit);
        const auto path = write("impossible.cqz", design);
        const ProcessResult run = capillarySize("'" + path.string() + "'");
        EXPECT_EQ(run.code, 2) << et << " " << ct << " " << sc;
        EXPECT_EQ(run.out, "error: There is not any pipe size with this data.\n") << run.out;
    }
}

TEST_F(CapillarySizeProjectFile, DesignOptionsDoNotMixWithAFile) {
    const auto path = write("mixed.cqz", kMetricProject);
    EXPECT_EQ(capillarySize("'" + path.string() + "' --units ip").code, 64);
    EXPECT_EQ(capillarySize("'" + path.string() + "' --circuits 2").code, 64);
}

}  // namespace
