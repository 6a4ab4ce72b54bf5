// Runs the built capillary-size with --report and reads the PDF back with poppler-utils.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include <unistd.h>

#include "shell_run.h"

namespace {

using capillary::testing::capillarySize;
using capillary::testing::ProcessResult;
using capillary::testing::runShell;

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

bool havePoppler() {
    return runShell("command -v pdftotext").code == 0 && runShell("command -v pdfinfo").code == 0;
}

// An English design saved by the window, with maximum pressure drop `maxDp` and a heading
// whose project was never entered.
std::string project(const std::string& maxDp, const std::string& capacity = "1") {
    return "\"R22\"\r\n\"" + capacity + "\"\r\n\"40\"\r\n\"110\"\r\n\"0\"\r\n\"10\"\r\n\"" + maxDp +
           "\"\r\n\"1\"\r\n\"Polar Cold Stores\"\r\n\r\n\"glass door\"\r\n"
           "\"System Capacity (tons) :\"\r\n\"Evaporating Temperature (F) :\"\r\n"
           "\"Condensing Temperature (F) :\"\r\n\"Superheat (F) :\"\r\n\"Subcool (F) :\"\r\n"
           "\"Max. Pressure drop (Psi / Ft) :\"\r\n\"No of Circuit :\"\r\n\"Psi \"\r\n"
           "\"FPS\"\r\n\"Ft\"\r\n0\r\n0\r\n";
}

std::string today() {  // as the report prints it: day/month/year without leading zeros
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    return std::to_string(local.tm_mday) + "/" + std::to_string(local.tm_mon + 1) + "/" +
           std::to_string(local.tm_year + 1900);
}

class CapillarySizeReport : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::path(testing::TempDir()) /
                  ("capillary-report-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path pdf(const std::string& name) const { return folder_ / name; }
    static std::string pdfText(const std::filesystem::path& file) {
        return runShell("pdftotext -layout " + quoted(file) + " -").out;
    }
    static int pdfPages(const std::filesystem::path& file) {
        const std::string info = runShell("pdfinfo " + quoted(file)).out;
        const std::size_t at = info.find("Pages:");
        return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
    }

  private:
    std::filesystem::path folder_;
};

TEST_F(CapillarySizeReport, WritesTheSizedDesignWithTheFilesHeading) {
    const auto design = write("cabinet design.cqz", project("10"));
    const auto out = pdf("report out.pdf");
    const ProcessResult sized = runShell(
        "env -u XDG_RUNTIME_DIR " + std::string(CAPILLARY_SIZE_PATH) + " " + quoted(design) +
        " --report " + quoted(out) + " --project 'Cabinet 4' 2>&1 >/dev/null");
    EXPECT_EQ(sized.code, 0);
    EXPECT_EQ(sized.out, "");  // nothing at all on standard error
    EXPECT_NE(
        capillarySize(quoted(design)).out.find("Line Size : 0.09 Inch Copper Tube Inside diameter"),
        std::string::npos);
    ASSERT_TRUE(std::filesystem::exists(out));
    if (!havePoppler()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    EXPECT_EQ(pdfPages(out), 1);
    const std::string text = pdfText(out);
    for (const std::string& expected : std::initializer_list<std::string>{
             "Polar Cold Stores", "Cabinet 4", "glass door", "Refrigerant type :", "R22",
             "System Capacity (tons):", "Subcool (F) :", "Line Size :", "0.09",
             "Inch Copper Tube Inside diameter", "15.86", "FPS", "22.1", "130", "PSI", "5.9",
             "Date :", "Time :", today()}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

// No bore meets 1 psi/ft for ten tons: the report still comes, with empty results.
TEST_F(CapillarySizeReport, DesignWithoutABoreGetsEmptyResults) {
    const auto design = write("big.cqz", project("1", "10"));
    const auto out = pdf("big.pdf");
    const ProcessResult sized = capillarySize(quoted(design) + " --report " + quoted(out));
    EXPECT_EQ(sized.code, 2);
    ASSERT_TRUE(std::filesystem::exists(out));
    if (!havePoppler()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    const std::string text = pdfText(out);
    EXPECT_NE(text.find("Polar Cold Stores"), std::string::npos);
    EXPECT_EQ(text.find("Inch Copper Tube"), std::string::npos);
    EXPECT_EQ(text.find("0.09"), std::string::npos);
}

// Under a file-size limit the report cannot be finished; the old report must stay whole.
TEST_F(CapillarySizeReport, AnUnfinishedReportLeavesTheOldOne) {
    const auto design = write("cabinet.cqz", project("10"));
    const auto old = write("report.pdf", "%PDF-1.4 the report of last week\n");
    const ProcessResult limited = runShell("ulimit -f 16; " + std::string(CAPILLARY_SIZE_PATH) +
                                           " " + quoted(design) + " --report " + quoted(old));
    EXPECT_EQ(limited.code, 1);
    EXPECT_NE(limited.out.find("Cannot write report " + old.string() + ": File too large.\n"),
              std::string::npos)
        << limited.out;
    std::ifstream kept(old, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}),
              "%PDF-1.4 the report of last week\n");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(old.parent_path()), {}), 2);
}

TEST_F(CapillarySizeReport, FailuresAreReported) {
    const auto design = write("cabinet.cqz", project("10"));
    const ProcessResult unwritable =
        capillarySize(quoted(design) + " --report " + quoted(pdf("missing/folder/out.pdf")));
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.out.find("capillary-size: Cannot write report " +
                                  pdf("missing/folder/out.pdf").string() +
                                  ": No such file or directory.\n"),
              std::string::npos)
        << unwritable.out;
    const ProcessResult full = capillarySize(quoted(design) + " --report /dev/full");
    EXPECT_EQ(full.code, 1);
    EXPECT_NE(full.out.find("Cannot write report /dev/full: No space left on device.\n"),
              std::string::npos)
        << full.out;

    const auto rejected = write("rejected.cqz", project("10", "abc"));
    const ProcessResult refused =
        capillarySize(quoted(rejected) + " --report " + quoted(pdf("r.pdf")));
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.out.find("no report written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pdf("r.pdf")));

    EXPECT_EQ(capillarySize("--report " + quoted(pdf("x.pdf")) +
                            " --refrigerant R22 --capacity 1 --evaporating 40 --condensing 110"
                            " --subcooling 10 --max-dp 10 --circuits 1")
                  .code,
              64);
    EXPECT_EQ(capillarySize(quoted(design) + " --customer Someone").code, 64);
}

}  // namespace
