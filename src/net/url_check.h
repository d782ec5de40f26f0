// The check on where a transfer of one of the maker's files ended, before its reply is used.
#pragma once

#include <string_view>

#include "app/web_address.h"

namespace blenker {

// Whether a transfer asked for at one address may end at another (after the server's
// redirections): a file asked for over https must come over https, or anyone on the way could
// have answered the plain request in its place.
inline bool KeepsItsSecurity(std::string_view asked, std::string_view reached) {
    return !IsSecureAddress(asked) || IsSecureAddress(reached);
}

}  // namespace blenker
