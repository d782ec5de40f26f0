#include "titles/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace blenker {
namespace {

TEST(Utf8Test, DecodesEachLengthAndItsLimits) {
    struct Case {
        std::string bytes;
        char32_t value;
        std::size_t length;
    };
    for (const Case& c : {Case{"A", U'A', 1}, Case{std::string(1, '\0'), 0, 1},
                          Case{"\x7F", 0x7F, 1}, Case{"\xC2\x80", 0x80, 2},
                          Case{"\xC3\xA9!", 0xE9, 2}, Case{"\xDF\xBF", 0x7FF, 2},
                          Case{"\xE0\xA0\x80", 0x800, 3}, Case{"\xE2\x80\x94", 0x2014, 3},
                          Case{"\xED\x9F\xBF", 0xD7FF, 3}, Case{"\xEE\x80\x80", 0xE000, 3},
                          Case{"\xEF\xBF\xBF", 0xFFFF, 3}, Case{"\xF0\x90\x80\x80", 0x10000, 4},
                          Case{"\xF4\x8F\xBF\xBF", 0x10FFFF, 4}}) {
        const Utf8Char read = DecodeUtf8(c.bytes);
        EXPECT_TRUE(read.valid) << c.bytes;
        EXPECT_EQ(read.value, c.value) << c.bytes;
        EXPECT_EQ(read.length, c.length) << c.bytes;
        std::string written;
        AppendUtf8(written, c.value);
        EXPECT_EQ(written, c.bytes.substr(0, c.length));
        EXPECT_TRUE(IsUtf8(c.bytes));
    }
}

TEST(Utf8Test, ReadsABadByteAloneAsTheReplacementCharacter) {
    for (const char* bad : {"\x80", "\xBF", "\xC0\x80", "\xC1\xBF", "\xC3", "\xC3(",
                            "\xE0\x80\x80",      // overlong
                            "\xE0\x9F\xBF",      // overlong
                            "\xED\xA0\x80",      // a surrogate
                            "\xED\xBF\xBF",      // a surrogate
                            "\xE2\x80",          // cut
                            "\xF0\x8F\xBF\xBF",  // overlong
                            "\xF4\x90\x80\x80",  // past U+10FFFF
                            "\xF5\x80\x80\x80", "\xFE", "\xFF", "\xF0\x9F\x98"}) {
        const Utf8Char read = DecodeUtf8(bad);
        EXPECT_FALSE(read.valid) << bad;
        EXPECT_EQ(read.value, kReplacementChar) << bad;
        EXPECT_EQ(read.length, 1u) << bad;
        EXPECT_FALSE(IsUtf8(std::string("ok ") + bad + " ok")) << bad;
    }
}

TEST(Utf8Test, WritesWhatIsNoCharacterAsTheReplacementCharacter) {
    std::string written;
    AppendUtf8(written, 0xD800);
    AppendUtf8(written, 0x110000);
    EXPECT_EQ(written, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace blenker
