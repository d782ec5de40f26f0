#include "titles/text_encoding.h"

#include "titles/utf8.h"

namespace blenker {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

char16_t UnitAt(std::string_view bytes, std::size_t i) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                 (static_cast<unsigned char>(bytes[i + 1]) << 8));
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;  // an odd last byte is no unit
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = UnitAt(bytes, 2 * i);
        char32_t codePoint = unit;
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            codePoint = kReplacementChar;
            if (unit <= 0xDBFF && i + 1 < units) {
                const char16_t low = UnitAt(bytes, 2 * (i + 1));
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    codePoint = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
        }
        AppendUtf8(text, codePoint);
    }
    return text;
}

bool HasHighByte(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) > 0x7F) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string DecodeFileText(std::string_view bytes, const CodePage& codePage) {
    if (bytes.starts_with(kUtf8Mark)) {
        return std::string(bytes.substr(kUtf8Mark.size()));
    }
    if (bytes.starts_with(kUtf16LeMark)) {
        return Utf16LeToUtf8(bytes.substr(kUtf16LeMark.size()));
    }
    if (HasHighByte(bytes) && IsUtf8(bytes)) {
        return std::string(bytes);
    }
    return codePage.toUtf8(bytes);
}

std::string EncodeFileText(std::string_view utf8, const CodePage& codePage) {
    if (std::optional<std::string> bytes = codePage.fromUtf8(utf8);
        bytes && DecodeFileText(*bytes, codePage) == utf8) {
        return std::move(*bytes);
    }
    std::string bytes(kUtf8Mark);
    bytes += utf8;
    return bytes;
}

std::string_view CompleteLines(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeMark)) {
        for (std::size_t end = bytes.size() - bytes.size() % 2; end > kUtf16LeMark.size();
             end -= 2) {
            if (UnitAt(bytes, end - 2) == u'\n') {
                return bytes.substr(0, end);
            }
        }
        return {};
    }
    const std::size_t lastFeed = bytes.rfind('\n');
    return lastFeed == std::string_view::npos ? std::string_view{} : bytes.substr(0, lastFeed + 1);
}

}  // namespace blenker
