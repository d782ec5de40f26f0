// The check on an address read from a downloaded file before the shell opens it.
#pragma once

#include <string_view>

namespace blenker {

// True only for an address that starts with "http://" or "https://", in any mix of ASCII case.
// Anything else, a local file, a program or another scheme such as "file:" or "mailto:", is
// refused, so that a hostile file cannot make the shell run a program on this computer.
bool IsWebAddress(std::string_view url);

}  // namespace blenker
