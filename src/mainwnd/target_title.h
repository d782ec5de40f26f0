// The title taken with the target: a window's text, cut before the application's name.
#pragma once

#include <string>
#include <string_view>

namespace blenker {

// The text before its last '-' ("Popup title - Netscape" gives "Popup title "; the blank goes
// with the trimming of AddTitle); a text without '-' whole.
std::string CutAppName(std::string_view text);

}  // namespace blenker
