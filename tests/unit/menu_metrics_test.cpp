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

TEST(MenuMetricsTest, ItemIsTheTextPlus23By4) {
    const struct {
        int textWidth, textHeight;
    } texts[] = {{0, 0}, {38, 13}, {41, 16}, {1000, 13}, {7, 40}};
    for (const auto& text : texts) {
        SCOPED_TRACE(text.textWidth);
        const Size size = MenuItemSize(text.textWidth, text.textHeight);
        EXPECT_EQ(size.width, text.textWidth + 23);
        EXPECT_EQ(size.height, text.textHeight + 4);
    }
}

TEST(MenuMetricsTest, DotIsTheCheckBoxFourFromTheLeftCentredAndShrunkByFour) {
    // Height 17, check 13: (17 - 13 + 1) / 2 = 2.
    ExpectRect(CheckDotRect({0, 0, 120, 17}, 13, 13), 8, 6, 13, 11);
    // The item's own offset carries over; height 18 gives (18 - 13 + 1) / 2 = 3.
    ExpectRect(CheckDotRect({10, 40, 130, 58}, 13, 13), 18, 47, 23, 52);
    // A wider than high check box: only the height centres.
    ExpectRect(CheckDotRect({0, 20, 90, 40}, 16, 12), 8, 28, 16, 32);
}

TEST(MenuMetricsTest, DotCentringTruncatesTowardZero) {
    // (17 - 12 + 1) / 2 = 3 and (16 - 12 + 1) / 2 = 2: an odd difference rounds down.
    EXPECT_EQ(CheckDotRect({0, 0, 50, 17}, 12, 12).top, 3 + 4);
    EXPECT_EQ(CheckDotRect({0, 0, 50, 16}, 12, 12).top, 2 + 4);
    // A check box taller than the item: (10 - 14 + 1) / 2 = -3 / 2 = -1, not -2.
    ExpectRect(CheckDotRect({0, 100, 50, 110}, 14, 14), 8, 103, 14, 109);
    // (10 - 13 + 1) / 2 = -1 exactly.
    EXPECT_EQ(CheckDotRect({0, 100, 50, 110}, 13, 13).top, 99 + 4);
}

TEST(MenuMetricsTest, TextStartsPastTheCheckColumnAndTwoDown) {
    ExpectRect(MenuTextRect({0, 0, 120, 17}, 13), 21, 2, 120, 17);
    ExpectRect(MenuTextRect({5, 34, 80, 51}, 16), 29, 36, 80, 51);
}

}  // namespace
}  // namespace blenker
