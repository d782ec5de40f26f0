// Text rules shared by the title list and the scan pass. Titles are UTF-8: without case they
// compare by Unicode's simple case folding (CaseFolding.txt, C and S: one code point to one),
// and bytes that are not valid UTF-8 compare as they are. White space is still the C locale's
// six characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace blenker {

constexpr unsigned char AsciiLower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

constexpr bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The bytes of a text, read one at a time, with every valid UTF-8 character case folded (or, with
// fold false, as they are). A byte that begins no valid sequence is a character of its own and
// comes as it is. Knows where each character begins, so a beginning of a text can be taken on
// whole characters.
class FoldedBytes {
  public:
    explicit FoldedBytes(std::string_view text, bool fold = true) : m_text(text), m_fold(fold) {}

    // No byte left.
    bool AtEnd() const { return m_next == m_count && m_at == m_text.size(); }
    // The next byte begins a character (or there is none): what was read is whole characters.
    bool AtBoundary() const { return m_next == m_count; }

    // The next byte; not at the end.
    unsigned char Next() {
        if (m_next < m_count) {
            return m_char[m_next++];
        }
        const auto byte = static_cast<unsigned char>(m_text[m_at]);
        if (byte < 0x80) {
            ++m_at;
            return m_fold ? AsciiLower(byte) : byte;
        }
        ReadChar();
        return m_char[m_next++];
    }

  private:
    // Reads the character at m_at, which does not begin with an ASCII byte, into m_char.
    void ReadChar();

    std::string_view m_text;
    std::size_t m_at = 0;       // the next character of the text
    unsigned char m_char[4]{};  // the bytes of the character being read, folded
    unsigned char m_count = 0;
    unsigned char m_next = 0;
    bool m_fold;
};

// Compares the case folded texts byte by byte (UTF-8's byte order is its code point order);
// <0, 0 or >0.
int CompareNoCase(std::string_view a, std::string_view b);

// The case folded text: its plain byte order is CompareNoCase's.
std::string FoldNoCase(std::string_view text);

// Equal under case folding ('K', 'k' and U+212A KELVIN SIGN are one), whatever the byte lengths.
inline bool EqualNoCase(std::string_view a, std::string_view b) {
    return CompareNoCase(a, b) == 0;
}

// True when the text begins with the prefix on whole characters: its first characters are the
// prefix's, case folded unless caseSensitive.
bool StartsWithFolded(std::string_view text, std::string_view prefix, bool caseSensitive);

// White space of the C locale removed from both ends.
std::string_view TrimCSpace(std::string_view text);

}  // namespace blenker
