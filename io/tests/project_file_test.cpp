#include "io/project_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "project_examples.h"

namespace capillary {
namespace {

using namespace std::string_literals;

struct RoundTripCase {
    const char* what;
    std::function<void(ProjectRecord&)> change;  // applied to the fresh English design
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.what; }

class ProjectFileRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(ProjectFileRoundTrip, ReadsBackWhatWasWritten) {
    ProjectRecord saved = freshEnglishDesign();
    GetParam().change(saved);
    const ProjectReadResult read = parseProjectFile(projectFileBytes(saved));
    ASSERT_TRUE(read.ok()) << read.reason;
    EXPECT_EQ(*read.record, saved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectFileRoundTrip,
    testing::Values(
        RoundTripCase{"a fresh English design", [](ProjectRecord&) {}},
        RoundTripCase{
            "every field different",
            [](ProjectRecord& r) {
                r = {"R134a", "1",
                     "2",     "3",
                     "4",     "6",
                     "7.5",   "8",
                     "cust",  "proj",
                     "note",  {"c2", "c3", "c4", "c5", "c6", "c7", "c9", "c15", "c17", "c19"},
                     1,       1};
            }},
        RoundTripCase{"a Metric design",
                      [](ProjectRecord& r) {
                          r.capacity = "18"s, r.evaporating = "4"s, r.condensing = "43"s;
                          r.subcooling = "6"s, r.maxPressureDrop = "1.13"s;
                          r.captions = {"System Capacity (kw) :",
                                        "Evaporating Temperature (C) :",
                                        "Condensing Temperature (C) :",
                                        "Superheat (C) :",
                                        "Subcool (C) :",
                                        "Max. Pressure drop (Bar / Meter) :",
                                        "No of Circuit :",
                                        "bar",
                                        "m/s",
                                        "mm "};
                          r.history = 1, r.unit = 1;
                      }},
        RoundTripCase{"a hidden superheat", [](ProjectRecord& r) { r.superheat = "7"s; }},
        RoundTripCase{"a heading entered empty",
                      [](ProjectRecord& r) { r.customer = ""s, r.project = ""s; }},
        RoundTripCase{"only the project entered", [](ProjectRecord& r) { r.project = "P"s; }},
        RoundTripCase{"no refrigerant and no pressure drop",
                      [](ProjectRecord& r) { r.refrigerant = ""s, r.maxPressureDrop = ""s; }},
        RoundTripCase{"quotes in texts",
                      [](ProjectRecord& r) {
                          r.customer = "\""s, r.project = "a \"\"b\"\" c"s, r.note = "\"\n\""s;
                          r.capacity = "5\""s;
                      }},
        RoundTripCase{"a note of several lines, blank lines included",
                      [](ProjectRecord& r) { r.note = "line one\n\n  line three\n"s; }},
        RoundTripCase{"non-ASCII text", [](ProjectRecord& r) {
                          r.customer = "K\xC3\xA4ltetechnik M\xC3\xBCller"s;  // Kältetechnik
                          r.note = "\xE5\x86\xB7\xE5\x87\x8D \xF0\x9F\xA7\x8A \xE2\x82\xAC"s;
                          r.captions.Lbl3 =
                              "Evaporating Temperature (\xC2\xB0"
                              "C) :"s;
                      }}));

}  // namespace
}  // namespace capillary
