#include "engine/fixed_point.h"

#include <gtest/gtest.h>

#include <string_view>

namespace capillary {
namespace {

struct FixedCase {
    double value;
    int decimals;
    std::string_view text;
};

TEST(FixedPoint, FormatsWithTheGivenDecimals) {
    const FixedCase cases[] = {
        {129.70, 0, "130"},
        {15.8555, 2, "15.86"},
        {22.1098, 1, "22.1"},
        {0.04, 1, "0.0"},
        {7137.4, 0, "7137"},
        {5, 2, "5.00"},
        {0.5, 1, "0.5"},
        {1234567.0, 0, "1234567"},
        // Exact ties go away from zero, in both directions.
        {0.5, 0, "1"},
        {2.5, 0, "3"},
        {-2.5, 0, "-3"},
        {0.125, 2, "0.13"},
        {0.25, 1, "0.3"},
        {-0.25, 1, "-0.3"},
        {1.5, 0, "2"},
        // Decimal texts that are not exact ties keep their true side.
        {2.675, 2, "2.67"},
        {1.005, 2, "1.00"},
        // No minus sign on a value that shows as zero.
        {-0.04, 1, "0.0"},
        {-0.4, 0, "0"},
    };
    for (const auto& [value, decimals, text] : cases) {
        EXPECT_EQ(formatFixed(value, decimals), text) << value << " at " << decimals;
    }
}

TEST(FixedPoint, RoundsToTheShownValue) {
    EXPECT_DOUBLE_EQ(roundHalfAway(1.131, 2), 1.13);
    EXPECT_DOUBLE_EQ(roundHalfAway(22.1038, 1), 22.1);
    EXPECT_DOUBLE_EQ(roundHalfAway(-3.5, 0), -4);
}

TEST(FixedPoint, PlainDecimalHasNoTrailingZerosOrExponent) {
    EXPECT_EQ(formatPlainDecimal(2.2), "2.2");
    EXPECT_EQ(formatPlainDecimal(4.0), "4");
    EXPECT_EQ(formatPlainDecimal(0.5), "0.5");
    EXPECT_EQ(formatPlainDecimal(0.0), "0");
    EXPECT_EQ(formatPlainDecimal(-0.0), "0");
    EXPECT_EQ(formatPlainDecimal(1.13), "1.13");
    EXPECT_EQ(formatPlainDecimal(1e20), "100000000000000000000");
    EXPECT_EQ(formatPlainDecimal(0.00001), "0.00001");
}

}  // namespace
}  // namespace capillary
