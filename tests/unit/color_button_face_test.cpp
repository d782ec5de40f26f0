#include "ui/color_button_face.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace blenker {
namespace {

constexpr Rect kButton{0, 0, 48, 23};

bool Inside(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(ColorButtonFaceTest, PressingMovesTheSwatchAndDisablingGreysTheArrowWithoutASwatch) {
    const ColorButtonFace up = ColorButtonFaceOf(kButton, {});
    const ColorButtonFace pressed = ColorButtonFaceOf(kButton, {.pressed = true});
    ASSERT_TRUE(up.swatch && pressed.swatch);
    EXPECT_TRUE(Inside(kButton, *up.swatch) && Inside(kButton, *pressed.swatch));
    EXPECT_EQ(pressed.swatch->left, up.swatch->left + 1);
    EXPECT_EQ(pressed.swatch->top, up.swatch->top + 1);
    EXPECT_EQ(pressed.swatch->Width(), up.swatch->Width());

    const ColorButtonFace disabled = ColorButtonFaceOf(kButton, {.disabled = true});
    EXPECT_FALSE(disabled.swatch);
    EXPECT_EQ(disabled.lines.size(), up.lines.size());
    EXPECT_EQ(disabled.lines.back().ink, Ink::Grey);
    EXPECT_EQ(up.lines.back().ink, Ink::Black);
}

TEST(ColorButtonFaceTest, OnlyTheFocusAddsDotsAndTheyStayOffTheSwatch) {
    const ColorButtonFace plain = ColorButtonFaceOf(kButton, {});
    const ColorButtonFace focused = ColorButtonFaceOf(kButton, {.focused = true});
    ASSERT_GT(focused.pixels.size(), plain.pixels.size() + 20);
    const Rect swatch = *focused.swatch;
    EXPECT_TRUE(std::none_of(focused.pixels.begin(), focused.pixels.end(), [&](const InkPixel& p) {
        return p.at.x >= swatch.left && p.at.x < swatch.right && p.at.y >= swatch.top &&
               p.at.y < swatch.bottom;
    }));
}

}  // namespace
}  // namespace blenker
