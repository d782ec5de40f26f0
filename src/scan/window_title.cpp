#include "scan/window_title.h"

#include "titles/utf8.h"

namespace blenker {

std::size_t KeptTitleBytes(std::string_view title) {
    if (title.size() <= kMaxTitleUnits) {
        return title.size();  // a character never takes more units than it has bytes
    }
    std::size_t units = 0;
    std::size_t at = 0;
    while (at < title.size()) {
        const Utf8Char c = DecodeUtf8(title.substr(at));
        const std::size_t needs = c.value > 0xFFFF ? 2 : 1;
        if (units + needs > kMaxTitleUnits) {
            break;
        }
        units += needs;
        at += c.length;
    }
    return at;
}

}  // namespace blenker
