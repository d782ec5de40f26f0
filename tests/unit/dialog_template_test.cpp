// A dialog template given another font face: the controls after the font keep every byte.
#include "framework/dialog_template.h"

#include <gtest/gtest.h>

#include <string>

namespace blenker {
namespace {

void PutWord(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutText(std::vector<std::uint8_t>& bytes, std::u16string_view text) {
    for (const char16_t unit : text) {
        PutWord(bytes, unit);
    }
    PutWord(bytes, 0);
}

// A DIALOGEX as the resource compiler writes it: header, no menu, a class by name, a caption,
// the font, then one control on the next 4-byte boundary.
std::vector<std::uint8_t> Template(std::u16string_view face, std::uint32_t style = 0x40) {
    std::vector<std::uint8_t> bytes;
    PutWord(bytes, 1);
    PutWord(bytes, 0xFFFF);
    bytes.resize(bytes.size() + 8);
    PutWord(bytes, style & 0xFFFF);
    PutWord(bytes, style >> 16);
    PutWord(bytes, 1);
    bytes.resize(bytes.size() + 8);
    PutWord(bytes, 0);
    PutText(bytes, u"Cls");
    PutText(bytes, u"The Blenker");
    PutWord(bytes, 8);
    PutWord(bytes, 400);
    PutWord(bytes, 0x0100);  // not italic, DEFAULT_CHARSET
    PutText(bytes, face);
    bytes.resize((bytes.size() + 3) & ~std::size_t{3}, 0);
    for (std::uint8_t i = 1; i <= 26; ++i) {
        bytes.push_back(i);  // the control: bytes that must come through unchanged
    }
    return bytes;
}

TEST(DialogTemplateTest, TheFaceIsReplacedAndTheControlsStayAligned) {
    for (const std::u16string_view before : {u"MS Sans Serif", u"A", u"Abc"}) {
        for (const std::u16string_view after : {u"MS Shell Dlg", u"X", u"Xy"}) {
            const auto copy = WithFontFace(Template(before), after);
            ASSERT_TRUE(copy.has_value());
            EXPECT_EQ(*copy, Template(after)) << std::string(after.begin(), after.end());
        }
    }
    // No font, no extended template, or cut short: nothing to make.
    EXPECT_FALSE(WithFontFace(Template(u"MS Sans Serif", 0), u"X"));
    std::vector<std::uint8_t> old = Template(u"MS Sans Serif");
    old[2] = 0;
    EXPECT_FALSE(WithFontFace(old, u"X"));
    const std::vector<std::uint8_t> whole = Template(u"MS Sans Serif");
    EXPECT_FALSE(WithFontFace(std::span(whole).first(40), u"X"));

    EXPECT_FALSE(DialogFaceForDpi(96));
    EXPECT_EQ(DialogFaceForDpi(144), u"Microsoft Sans Serif");
}

}  // namespace
}  // namespace blenker
