#include "framework/dialog_template.h"

#include <algorithm>
#include <cstddef>

namespace blenker {

namespace {

constexpr std::uint32_t kDsSetFont = 0x40;  // DS_SETFONT; DS_SHELLFONT includes it

// Reads the template's fields in order; any read past the end makes it invalid.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::uint16_t Word() {
        if (m_at + 2 > m_bytes.size()) {
            m_valid = false;
            return 0;
        }
        const auto value = static_cast<std::uint16_t>(m_bytes[m_at] | m_bytes[m_at + 1] << 8);
        m_at += 2;
        return value;
    }
    std::uint32_t Dword() {
        const std::uint32_t low = Word();
        return low | static_cast<std::uint32_t>(Word()) << 16;
    }
    void Skip(std::size_t count) {
        m_valid = m_valid && m_at + count <= m_bytes.size();
        m_at += m_valid ? count : 0;
    }
    // A name or ordinal: 0 for none, 0xFFFF and a number, or a string ending in 0.
    void SkipNameOrOrdinal() {
        const std::uint16_t first = Word();
        if (first == 0xFFFF) {
            Word();
        } else if (first != 0) {
            SkipString();
        }
    }
    void SkipString() {
        while (m_valid && Word() != 0) {
        }
    }
    std::size_t At() const { return m_at; }
    bool Valid() const { return m_valid; }

  private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
    bool m_valid = true;
};

std::size_t AlignedTo4(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

}  // namespace

std::optional<std::u16string_view> DialogFaceForDpi(int dpi) {
    if (dpi == 96) {
        return std::nullopt;
    }
    return u"Microsoft Sans Serif";
}

std::optional<std::vector<std::uint8_t>> WithFontFace(std::span<const std::uint8_t> dialog,
                                                      std::u16string_view face) {
    Reader reader(dialog);
    const std::uint16_t version = reader.Word();
    const std::uint16_t signature = reader.Word();
    reader.Skip(8);  // help id, extended style
    const std::uint32_t style = reader.Dword();
    reader.Skip(10);  // number of controls, x, y, cx, cy
    if (version != 1 || signature != 0xFFFF || (style & kDsSetFont) == 0) {
        return std::nullopt;
    }
    reader.SkipNameOrOrdinal();  // menu
    reader.SkipNameOrOrdinal();  // window class
    reader.SkipString();         // caption
    reader.Skip(6);              // point size, weight, italic, character set
    const std::size_t faceAt = reader.At();
    reader.SkipString();
    if (!reader.Valid()) {
        return std::nullopt;
    }
    const std::size_t controlsAt = std::min(AlignedTo4(reader.At()), dialog.size());

    std::vector<std::uint8_t> copy(dialog.begin(), dialog.begin() + faceAt);
    for (const char16_t unit : face) {
        copy.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        copy.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    copy.insert(copy.end(), {0, 0});
    copy.resize(AlignedTo4(copy.size()), 0);
    copy.insert(copy.end(), dialog.begin() + controlsAt, dialog.end());
    return copy;
}

}  // namespace blenker
