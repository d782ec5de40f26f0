#include "titles/utf8.h"

namespace blenker {

Utf8Char DecodeUtf8(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    constexpr Utf8Char kInvalid{kReplacementChar, 1, false};
    std::size_t length;
    char32_t value;
    char32_t least;  // the smallest value of this length: anything below is overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return kInvalid;
    }
    if (text.size() < length) {
        return kInvalid;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsUtf8Continuation(byte(i))) {
            return kInvalid;
        }
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return kInvalid;
    }
    return {value, length, true};
}

std::size_t EncodeUtf8(char32_t codePoint, unsigned char (&out)[4]) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = kReplacementChar;
    }
    const auto put = [&](std::size_t i, char32_t bits) { out[i] = static_cast<unsigned char>(bits); };
    if (codePoint < 0x80) {
        put(0, codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        put(0, 0xC0 | (codePoint >> 6));
        put(1, 0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        put(0, 0xE0 | (codePoint >> 12));
        put(1, 0x80 | ((codePoint >> 6) & 0x3F));
        put(2, 0x80 | (codePoint & 0x3F));
        return 3;
    }
    put(0, 0xF0 | (codePoint >> 18));
    put(1, 0x80 | ((codePoint >> 12) & 0x3F));
    put(2, 0x80 | ((codePoint >> 6) & 0x3F));
    put(3, 0x80 | (codePoint & 0x3F));
    return 4;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    unsigned char bytes[4];
    const std::size_t length = EncodeUtf8(codePoint, bytes);
    out.append(reinterpret_cast<const char*>(bytes), length);
}

bool IsUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        if (static_cast<unsigned char>(bytes.front()) < 0x80) {
            bytes.remove_prefix(1);
            continue;
        }
        const Utf8Char c = DecodeUtf8(bytes);
        if (!c.valid) {
            return false;
        }
        bytes.remove_prefix(c.length);
    }
    return true;
}

}  // namespace blenker
