#include "mainwnd/target_title.h"

#include <algorithm>

namespace blenker {

namespace {

constexpr std::string_view kEmDash = "\xE2\x80\x94";  // U+2014

}  // namespace

std::string CutAppName(std::string_view text) {
    // Neither separator's bytes occur inside another UTF-8 character: '-' is ASCII, and a
    // sequence's lead byte never appears among continuation bytes.
    const std::size_t hyphen = text.rfind('-');
    const std::size_t dash = text.rfind(kEmDash);
    if (hyphen == std::string_view::npos && dash == std::string_view::npos) {
        return std::string(text);
    }
    const std::size_t cut = hyphen == std::string_view::npos ? dash
                            : dash == std::string_view::npos ? hyphen
                                                             : std::max(hyphen, dash);
    return std::string(text.substr(0, cut));
}

}  // namespace blenker
