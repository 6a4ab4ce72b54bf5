#include "io/text_encoding.h"

#include <gtest/gtest.h>

namespace capillary {
namespace {

TEST(TextEncoding, TellsWellFormedUtf8FromOtherBytes) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain ASCII\r\n", true},
        {"\xC3\xA9", true},               // é
        {"\xE2\x82\xAC", true},           // €
        {"\xF4\x8F\xBF\xBF", true},       // U+10FFFF
        {"\xE9", false},                  // é in Windows-1252
        {"caf\xC3", false},               // cut short
        {"\xE2\x82", false},              // cut short
        {"\x80", false},                  // continuation without lead
        {"\xC0\xAF", false},              // overlong "/"
        {"\xE0\x80\xAF", false},          // overlong "/"
        {"\xED\xA0\x80", false},          // surrogate U+D800
        {"\xF4\x90\x80\x80", false},      // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", false},  // five-byte form
        {"\xC3\x28", false},              // lead followed by ASCII
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << testing::PrintToString(c.bytes);
}

TEST(TextEncoding, DecodesWindows1252) {
    EXPECT_EQ(windows1252ToUtf8("Caf\xE9 \x80 \x9F \xFF \xA0"),
              "Caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8 \xC3\xBF \xC2\xA0");
    EXPECT_EQ(windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
              "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(windows1252ToUtf8("\x85\x91\x92\x99"),
              "\xE2\x80\xA6\xE2\x80\x98\xE2\x80\x99\xE2\x84\xA2");
}

TEST(TextEncoding, KeepsValidUtf8AndDecodesTheRestAsWindows1252) {
    EXPECT_EQ(decodeUtf8OrWindows1252("Caf\xC3\xA9"), "Caf\xC3\xA9");
    // One byte that is not UTF-8 decides for the whole text.
    EXPECT_EQ(decodeUtf8OrWindows1252("\xC3\xA9 \xE9"), "\xC3\x83\xC2\xA9 \xC3\xA9");
}

}  // namespace
}  // namespace capillary
