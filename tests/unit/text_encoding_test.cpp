#include "titles/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_code_page.h"

namespace blenker {
namespace {

using test::kLatin1;
using namespace std::string_literals;

TEST(TextEncodingTest, ReadsTheFourKindsOfFile) {
    // The code page: no mark, and bytes that are no UTF-8 (Latin-1 "Été").
    EXPECT_EQ(DecodeFileText("\xC9t\xE9\r\n", kLatin1), "\xC3\x89t\xC3\xA9\r\n");
    // ASCII alone is read through the code page too, which keeps it.
    EXPECT_EQ(DecodeFileText("plain\r\n", kLatin1), "plain\r\n");
    EXPECT_EQ(DecodeFileText("", kLatin1), "");
    // UTF-8 without a mark, as soon as one byte is above 7F and all of it is valid.
    EXPECT_EQ(DecodeFileText("\xD0\x9C\xD0\xB8\xD1\x80\n", kLatin1), "\xD0\x9C\xD0\xB8\xD1\x80\n");
    // UTF-8 with its mark, which goes; the rest is taken as it is.
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF"
                             "a\xC3\xA9\r\n",
                             kLatin1),
              "a\xC3\xA9\r\n");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF", kLatin1), "");
    // UTF-16 LE with its mark: a pair of surrogates is one character.
    EXPECT_EQ(DecodeFileText("\xFF\xFE"
                             "A\0\xE9\0\x14\x20\x3D\xD8\x00\xDE\r\0\n\0"s,
                             kLatin1),
              "A\xC3\xA9\xE2\x80\x94\xF0\x9F\x98\x80\r\n");
}

TEST(TextEncodingTest, ReadsBrokenUtf16AsFarAsItCan) {
    // A lone high surrogate, a lone low one, a high one at the end: U+FFFD each.
    EXPECT_EQ(DecodeFileText("\xFF\xFE\x3D\xD8"
                             "A\0\x00\xDE\x3D\xD8"s,
                             kLatin1),
              "\xEF\xBF\xBD"
              "A\xEF\xBF\xBD\xEF\xBF\xBD");
    // An odd last byte is no unit.
    EXPECT_EQ(DecodeFileText("\xFF\xFE"
                             "A\0B"s,
                             kLatin1),
              "A");
    EXPECT_EQ(DecodeFileText("\xFF\xFE", kLatin1), "");
}

TEST(TextEncodingTest, WritesTheCodePageWhenItKeepsEveryCharacter) {
    EXPECT_EQ(EncodeFileText("\xC3\x89t\xC3\xA9\r\n", kLatin1), "\xC9t\xE9\r\n");
    EXPECT_EQ(EncodeFileText("plain\r\n", kLatin1), "plain\r\n");
    EXPECT_EQ(EncodeFileText("", kLatin1), "");
    // Cyrillic or an emoji has no byte in it: UTF-8 with its mark.
    EXPECT_EQ(EncodeFileText("\xD0\x9C\xD0\xB8\xD1\x80\r\n", kLatin1),
              "\xEF\xBB\xBF\xD0\x9C\xD0\xB8\xD1\x80\r\n");
    EXPECT_EQ(EncodeFileText("Deal \xF0\x9F\x98\x80\r\n", kLatin1),
              "\xEF\xBB\xBF"
              "Deal \xF0\x9F\x98\x80\r\n");
    // Code page bytes that a reader would take for UTF-8 ("Ã©" is C3 A9) or for a mark ("ÿþ")
    // would not come back: UTF-8 with its mark as well.
    EXPECT_EQ(EncodeFileText("\xC3\x83\xC2\xA9", kLatin1), "\xEF\xBB\xBF\xC3\x83\xC2\xA9");
    EXPECT_EQ(EncodeFileText("\xC3\xBF\xC3\xBEx", kLatin1), "\xEF\xBB\xBF\xC3\xBF\xC3\xBEx");
    for (const char* text : {"\xC3\x89t\xC3\xA9", "\xD0\x9C", "\xC3\x83\xC2\xA9", "a\r\nb"}) {
        EXPECT_EQ(DecodeFileText(EncodeFileText(text, kLatin1), kLatin1), text);
    }
}

TEST(TextEncodingTest, CompleteLinesEndAtTheLastLineFeedOfTheEncoding) {
    EXPECT_EQ(CompleteLines("one\r\ntwo\nthr"), "one\r\ntwo\n");
    EXPECT_EQ(CompleteLines("no line end"), "");
    EXPECT_EQ(CompleteLines(""), "");
    // UTF-16 LE: a whole unit 0A 00; the byte 0A of U+010A is no line feed.
    EXPECT_EQ(CompleteLines("\xFF\xFE"
                            "a\0\n\0\x0A\x01"s),
              "\xFF\xFE"
              "a\0\n\0"s);
    EXPECT_EQ(CompleteLines("\xFF\xFE\x0A\x01\x0A"s), "");
    EXPECT_EQ(CompleteLines("\xFF\xFE"
                            "a\0\n\0b\0\n"s),
              "\xFF\xFE"
              "a\0\n\0"s);
}

}  // namespace
}  // namespace blenker
