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

TEST(BrowserTest, KnowsTodaysBrowsersAsTheAnsiInterfaceReadsThem) {
    for (const char* title :
         {"Deal - Google Chrome", "Deal - Chromium", "Deal - Microsoft Edge",
          "Deal - Work - Microsoft? Edge", "Deal \x97 Mozilla Firefox",
          "Deal \x97 Mozilla Firefox Private Browsing", "Deal - Mozilla Firefox", "Deal - Opera",
          "Deal - Brave", "Deal - Vivaldi"}) {
        EXPECT_TRUE(NamesBrowser(title)) << title;
    }
    for (const char* title :
         {"Popup - Notepad", "Deal - google chrome", "Deal - Microsoft?Edge", "Deal - Edge",
          "Deal \x96 Mozilla Firefox", "Deal \x97Mozilla Firefox"}) {
        EXPECT_FALSE(NamesBrowser(title)) << title;
    }
}

}  // namespace
}  // namespace blenker
