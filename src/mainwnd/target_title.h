// The title taken with the target: a window's text, cut before the application's name.
#pragma once

#include <string>
#include <string_view>

namespace blenker {

// The UTF-8 text before its last separator, a '-' or an em dash (U+2014, Firefox's "Deal —
// Mozilla Firefox"), whichever comes last: "Popup title - Netscape" gives "Popup title " (the
// blank goes with the trimming of AddTitle), "Big-Sale — Mozilla Firefox" gives "Big-Sale "; a
// text without either whole. The cut is always between two characters.
std::string CutAppName(std::string_view text);

}  // namespace blenker
