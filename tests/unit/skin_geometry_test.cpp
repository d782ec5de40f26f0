// The skinned main window's outline and the picture loader's arithmetic.
#include <gtest/gtest.h>

#include "mainwnd/window_shape.h"
#include "ui/picture_math.h"

namespace blenker {
namespace {

std::array<int, 4> Sides(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

TEST(SkinGeometryTest, TheOutlineLosesCaptionAndFrameAndRoundsItsCorners) {
    // A window of 275 x 262 pixels, caption 18 and edge 2 high.
    const WindowShape shape = SkinnedWindowShape(275, 262, 18, 2, 96);
    EXPECT_EQ(Sides(shape.body), (std::array{2, 20, 273, 260}));
    EXPECT_EQ(Sides(shape.squares[0]), (std::array{2, 20, 17, 35}));
    EXPECT_EQ(Sides(shape.squares[3]), (std::array{258, 245, 273, 260}));
    EXPECT_EQ(Sides(shape.ellipses[1]), (std::array{243, 20, 273, 50}));
    EXPECT_EQ(Sides(shape.ellipses[2]), (std::array{2, 230, 32, 260}));
    // At 150 % the corners grow to 23 x 23 squares and 46 x 46 ellipses.
    const WindowShape large = SkinnedWindowShape(410, 390, 27, 3, 144);
    EXPECT_EQ(Sides(large.body), (std::array{3, 30, 407, 387}));
    EXPECT_EQ(Sides(large.squares[3]), (std::array{384, 364, 407, 387}));
    EXPECT_EQ(Sides(large.ellipses[0]), (std::array{3, 30, 49, 76}));
}

TEST(SkinGeometryTest, APictureIsDrawnAtItsSizeOrGrownByItsNaturalSize) {
    // The lamp: 794 x 661 HIMETRIC, 30 x 25 pixels at 96 dots per inch.
    EXPECT_EQ(HimetricToPixels(794, 96), 30);
    EXPECT_EQ(HimetricToPixels(661, 96), 25);
    const PictureArea exact = RenderArea(169, 2, 30, 25, 0, 0, 794, 661, 96, 96);
    EXPECT_EQ((std::array{exact.left, exact.top, exact.width, exact.height, exact.extraX}),
              (std::array{169, 2, 30, 25, 0}));
    const PictureArea grown = RenderArea(0, 0, 30, 25, 1, 1, 794, 661, 192, 96);
    EXPECT_EQ((std::array{grown.width, grown.height, grown.extraX, grown.extraY}),
              (std::array{90, 50, 60, 25}));
    // Rounded half away from zero.
    EXPECT_EQ(MulDivRounded(5, 1, 2), 3);
    EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRounded(7, 1, 0), -1);
}

}  // namespace
}  // namespace blenker
