// Text rules shared by the title list and the scan pass. Titles are ANSI byte strings; the
// program leaves the C locale in force, so only the letters A to Z fold and white space is the
// C locale's six characters.
#pragma once

#include <string>
#include <string_view>

namespace blenker {

constexpr unsigned char AsciiLower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

constexpr bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Like _stricmp: compares the bytes with A to Z folded to lower case; <0, 0 or >0.
int CompareNoCase(std::string_view a, std::string_view b);

// The text with A to Z folded to lower case: its plain byte order is CompareNoCase's.
std::string FoldNoCase(std::string_view text);

inline bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

// White space of the C locale removed from both ends.
std::string_view TrimCSpace(std::string_view text);

}  // namespace blenker
