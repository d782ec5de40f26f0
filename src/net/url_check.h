// The check on an address read from a downloaded file before the shell opens it.
#pragma once

#include <string_view>

namespace blenker {

// True only for an address that starts with "http://" or "https://", in any mix of ASCII case.
// Anything else, a local file, a program or another scheme such as "file:" or "mailto:", is
// refused, so that a hostile file cannot make the shell run a program on this computer.
bool IsWebAddress(std::string_view url);

// True only for an "https://" address, in any mix of ASCII case.
bool IsSecureAddress(std::string_view url);

// Whether a transfer asked for at one address may end at another (after the server's
// redirections): a file asked for over https must come over https, or anyone on the way could
// have answered the plain request in its place.
inline bool KeepsItsSecurity(std::string_view asked, std::string_view reached) {
    return !IsSecureAddress(asked) || IsSecureAddress(reached);
}

}  // namespace blenker
