// How much of a window's title the program reads: what a buffer of 1024 UTF-16 units
// (terminator included) holds, without half a character.
#pragma once

#include <cstddef>
#include <string_view>

namespace blenker {

// The most UTF-16 units of a title that are kept.
constexpr std::size_t kMaxTitleUnits = 1023;

// How many of a UTF-8 title's first bytes are kept, on whole characters, so that they take at
// most kMaxTitleUnits UTF-16 units (a character past U+FFFF takes two, and goes whole when the
// last unit kept would be its first half). A byte that is not valid UTF-8 counts as one unit (it
// would be read as U+FFFD).
std::size_t KeptTitleBytes(std::string_view title);

}  // namespace blenker
