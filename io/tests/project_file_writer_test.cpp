#include "io/project_file_writer.h"

#include "io/project_file_reader.h"

#include <gtest/gtest.h>

#include "project_examples.h"

namespace capillary {
namespace {

TEST(ProjectFileWriter, WritesTheLayoutOfAFreshEnglishDesign) {
    EXPECT_EQ(projectFileBytes(freshEnglishDesign()), test_support::goldenProject("english.cqz"));
}

TEST(ProjectFileWriter, KeepsAnUnsetHeadingApartFromAnEmptyOne) {
    ProjectRecord r = freshEnglishDesign();
    r.customer = "";
    r.unit = 1;
    const std::string file = projectFileBytes(r);
    // Line 8, then customer empty, project unset, note empty.
    EXPECT_NE(file.find("\"1\"\r\n\"\"\r\n\r\n\"\"\r\n\"System"), std::string::npos) << file;
    EXPECT_TRUE(file.ends_with("\"Ft\"\r\n0\r\n1\r\n")) << file;
}

TEST(ProjectFileWriter, DoublesQuotesAndWritesLineBreaksAsCrLfInsideTheQuotes) {
    ProjectRecord r = freshEnglishDesign();
    r.customer = "Ice \"Polar\" Ltd";
    r.note = "first\nsecond\r\nthird\rfourth";
    const std::string file = projectFileBytes(r);
    EXPECT_NE(file.find("\r\n\"Ice \"\"Polar\"\" Ltd\"\r\n\r\n"
                        "\"first\r\nsecond\r\nthird\r\nfourth\"\r\n\"System"),
              std::string::npos)
        << file;
}

TEST(ProjectFileWriter, WritesControlCharactersAsBlanksSoTheFileStaysReadable) {
    ProjectRecord r = freshEnglishDesign();
    r.note = std::string("tab\there, form\ffeed, escape\x1b, nul") + '\0';
    const std::string file = projectFileBytes(r);
    EXPECT_NE(file.find("\"tab\there, form feed, escape , nul \""), std::string::npos) << file;
    const ProjectReadResult back = parseProjectFile(file);
    ASSERT_TRUE(back.ok()) << back.reason;
    EXPECT_EQ(back.record->note, "tab\there, form feed, escape , nul ");
}

}  // namespace
}  // namespace capillary
