// A dialog template given another font face: the controls after the font keep every byte.
#include "framework/dialog_template.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace blenker {
namespace {

// Appends 16-bit words, little-endian, and a text as words ending in 0 when it has one.
void Put(std::vector<std::uint8_t>& bytes, std::initializer_list<std::uint32_t> words,
         std::u16string_view text = {}) {
    std::vector<std::uint32_t> all(words);
    all.insert(all.end(), text.begin(), text.end());
    if (!text.empty()) {
        all.push_back(0);
    }
    for (const std::uint32_t word : all) {
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(word & 0xFF),
                                   static_cast<std::uint8_t>(word >> 8 & 0xFF)});
    }
}

// A DIALOGEX as the resource compiler writes it: header (version, signature, help id, extended
// style, style, one control, place), no menu, a class by name, a caption, the font, then the
// control on the next 4-byte boundary.
std::vector<std::uint8_t> Template(std::u16string_view face, std::uint32_t style = 0x40) {
    std::vector<std::uint8_t> bytes;
    Put(bytes, {1, 0xFFFF, 0, 0, 0, 0, style & 0xFFFF, style >> 16, 1, 0, 0, 0, 0, 0}, u"Cls");
    Put(bytes, {}, u"The Blenker");
    Put(bytes, {8, 400, 0x0100}, face);  // 8 points, normal, DEFAULT_CHARSET
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
