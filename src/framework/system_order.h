// The order the system gives text without regard to case: the user's locale comparison that a
// sorted list box uses, so a list kept in this order reads as the user expects ("Reader" before
// "Re-run", "Été" among the E's).
#pragma once

#include <string_view>

namespace blenker {

// <0, 0 or >0, as CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE) gives it.
int CompareSystemNoCase(std::string_view a, std::string_view b);

}  // namespace blenker
