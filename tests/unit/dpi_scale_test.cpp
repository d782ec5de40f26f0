// Sizes for a window's DPI: scaling the 96-DPI design, the art chosen, and the design found
// again from the dialog manager's layout.
#include <gtest/gtest.h>

#include <array>

#include "framework/dpi_scale.h"

namespace blenker {
namespace {

TEST(DpiScaleTest, TheDesignScalesEdgeByEdgeAndTheNearestLargerArtIsChosen) {
    EXPECT_EQ(ScaleToDpi(15, 96), 15);
    EXPECT_EQ(ScaleToDpi(15, 144), 23);  // 22.5, halves away from zero
    EXPECT_EQ(ScaleToDpi(-15, 144), -23);
    EXPECT_EQ(ScaleToDpi(169, 120), 211);
    // Rectangles that touch at 96 DPI touch at every DPI.
    const Rect left = ScaleToDpi(Rect{3, 3, 33, 23}, 120);
    const Rect right = ScaleToDpi(Rect{33, 3, 63, 23}, 120);
    EXPECT_EQ(left.right, right.left);
    EXPECT_EQ(left, (Rect{4, 4, 41, 29}));

    EXPECT_EQ((std::array{ArtPercent(72), ArtPercent(96), ArtPercent(97), ArtPercent(120),
                          ArtPercent(144), ArtPercent(145), ArtPercent(192), ArtPercent(288)}),
              (std::array{100, 100, 150, 150, 150, 200, 200, 200}));
    EXPECT_EQ(
        (std::array{ArtResourceId(142, 100), ArtResourceId(142, 150), ArtResourceId(142, 200)}),
        (std::array{142, 1142, 2142}));
    // Drawn at 150 % (45 x 30), shown at 125 % in 38 x 25; the small 15 x 9 ones in 19 x 11.
    EXPECT_EQ(ShownArtSize({45, 30}, 150, 120), (Size{38, 25}));
    EXPECT_EQ(ShownArtSize({23, 14}, 150, 120), (Size{19, 11}));
    EXPECT_EQ(ShownArtSize({60, 40}, 200, 192), (Size{60, 40}));
}

TEST(DpiScaleTest, TheDesignIsFoundAgainFromTheLayoutOfAnyFontSize) {
    // For every position and size in dialog units, as the dialog manager lays it out with the
    // base units of a font at some DPI, the design is the layout with 6 x 13 base units.
    for (const Size base : {Size{6, 13}, Size{7, 16}, Size{9, 19}, Size{10, 22}, Size{12, 26}}) {
        for (int units = 0; units <= 200; ++units) {
            const int x = MulDivRounded(units, base.width, 4);
            const int width = MulDivRounded(units / 2, base.width, 4);
            const int y = MulDivRounded(units, base.height, 8);
            const int height = MulDivRounded(units / 3, base.height, 8);
            const Rect design = DesignRect({x, y, x + width, y + height}, base);
            const int designX = MulDivRounded(units, 6, 4);
            const int designY = MulDivRounded(units, 13, 8);
            ASSERT_EQ(design, (Rect{designX, designY, designX + MulDivRounded(units / 2, 6, 4),
                                    designY + MulDivRounded(units / 3, 13, 8)}))
                << base.width << "x" << base.height << " at " << units;
        }
    }
}

}  // namespace
}  // namespace blenker
