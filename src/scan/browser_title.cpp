#include "scan/browser_title.h"

namespace blenker {

namespace {

// Edge puts a zero-width space (U+200B) between "Microsoft" and " Edge" in its titles. The
// ANSI interface has no byte for it and gives '?' instead, so that form is listed as read.
constexpr std::string_view kBrowserNames[] = {
    "- Netscape",
    "- Internet Explorer",
    "- Microsoft Internet Explorer",
    "- Google Chrome",
    "- Chromium",
    "- Microsoft Edge",
    "- Microsoft? Edge",
    "- Mozilla Firefox",
    "\x97 Mozilla Firefox",
    "- Opera",
    "- Brave",
    "- Vivaldi",
};

}  // namespace

bool NamesBrowser(std::string_view title) {
    for (std::string_view browser : kBrowserNames) {
        if (title.find(browser) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace blenker
