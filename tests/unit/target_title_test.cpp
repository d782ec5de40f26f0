#include "mainwnd/target_title.h"

#include <gtest/gtest.h>

#include "titles/title_text.h"

namespace blenker {
namespace {

// What AddTitle receives after the cut, once trimmed.
std::string Taken(std::string_view text) {
    return std::string(TrimCSpace(CutAppName(text)));
}

TEST(TargetTitleTest, CutsBeforeTheLastDash) {
    EXPECT_EQ(Taken("Popup title - Netscape"), "Popup title");
    EXPECT_EQ(Taken("Re-run - Microsoft Internet Explorer"), "Re-run");
    EXPECT_EQ(Taken("Foo-Bar"), "Foo");
    EXPECT_EQ(Taken("No dash at all"), "No dash at all");
    // A dash in front leaves nothing, which AddTitle refuses as empty.
    EXPECT_EQ(Taken("- Netscape"), "");
    EXPECT_EQ(Taken(""), "");
}

TEST(TargetTitleTest, CutsBeforeFirefoxsEmDashToo) {
    // The em dash U+2014 is E2 80 94 in UTF-8.
    EXPECT_EQ(Taken("Big-Sale \xE2\x80\x94 Mozilla Firefox"), "Big-Sale");
    EXPECT_EQ(Taken("Deal \xE2\x80\x94 Mozilla Firefox Private Browsing"), "Deal");
    // The dash that comes last wins, whichever kind it is.
    EXPECT_EQ(Taken("A \xE2\x80\x94 B - Opera"), "A \xE2\x80\x94 B");
    EXPECT_EQ(Taken("A - B \xE2\x80\x94 Opera"), "A - B");
    EXPECT_EQ(Taken("\xE2\x80\x94 Mozilla Firefox"), "");
    EXPECT_EQ(Taken("\xC3\x89t\xC3\xA9 \xE2\x80\x94 x"), "\xC3\x89t\xC3\xA9");
}

TEST(TargetTitleTest, CutsOnlyBetweenCharacters) {
    // Byte 0x97 of the old ANSI titles is no separator now; other characters whose UTF-8
    // shares bytes with the em dash (an en dash E2 80 93, U+2594 E2 96 94) are not either.
    EXPECT_EQ(Taken("A \x97 B"), "A \x97 B");
    EXPECT_EQ(Taken("A \xE2\x80\x93 B"), "A \xE2\x80\x93 B");
    EXPECT_EQ(Taken("A \xE2\x96\x94 B"), "A \xE2\x96\x94 B");
    EXPECT_EQ(Taken("\xD0\x9F\xD1\x80\xD0\xB8-\xD0\xB7"), "\xD0\x9F\xD1\x80\xD0\xB8");
}

}  // namespace
}  // namespace blenker
