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
    EXPECT_EQ(Taken("Big-Sale \x97 Mozilla Firefox"), "Big-Sale");
    EXPECT_EQ(Taken("Deal \x97 Mozilla Firefox Private Browsing"), "Deal");
    // The dash that comes last wins, whichever kind it is.
    EXPECT_EQ(Taken("A \x97 B - Opera"), "A \x97 B");
    EXPECT_EQ(Taken("\x97 Mozilla Firefox"), "");
}

}  // namespace
}  // namespace blenker
