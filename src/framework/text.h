// The one place where text crosses between the program and Windows: inside, text is UTF-8 in
// std::string; towards Windows it is UTF-16, and files of earlier releases are in the system's
// ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace blenker {

// UTF-8 to UTF-16 for a W function. Bytes that are not UTF-8 become U+FFFD.
std::wstring ToUtf16(std::string_view utf8);

// UTF-16 from Windows to UTF-8. A lone surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view utf16);
inline std::string ToUtf8(const wchar_t* utf16) {
    return utf16 ? ToUtf8(std::wstring_view(utf16)) : std::string();
}

// Bytes in the system's ANSI code page to UTF-8.
std::string CodePageToUtf8(std::string_view bytes);

// UTF-8 to the system's ANSI code page, or nothing when some character would not come back
// the same from it.
std::optional<std::string> Utf8ToCodePage(std::string_view utf8);

}  // namespace blenker
