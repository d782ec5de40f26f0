#include "scan/browser_title.h"

namespace blenker {

namespace {

// Edge puts a zero width space (U+200B) between "Microsoft" and " Edge" in its titles; Firefox
// writes an em dash (U+2014) before its name, its older releases a hyphen.
constexpr std::string_view kBrowserNames[] = {
    "- Netscape",
    "- Internet Explorer",
    "- Microsoft Internet Explorer",
    "- Google Chrome",
    "- Chromium",
    "- Microsoft Edge",
    "- Microsoft\xE2\x80\x8B Edge",  // U+200B
    "- Mozilla Firefox",
    "\xE2\x80\x94 Mozilla Firefox",  // U+2014
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
