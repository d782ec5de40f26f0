// The "Need Browser" test: whether a window's title names a web browser.
#pragma once

#include <string_view>

namespace blenker {

// True when the UTF-8 title carries the name of a browser as that browser writes it after the
// page's title: "- Netscape", "- Internet Explorer", "- Microsoft Internet Explorer",
// "- Google Chrome", "- Chromium", "- Microsoft Edge" (also with Edge's zero width space,
// U+200B, after "Microsoft"), "- Opera", "- Brave", "- Vivaldi", and Firefox's
// "- Mozilla Firefox" or "— Mozilla Firefox" (the em dash, U+2014). Searched with case,
// anywhere in the title.
bool NamesBrowser(std::string_view title);

}  // namespace blenker
