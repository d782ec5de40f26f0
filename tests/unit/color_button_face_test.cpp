#include "ui/color_button_face.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace blenker {
namespace {

constexpr Rect kButton{0, 0, 48, 23};

bool Inside(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(ColorButtonFaceTest, PressingMovesTheSwatchAndDisablingGreysTheArrowWithoutASwatch) {
    const ColorButtonFace up = ColorButtonFaceOf(kButton, {}, 96);
    const ColorButtonFace pressed = ColorButtonFaceOf(kButton, {.pressed = true}, 96);
    ASSERT_TRUE(up.swatch && pressed.swatch);
    EXPECT_TRUE(Inside(kButton, *up.swatch) && Inside(kButton, *pressed.swatch));
    EXPECT_EQ(pressed.swatch->left, up.swatch->left + 1);
    EXPECT_EQ(pressed.swatch->top, up.swatch->top + 1);
    EXPECT_EQ(pressed.swatch->Width(), up.swatch->Width());

    const ColorButtonFace disabled = ColorButtonFaceOf(kButton, {.disabled = true}, 96);
    EXPECT_FALSE(disabled.swatch);
    EXPECT_EQ(disabled.lines.size(), up.lines.size());
    EXPECT_EQ(disabled.lines.back().ink, Ink::Grey);
    EXPECT_EQ(up.lines.back().ink, Ink::Black);
}

TEST(ColorButtonFaceTest, OnlyTheFocusAddsDotsAndTheyStayOffTheSwatch) {
    const ColorButtonFace plain = ColorButtonFaceOf(kButton, {}, 96);
    const ColorButtonFace focused = ColorButtonFaceOf(kButton, {.focused = true}, 96);
    ASSERT_GT(focused.pixels.size(), plain.pixels.size() + 20);
    const Rect swatch = *focused.swatch;
    EXPECT_TRUE(std::none_of(focused.pixels.begin(), focused.pixels.end(), [&](const InkPixel& p) {
        return p.at.x >= swatch.left && p.at.x < swatch.right && p.at.y >= swatch.top &&
               p.at.y < swatch.bottom;
    }));
}

// At 144 DPI a button of 72 x 35: the swatch 8 from the left, 6 from top and bottom and 23 from
// the right, the separator 15 from the right, an arrow of 5 rows (9 to 1 pixels) centred 9 from
// the right; the edges stay one pixel.
TEST(ColorButtonFaceTest, TheDetailsScaleWithTheDpi) {
    const ColorButtonFace face = ColorButtonFaceOf({0, 0, 72, 35}, {}, 144);
    EXPECT_EQ(face.swatch, (Rect{8, 6, 49, 29}));
    EXPECT_EQ(face.lines[1].points.front(), (Point{1, 33}));
    EXPECT_EQ(face.lines[3].points, (std::vector<Point>{{57, 6}, {57, 29}}));
    EXPECT_EQ(face.lines[5].points, (std::vector<Point>{{67, 15}, {58, 15}}));
    EXPECT_EQ(face.pixels.back().at, (Point{63, 19}));
}

}  // namespace
}  // namespace blenker
