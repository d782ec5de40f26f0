#include "titles/title_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace blenker {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(TitleTextTest, FoldsUtf8ByUnicodeSimpleFolding) {
    EXPECT_EQ(FoldNoCase("Info \xC3\x89T\xC3\x89"), "info \xC3\xA9t\xC3\xA9");  // ÉTÉ
    EXPECT_EQ(FoldNoCase("\xE2\x84\xAA"), "k");                                 // shorter
    EXPECT_EQ(FoldNoCase("\xE1\xBA\x9E"), "\xC3\x9F");                          // ẞ to ß
    // Bytes that are no UTF-8 stay as they are, even where Latin-1 would read a capital.
    EXPECT_EQ(FoldNoCase("\xC9T\xC9 \xC3"), "\xC9t\xC9 \xC3");
    EXPECT_EQ(FoldNoCase(std::string("A\0B", 3)), std::string("a\0b", 3));

    EXPECT_TRUE(EqualNoCase("KELVIN",
                            "\xE2\x84\xAA"
                            "elvin"));
    EXPECT_TRUE(
        EqualNoCase("\xCE\xBF\xCE\xB4\xCF\x8C\xCF\x82", "\xCE\x9F\xCE\x94\xCE\x8C\xCE\xA3"));
    EXPECT_FALSE(EqualNoCase("ss", "\xC3\x9F"));
    EXPECT_FALSE(EqualNoCase("\xC9", "\xC3\x89"));  // Latin-1 É is no UTF-8 É
    EXPECT_FALSE(EqualNoCase("a", "ab"));
}

TEST(TitleTextTest, TheOrderIsTheFoldedBytesOrder) {
    EXPECT_LT(CompareNoCase("apple", "Banana"), 0);
    EXPECT_LT(CompareNoCase("Z", "\xC3\x89"), 0);  // code point order: U+007A < U+00E9
    EXPECT_LT(CompareNoCase("\xEF\xBF\xBF", "\xF0\x90\x80\x80"), 0);
    EXPECT_LT(CompareNoCase("abc", "ABCD"), 0);
    EXPECT_EQ(CompareNoCase("", ""), 0);
    // Random texts from letters that fold, to shorter and longer bytes, and bad bytes: the
    // comparison's sign is always the one of the folded bytes.
    const char* const pieces[] = {"a",
                                  "A",
                                  "k",
                                  "K",
                                  "\xE2\x84\xAA",
                                  "\xC3\xA9",
                                  "\xC3\x89",
                                  "\xE1\xBA\x9E",
                                  "\xC3\x9F",
                                  "\xF0\x90\x90\x80",
                                  "\xC3",
                                  "\xE9",
                                  "\xA9",
                                  "~",
                                  "\xEF\xBF\xBF"};
    std::mt19937 random(9);
    auto text = [&] {
        std::string t;
        for (int n = random() % 5; n > 0; --n) {
            t += pieces[random() % std::size(pieces)];
        }
        return t;
    };
    for (int round = 0; round < 2000; ++round) {
        const std::string a = text();
        const std::string b = text();
        ASSERT_EQ(Sign(CompareNoCase(a, b)), Sign(FoldNoCase(a).compare(FoldNoCase(b))))
            << a << " / " << b;
        ASSERT_EQ(EqualNoCase(a, b), FoldNoCase(a) == FoldNoCase(b));
        // Folding twice changes nothing.
        ASSERT_EQ(FoldNoCase(FoldNoCase(a)), FoldNoCase(a)) << a;
    }
}

TEST(TitleTextTest, BeginningsAreTakenOnWholeCharacters) {
    EXPECT_TRUE(StartsWithFolded("\xC3\x89t\xC3\xA9 2026", "\xC3\xA9T\xC3\x89", false));
    EXPECT_FALSE(StartsWithFolded("\xC3\x89t\xC3\xA9 2026", "\xC3\xA9T\xC3\x89", true));
    EXPECT_TRUE(StartsWithFolded("abc", "", true));
    EXPECT_FALSE(StartsWithFolded("\xC3\xA9", "\xC3", true));
    EXPECT_TRUE(StartsWithFolded("\xC3 x", "\xC3", true));
    EXPECT_TRUE(
        StartsWithFolded("\xE2\x84\xAA"
                         "elvin",
                         "k", false));
}

TEST(TitleTextTest, TrimsOnlyTheCLocalesWhiteSpace) {
    EXPECT_EQ(TrimCSpace(" \t\n\v\f\rA b\r\n"), "A b");
    // No-break space (U+00A0) and the ideographic space (U+3000) are text.
    EXPECT_EQ(TrimCSpace("\xC2\xA0x\xE3\x80\x80"), "\xC2\xA0x\xE3\x80\x80");
}

}  // namespace
}  // namespace blenker
