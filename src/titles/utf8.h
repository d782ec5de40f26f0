// UTF-8, the program's text inside: one character at a time, read or written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace blenker {

// The replacement character, the value of a byte that begins no valid UTF-8 sequence.
constexpr char32_t kReplacementChar = 0xFFFD;

// One character read from UTF-8: its code point and its length in bytes. A byte that does not
// begin a valid sequence (a stray continuation byte, a cut sequence, an overlong form, a
// surrogate, a value past U+10FFFF, bytes C0, C1, F5 to FF) is read alone, one byte long, as
// U+FFFD with `valid` false: whoever copies text copies that byte as it is.
struct Utf8Char {
    char32_t value;
    std::size_t length;
    bool valid;
};

// The character at the start of the text, which must not be empty.
Utf8Char DecodeUtf8(std::string_view text);

// Writes the code point's UTF-8 into out and returns its length (1 to 4 bytes). A surrogate or a
// value past U+10FFFF is written as U+FFFD.
std::size_t EncodeUtf8(char32_t codePoint, unsigned char (&out)[4]);

// Appends the code point's UTF-8 (1 to 4 bytes). A surrogate or a value past U+10FFFF is
// written as U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

// True when the bytes are strict UTF-8 throughout: no overlong form, no surrogate, nothing past
// U+10FFFF, no cut sequence.
bool IsUtf8(std::string_view bytes);

// Whether the byte continues a sequence (10xxxxxx).
constexpr bool IsUtf8Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace blenker
