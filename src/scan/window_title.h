// How much of a window's title the program reads: what a buffer of kTitleBufferSize UTF-16
// units (terminator included) holds, without half a character.
#pragma once

#include <cstddef>
#include <string_view>

namespace blenker {

// The most UTF-16 units of a title that are kept.
constexpr std::size_t kMaxTitleUnits = 1023;

// How many of the title's first UTF-16 units are kept: all of them up to kMaxTitleUnits, less
// one when the last kept unit is the first half (a high surrogate) of a surrogate pair.
std::size_t KeptTitleUnits(std::u16string_view title);

// The same cut on a UTF-8 title: how many of its first bytes are kept, on whole characters, so
// that they take at most kMaxTitleUnits UTF-16 units (a character past U+FFFF takes two). A
// byte that is not valid UTF-8 counts as one unit (it would be read as U+FFFD).
std::size_t KeptTitleBytes(std::string_view title);

}  // namespace blenker
