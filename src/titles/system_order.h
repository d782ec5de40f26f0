// The order the system gives text without regard to case: the user's locale comparison that a
// sorted list box uses, so a list kept in this order reads as the user expects ("Reader" before
// "Re-run", "Été" among the E's).
#pragma once

#include <string>
#include <string_view>

namespace blenker {

// <0, 0 or >0, as CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE) gives it.
int CompareSystemNoCase(std::string_view a, std::string_view b);

// The sort key of that comparison (LCMapStringW with LCMAP_SORTKEY): two keys compare as bytes
// as their texts compare. Empty when the text has no key.
std::string SystemSortKey(std::string_view text);

}  // namespace blenker
