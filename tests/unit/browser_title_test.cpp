#include "scan/browser_title.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

TEST(BrowserTest, NeedsOneOfTheThreeNamesWithCase) {
    EXPECT_TRUE(NamesBrowser("Popup - Netscape"));
    EXPECT_TRUE(NamesBrowser("Popup - Microsoft Internet Explorer"));
    EXPECT_TRUE(NamesBrowser("Popup - Internet Explorer"));
    EXPECT_TRUE(NamesBrowser("- Netscape in front"));
    EXPECT_FALSE(NamesBrowser("Popup - netscape"));
    EXPECT_FALSE(NamesBrowser("Popup"));
    EXPECT_FALSE(NamesBrowser("Popup -Netscape"));
}

TEST(BrowserTest, KnowsTodaysBrowsersAsTheyWriteTheirNames) {
    // UTF-8: Edge's zero width space U+200B (E2 80 8B), Firefox's em dash U+2014 (E2 80 94).
    for (const char* title :
         {"Deal - Google Chrome", "Deal - Chromium", "Deal - Microsoft Edge",
          "Deal - Work - Microsoft\xE2\x80\x8B Edge", "Deal \xE2\x80\x94 Mozilla Firefox",
          "Deal \xE2\x80\x94 Mozilla Firefox Private Browsing", "Deal - Mozilla Firefox",
          "Deal - Opera", "Deal - Brave", "Deal - Vivaldi"}) {
        EXPECT_TRUE(NamesBrowser(title)) << title;
    }
    // The forms the ANSI interface gave ('?' for U+200B, byte 0x97 for the em dash) are gone;
    // an en dash (U+2013) or a missing blank is no browser's.
    for (const char* title :
         {"Popup - Notepad", "Deal - google chrome", "Deal - Microsoft? Edge",
          "Deal - Microsoft\xE2\x80\x8B" "Edge", "Deal - Edge", "Deal \x97 Mozilla Firefox",
          "Deal \xE2\x80\x93 Mozilla Firefox", "Deal \xE2\x80\x94Mozilla Firefox"}) {
        EXPECT_FALSE(NamesBrowser(title)) << title;
    }
}

}  // namespace
}  // namespace blenker
