// The title taken with the target: a window's text, cut before the application's name.
#pragma once

#include <string>
#include <string_view>

namespace blenker {

// The text before its last separator, a '-' or an em dash (byte 0x97, Firefox's "Deal — Mozilla
// Firefox"), whichever comes last: "Popup title - Netscape" gives "Popup title " (the blank goes
// with the trimming of AddTitle), "Big-Sale — Mozilla Firefox" gives "Big-Sale "; a text
// without either whole.
std::string CutAppName(std::string_view text);

}  // namespace blenker
