#include "engine/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

namespace capillary {
namespace {

struct NumericCase {
    std::string_view text;
    double value;
};

TEST(NumericText, AcceptsDecimalForms) {
    const NumericCase cases[] = {
        {"40", 40},   {"40.0", 40},  {"-40", -40}, {"+5", 5},     {".5", 0.5},
        {"2.", 2},    {"-.5", -0.5}, {"0", 0},     {"1e3", 1000}, {"1.5E-2", 0.015},
        {" 12 ", 12}, {"\t7", 7},    {"007", 7},   {"1e+2", 100}, {"123456", 123456},
    };
    for (const auto& [text, value] : cases) {
        auto parsed = parseNumericText(text);
        ASSERT_TRUE(parsed.has_value()) << '"' << text << '"';
        EXPECT_DOUBLE_EQ(*parsed, value) << '"' << text << '"';
    }
}

TEST(NumericText, RejectsEverythingElse) {
    for (std::string_view text :
         {"",    " ",     "-",        ".",     "-.",     "+",    "e5",     "1e",  "1e+",
          "1,5", "1.2.3", "--1",      "+-1",   "1 2",    "12a",  "x",      "inf", "-inf",
          "nan", "NaN",   "infinity", "1e999", "-1e999", "0x10", "1e-999", "٣"}) {
        EXPECT_FALSE(isNumericText(text)) << '"' << text << '"';
    }
}

TEST(NumericText, NegativeZeroIsZero) {
    auto parsed = parseNumericText("-0");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, 0.0);
}

}  // namespace
}  // namespace capillary
