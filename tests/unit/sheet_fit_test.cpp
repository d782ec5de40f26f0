#include "app/settings/sheet_fit.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

// The settings pages at 96 dpi in "MS Sans Serif" 8 (6 x 13 dialog base units): 195 wide and
// 170, 161 and 203 dialog units high.
TEST(SheetFitTest, TheSheetFollowsEachPageWithTheButtonsUnderTheTabs) {
    const Point tab{7, 7};
    const Size button{75, 23};
    const SheetFit misc = FitSheetToPage({293, 276}, tab, button);
    const SheetFit about = FitSheetToPage({293, 262}, tab, button);
    const SheetFit titles = FitSheetToPage({293, 330}, tab, button);

    for (const SheetFit& fit : {misc, about, titles}) {
        const int tabRight = tab.x + fit.tab.width;
        const int tabBottom = tab.y + fit.tab.height;
        EXPECT_EQ(fit.cancel.x + button.width, tabRight);  // right-aligned with the tabs
        EXPECT_EQ(fit.cancel.y, tabBottom + 7);
        EXPECT_EQ(fit.ok.y, fit.cancel.y);
        EXPECT_EQ(fit.ok.x + button.width + 15, fit.cancel.x);
        EXPECT_EQ(fit.sheet.width, fit.tab.width + 17);
        EXPECT_EQ(fit.sheet.height, fit.tab.height + 68);
    }
    EXPECT_EQ(misc.tab.width, 302);
    EXPECT_EQ(misc.tab.height, 303);
    EXPECT_EQ(misc.cancel.x, 234);
    EXPECT_EQ(misc.ok.x, 144);
    // Only the height changes from page to page, by the pages' difference.
    EXPECT_EQ(titles.sheet.height - about.sheet.height, 330 - 262);
    EXPECT_EQ(titles.sheet.width, about.sheet.width);
    EXPECT_EQ(titles.cancel.y - misc.cancel.y, 330 - 276);
}

}  // namespace
}  // namespace blenker
