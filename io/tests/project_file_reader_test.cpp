#include "io/project_file_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "project_examples.h"

namespace capillary {
namespace {

using namespace std::string_literals;

// freshEnglishLines() with some lines replaced (line numbers from 1) and cut to `count` lines.
std::string fileWith(std::vector<std::pair<int, std::string>> changes, std::size_t count = 23) {
    std::vector<std::string> lines = freshEnglishLines();
    for (auto& [line, value] : changes) lines[line - 1] = value;
    lines.resize(count);
    return joinLines(lines);
}

std::string withoutLastLineEnd(std::string file) {
    file.resize(file.size() - 2);
    return file;
}

TEST(ProjectFileReader, ReadsCrLfAndLfFiles) {
    for (const char* lineEnd : {"\r\n", "\n"}) {
        const ProjectReadResult result = parseProjectFile(joinLines(freshEnglishLines(), lineEnd));
        ASSERT_TRUE(result.ok()) << result.reason;
        EXPECT_EQ(*result.record, freshEnglishDesign());
        EXPECT_EQ(result.record->unitSystem(), UnitSystem::English);
    }
}

struct AcceptedCase {
    const char* what;
    std::string file;
    std::function<void(ProjectRecord&)> expect;  // turns the fresh English design into it
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.what; }

class ProjectFileReaderAccepts : public testing::TestWithParam<AcceptedCase> {};

TEST_P(ProjectFileReaderAccepts, TheFile) {
    const ProjectReadResult result = parseProjectFile(GetParam().file);
    ASSERT_TRUE(result.ok()) << result.reason;
    ProjectRecord expected = freshEnglishDesign();
    GetParam().expect(expected);
    EXPECT_EQ(*result.record, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectFileReaderAccepts,
    testing::Values(
        AcceptedCase{"no refrigerant chosen", fileWith({{1, "\"\""}}),
                     [](ProjectRecord& r) { r.refrigerant = ""s; }},
        AcceptedCase{"an empty bare line 1", fileWith({{1, ""}}),
                     [](ProjectRecord& r) { r.refrigerant = ""s; }},
        AcceptedCase{"an empty pressure drop", fileWith({{7, "\"\""}}),
                     [](ProjectRecord& r) { r.maxPressureDrop = ""s; }},
        AcceptedCase{"a pressure drop with blanks and exponent", fileWith({{7, "\" 4.5e0 \""}}),
                     [](ProjectRecord& r) { r.maxPressureDrop = " 4.5e0 "s; }},
        AcceptedCase{"inputs that are not numbers, as the window may hold them",
                     fileWith({{2, "\"abc\""}, {6, "\"\""}}),
                     [](ProjectRecord& r) { r.capacity = "abc"s, r.subcooling = ""s; }},
        AcceptedCase{"every refrigerant listed", fileWith({{1, "\"R404A\""}}),
                     [](ProjectRecord& r) { r.refrigerant = "R404A"s; }},
        AcceptedCase{"a heading, each line in its place",
                     fileWith({{9, "\"A\""}, {10, "\"B\""}, {11, "\"C\""}}),
                     [](ProjectRecord& r) { r.customer = "A"s, r.project = "B"s, r.note = "C"s; }},
        AcceptedCase{"a Metric design with 22 lines opens as English",
                     fileWith({{22, "1"}, {23, "1"}}, 22),
                     [](ProjectRecord& r) { r.history = 1, r.unit = 0; }},
        AcceptedCase{"an 11-line file leaves captions empty", fileWith({}, 11),
                     [](ProjectRecord& r) { r.captions = {}; }},
        AcceptedCase{"any non-zero unit, signed", fileWith({{22, "+2"}, {23, "-1"}}),
                     [](ProjectRecord& r) { r.history = 2, r.unit = -1; }},
        AcceptedCase{"blanks around values", fileWith({{1, " \t\"R22\" "}, {23, "  1\t"}}),
                     [](ProjectRecord& r) { r.unit = 1; }},
        AcceptedCase{"no line end after line 23", withoutLastLineEnd(fileWith({{23, "1"}})),
                     [](ProjectRecord& r) { r.unit = 1; }},
        AcceptedCase{"lines after line 23 are ignored", fileWith({}) + "\r\n\"R22\"\r\nx\n",
                     [](ProjectRecord&) {}},
        AcceptedCase{"unquoted texts and a quoted unit",
                     fileWith({{1, "R22"}, {2, "5"}, {9, "Acme"}, {23, "\"1\""}}),
                     [](ProjectRecord& r) { r.customer = "Acme"s, r.unit = 1; }},
        AcceptedCase{"lone CRs end lines, as old Mac files do",
                     "\"R22\"\r\"5\"\r\"40\"\r\"110\"\r\"0\"\r\"10\"\r\"5\"\r\"1\"\r",
                     [](ProjectRecord& r) { r.note = ""s, r.captions = {}; }},
        AcceptedCase{"line 22 is read and not used", fileWith({{22, "yes"}}),
                     [](ProjectRecord& r) { r.history = 0; }},
        AcceptedCase{"a UTF-8 byte-order mark", "\xEF\xBB\xBF" + fileWith({}),
                     [](ProjectRecord&) {}},
        AcceptedCase{"doubled quotes and line breaks of any kind inside quotes",
                     fileWith({{11, "\"say \"\"hi\"\"\r\nthen\nbye\rend\"\"\""}}),
                     [](ProjectRecord& r) { r.note = "say \"hi\"\nthen\nbye\nend\""s; }},
        AcceptedCase{"UTF-8 text", fileWith({{9, "\"Caf\xC3\xA9 \xE2\x82\xAC\""}}),
                     [](ProjectRecord& r) { r.customer = "Caf\xC3\xA9 \xE2\x82\xAC"s; }},
        AcceptedCase{"Windows-1252 text",
                     fileWith({{9, "\"Caf\xE9 \x80\""}, {11, "\"\x93x\x94\""}}),
                     [](ProjectRecord& r) {
                         r.customer = "Caf\xC3\xA9 \xE2\x82\xAC"s;
                         r.note = "\xE2\x80\x9Cx\xE2\x80\x9D"s;
                     }}));

struct RefusedCase {
    std::string file;
    std::string reason;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.reason; }

class ProjectFileReaderRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(ProjectFileReaderRefuses, WithItsReason) {
    const ProjectReadResult result = parseProjectFile(GetParam().file);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.reason, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectFileReaderRefuses,
    testing::Values(
        RefusedCase{fileWith({{1, "\"R12\""}}), "line 1 names no known refrigerant (\"R12\")"},
        RefusedCase{fileWith({{1, "\"r22\""}}), "line 1 names no known refrigerant (\"r22\")"},
        RefusedCase{
            fileWith({{1, "\"" + std::string(45, 'x') + "\""}}),
            "line 1 names no known refrigerant (\""s + std::string(40, 'x') + "\xE2\x80\xA6\")"},
        RefusedCase{fileWith({{7, "\"abc\""}}), "line 7 is not a number (\"abc\")"},
        RefusedCase{fileWith({{7, "\"1,5\""}}), "line 7 is not a number (\"1,5\")"},
        RefusedCase{fileWith({{7, "\"1e308\""}}), "line 7 is out of range (\"1e308\")"},
        RefusedCase{fileWith({{7, "\"5\r\n6\""}}), "line 7 is not a number (\"5 6\")"},
        RefusedCase{fileWith({{23, "1.5"}}), "line 23 is not a whole number (\"1.5\")"},
        RefusedCase{fileWith({{23, "+-1"}}), "line 23 is not a whole number (\"+-1\")"},
        RefusedCase{fileWith({{23, "99999999999"}}),
                    "line 23 holds a number out of range (\"99999999999\")"},
        RefusedCase{fileWith({{2, "\"5\" x"}}), "line 2 has text after its closing quote"},
        RefusedCase{fileWith({{11, "\"never closed"}}), "line 11 has no closing quote"},
        RefusedCase{fileWith({{21, "\"Ft"}}), "line 21 has no closing quote"},
        RefusedCase{fileWith({{3, std::string("\"4\0\"", 4)}}), "the file holds binary data"},
        RefusedCase{"\x7F"
                    "ELF\x02\x01\x01",
                    "the file holds binary data"},
        RefusedCase{"", "the file is empty"}, RefusedCase{" \r\n\r\n\t\n", "the file is empty"},
        RefusedCase{std::string(kMaxProjectFileBytes + 1, '\n'),
                    "the file is too large to be a project file"}));

TEST(ProjectFileReader, ReadsAFileByPathOrSaysWhyNot) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "project_file_reader_test";
    std::filesystem::create_directories(dir);
    const auto path = dir / "cold room.cqz";
    std::ofstream(path, std::ios::binary) << joinLines(freshEnglishLines());

    const ProjectReadResult read = readProjectFile(path);
    ASSERT_TRUE(read.ok()) << read.reason;
    EXPECT_EQ(*read.record, freshEnglishDesign());
    EXPECT_EQ(readProjectFile(dir / "missing.cqz").reason, "the file does not exist");
    EXPECT_EQ(readProjectFile(dir).reason, "the file cannot be read");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace capillary
