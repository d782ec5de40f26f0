#include "ui/link_style.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

constexpr LinkColors kColors{0x0000FF, 0x008080, 0x800080, 0xFF0000};

TEST(LinkStyleTest, TheTextColourFollowsHoverThenActiveThenVisited) {
    struct Case {
        LinkState state;
        unsigned style;
        LinkColor expected;
    };
    const Case cases[] = {
        {{false, false, false}, kLinkDefaultStyle, kColors.normal},
        {{false, false, true}, kLinkDefaultStyle, kColors.visited},
        {{false, true, true}, kLinkDefaultStyle, kColors.active},
        {{true, true, true}, kLinkDefaultStyle, kColors.hover},
        {{true, false, false}, kLinkDefaultStyle, kColors.hover},
        // Without the hover bit the mouse changes nothing; the next rule decides.
        {{true, true, true}, kLinkDefaultStyle & ~kLinkUseHover, kColors.active},
        {{true, false, true}, kLinkDefaultStyle & ~kLinkUseHover, kColors.visited},
        {{true, false, false}, kLinkDefaultStyle & ~kLinkUseHover, kColors.normal},
        // A style that refuses the active colour falls through to visited or normal.
        {{false, true, true}, kLinkDefaultStyle | kLinkNoActiveColor, kColors.visited},
        {{false, true, false}, kLinkDefaultStyle | kLinkNoActiveColor, kColors.normal},
        {{true, true, false}, kLinkDefaultStyle | kLinkNoActiveColor, kColors.hover},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LinkTextColor(c.state, c.style, kColors), c.expected)
            << "hover " << c.state.hover << " active " << c.state.active << " visited "
            << c.state.visited << " style " << c.style;
    }
}

void ExpectRect(const Rect& rect, int left, int top, int right, int bottom) {
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.bottom, bottom);
}

TEST(LinkStyleTest, FittingKeepsTheSideOrTheCentreOfTheAlignment) {
    const Rect box{10, 20, 110, 40};  // 100 x 20
    ExpectRect(FitLinkToText(box, 30, 8, LinkAlign::Left, false), 10, 20, 40, 28);
    ExpectRect(FitLinkToText(box, 30, 8, LinkAlign::Right, false), 80, 20, 110, 28);
    ExpectRect(FitLinkToText(box, 30, 8, LinkAlign::Center, false), 45, 20, 75, 28);
    ExpectRect(FitLinkToText(box, 30, 8, LinkAlign::Center, true), 45, 26, 75, 34);
    // Odd differences: both sides lose the truncated half, so one pixel more stays.
    ExpectRect(FitLinkToText(box, 31, 7, LinkAlign::Center, true), 44, 26, 76, 34);
    // A text wider or taller than the control grows it the same ways.
    ExpectRect(FitLinkToText(box, 120, 30, LinkAlign::Center, true), 0, 15, 120, 45);
    ExpectRect(FitLinkToText(box, 120, 30, LinkAlign::Right, false), -10, 20, 110, 50);
    // Odd growths: the text gets the pixel over, never loses one (a narrower static wraps).
    ExpectRect(FitLinkToText(box, 133, 25, LinkAlign::Center, true), -7, 17, 127, 43);
    ExpectRect(FitLinkToText(Rect{0, 0, 1, 13}, 134, 13, LinkAlign::Center, false), -67, 0, 68, 13);
}

TEST(LinkStyleTest, RefittingACentredLinkKeepsItsCentre) {
    Rect box{0, 0, 200, 16};
    for (const int width : {150, 40, 90, 91, 12}) {
        box = FitLinkToText(box, width, 16, LinkAlign::Center, false);
        EXPECT_NEAR((box.left + box.right) / 2.0, 100.0, 0.5) << width;
        EXPECT_NEAR(box.right - box.left, width, 1);
    }
}

TEST(LinkStyleTest, TheTextStartsWhereItsAlignmentPutsIt) {
    const Size client{100, 20};
    const Size text{41, 13};
    EXPECT_EQ(LinkTextOrigin(client, text, LinkAlign::Left, false).x, 0);
    EXPECT_EQ(LinkTextOrigin(client, text, LinkAlign::Center, false).x, 29);
    EXPECT_EQ(LinkTextOrigin(client, text, LinkAlign::Right, false).x, 59);
    EXPECT_EQ(LinkTextOrigin(client, text, LinkAlign::Right, false).y, 0);
    EXPECT_EQ(LinkTextOrigin(client, text, LinkAlign::Left, true).y, 3);
}

TEST(LinkStyleTest, MnemonicMarksAreNotShown) {
    EXPECT_EQ(WithoutMnemonics("Tom && &Jerry&"), "Tom & Jerry");
    EXPECT_EQ(WithoutMnemonics("http://www.vorlen.example/"), "http://www.vorlen.example/");
}

}  // namespace
}  // namespace blenker
