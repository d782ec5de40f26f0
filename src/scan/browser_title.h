// The "Need Browser" test: whether a window's title names a web browser.
#pragma once

#include <string_view>

namespace blenker {

// True when the title, as read through the ANSI interface (Windows-1252 here), carries the name
// of a browser as that browser writes it after the page's title: "- Netscape",
// "- Internet Explorer", "- Microsoft Internet Explorer", "- Google Chrome", "- Chromium",
// "- Microsoft Edge", "- Opera", "- Brave", "- Vivaldi", and Firefox's "- Mozilla Firefox" or
// "— Mozilla Firefox" (the em dash, byte 0x97). Searched with case, anywhere in the title.
bool NamesBrowser(std::string_view title);

}  // namespace blenker
