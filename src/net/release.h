// The release check's decision on the release file.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/text_format.h"

namespace blenker {

// True when the release file's "VersionNumber" text, read like "%d" (0 when it does not start
// with a number), is above this program's own release number. Both are compared as unsigned
// 32-bit numbers, so a negative number in the file counts as a very large one.
inline bool IsNewerRelease(std::string_view publishedVersionText, int ownRelease) {
    return static_cast<std::uint32_t>(ownRelease) <
           static_cast<std::uint32_t>(ParseDecimal(publishedVersionText));
}

}  // namespace blenker
