// The program hands an address that came from the network to the shell only when it is a web
// address: the hyperlink control, the download worker and the release check all ask here.
#pragma once

#include <string_view>

namespace blenker {

// True only for an address that starts with "http://" or "https://", in any mix of ASCII case.
// Anything else, a local file, a program or another scheme such as "file:" or "mailto:", is
// refused, so that a hostile file cannot make the shell run a program on this computer.
bool IsWebAddress(std::string_view url);

// True only for an "https://" address, in any mix of ASCII case.
bool IsSecureAddress(std::string_view url);

}  // namespace blenker
