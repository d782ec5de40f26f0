// The geometry of the popup menu's items: size, check dot and text rectangle.
#include "ui/menu_metrics.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

void ExpectRect(const Rect& actual, int left, int top, int right, int bottom) {
    EXPECT_EQ(actual.left, left);
    EXPECT_EQ(actual.top, top);
    EXPECT_EQ(actual.right, right);
    EXPECT_EQ(actual.bottom, bottom);
}

// Sizes worked out by hand from the menu's rule: 23 pixels wider and 4 higher than the text.
TEST(MenuMetricsTest, ItemIsTheTextPlus23By4) {
    const struct {
        int textWidth, textHeight, width, height;
    } cases[] = {
        {0, 0, 23, 4}, {38, 13, 61, 17}, {41, 16, 64, 20}, {1000, 13, 1023, 17}, {7, 40, 30, 44}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.textWidth);
        const Size size = MenuItemSize(c.textWidth, c.textHeight, 96);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

TEST(MenuMetricsTest, DotIsTheCheckBoxFourFromTheLeftCentredAndShrunkByFour) {
    // Height 17, check 13: (17 - 13 + 1) / 2 = 2.
    ExpectRect(CheckDotRect({0, 0, 120, 17}, 13, 13, 96), 8, 6, 13, 11);
    // The item's own offset carries over; height 18 gives (18 - 13 + 1) / 2 = 3.
    ExpectRect(CheckDotRect({10, 40, 130, 58}, 13, 13, 96), 18, 47, 23, 52);
    // A wider than high check box: only the height centres.
    ExpectRect(CheckDotRect({0, 20, 90, 40}, 16, 12, 96), 8, 28, 16, 32);
}

TEST(MenuMetricsTest, DotCentringTruncatesTowardZero) {
    // (17 - 12 + 1) / 2 = 3 and (16 - 12 + 1) / 2 = 2: an odd difference rounds down; the dot
    // is 4 further down.
    EXPECT_EQ(CheckDotRect({0, 0, 50, 17}, 12, 12, 96).top, 7);
    EXPECT_EQ(CheckDotRect({0, 0, 50, 16}, 12, 12, 96).top, 6);
    // A check box taller than the item: (10 - 14 + 1) / 2 = -3 / 2 = -1, not -2.
    ExpectRect(CheckDotRect({0, 100, 50, 110}, 14, 14, 96), 8, 103, 14, 109);
    // (10 - 13 + 1) / 2 = -1 exactly: the box at 99, the dot at 103.
    EXPECT_EQ(CheckDotRect({0, 100, 50, 110}, 13, 13, 96).top, 103);
}

TEST(MenuMetricsTest, TextStartsPastTheCheckColumnAndTwoDown) {
    ExpectRect(MenuTextRect({0, 0, 120, 17}, 13, 96), 21, 2, 120, 17);
    ExpectRect(MenuTextRect({5, 34, 80, 51}, 16, 96), 29, 36, 80, 51);
}

// At 144 DPI the margins are 1.5 times the design's, halves rounded up: 23 -> 35, 4 -> 6,
// 8 -> 12, 2 -> 3.
TEST(MenuMetricsTest, MarginsScaleWithTheDpi) {
    EXPECT_EQ(MenuItemSize(60, 22, 144), (Size{95, 28}));
    // Check box 20 in an item 28 high: 4 down, 6 from the left, the dot 6 inside it.
    ExpectRect(CheckDotRect({0, 10, 200, 38}, 20, 20, 144), 12, 20, 20, 28);
    ExpectRect(MenuTextRect({0, 10, 200, 38}, 20, 144), 32, 13, 200, 38);
}

}  // namespace
}  // namespace blenker
