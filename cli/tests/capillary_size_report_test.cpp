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
#include "testing/golden_projects.h"
#include "testing/pdf_text.h"

namespace {

using capillary::testing::capillarySize;
using capillary::testing::ProcessResult;
using capillary::testing::runShell;

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

using capillary::test_support::goldenProject;
using capillary::test_support::havePoppler;
using capillary::test_support::pdfPages;
using capillary::test_support::quotedValue;
using capillary::test_support::withValue;

// The English golden design at 1 ton, with maximum pressure drop `maxDp` and a heading whose
// project was never entered.
std::string project(const std::string& maxDp, const std::string& capacity = "1") {
    std::string file = goldenProject("english.cqz");
    file = withValue(file, 2, quotedValue(capacity));
    file = withValue(file, 7, quotedValue(maxDp));
    file = withValue(file, 9, quotedValue("Polar Cold Stores"));
    return withValue(file, 11, quotedValue("glass door"));
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
        return capillary::test_support::pdfText(file.string()).value_or("");
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
