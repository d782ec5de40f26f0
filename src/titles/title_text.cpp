#include "titles/title_text.h"

#include <algorithm>

namespace blenker {

int CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = AsciiLower(static_cast<unsigned char>(a[i]));
        const int cb = AsciiLower(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca - cb;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

std::string FoldNoCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        c = static_cast<char>(AsciiLower(static_cast<unsigned char>(c)));
    }
    return folded;
}

std::string_view TrimCSpace(std::string_view text) {
    while (!text.empty() && IsCSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsCSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace blenker
