// A code page for the portable tests, in place of the system's: Latin-1, whose bytes 00 to FF
// are U+0000 to U+00FF, lossless for those characters only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "titles/text_encoding.h"
#include "titles/utf8.h"

namespace blenker::test {

inline std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        AppendUtf8(text, static_cast<unsigned char>(c));
    }
    return text;
}

inline std::optional<std::string> Utf8ToLatin1(std::string_view utf8) {
    std::string bytes;
    while (!utf8.empty()) {
        const Utf8Char c = DecodeUtf8(utf8);
        if (!c.valid || c.value > 0xFF) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(c.value));
        utf8.remove_prefix(c.length);
    }
    return bytes;
}

inline constexpr CodePage kLatin1{&Latin1ToUtf8, &Utf8ToLatin1};

}  // namespace blenker::test
