#include "app/settings/sheet_fit.h"

#include <gtest/gtest.h>

#include <array>

namespace blenker {
namespace {

// The settings pages at 96 dpi in "MS Sans Serif" 8 (6 x 13 dialog base units): 195 wide and
// 170, 161 and 203 dialog units high, that is 293 x 276, 262 and 330 pixels. The tab control at
// (7, 7) and buttons of 75 x 23. Each place worked out by hand from the sheet's fitting rule:
// tabs = page + (9, 27), sheet = tabs + (17, 68), Cancel right-aligned with the tabs and 7
// below them, OK 15 to the left of Cancel.
TEST(SheetFitTest, TheSheetFollowsEachPageWithTheButtonsUnderTheTabs) {
    const struct {
        int pageHeight;
        Size tab, sheet;
        Point cancel, ok;
    } pages[] = {
        {276, {302, 303}, {319, 371}, {234, 317}, {144, 317}},  // Misc: tabs end at 309, 310
        {262, {302, 289}, {319, 357}, {234, 303}, {144, 303}},  // About: tabs end at 309, 296
        {330, {302, 357}, {319, 425}, {234, 371}, {144, 371}},  // Titles: tabs end at 309, 364
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.pageHeight);
        const SheetFit fit = FitSheetToPage({293, page.pageHeight}, {7, 7}, {75, 23}, 96);
        EXPECT_EQ(
            (std::array{fit.tab.width, fit.tab.height, fit.sheet.width, fit.sheet.height}),
            (std::array{page.tab.width, page.tab.height, page.sheet.width, page.sheet.height}));
        EXPECT_EQ((std::array{fit.cancel.x, fit.cancel.y, fit.ok.x, fit.ok.y}),
                  (std::array{page.cancel.x, page.cancel.y, page.ok.x, page.ok.y}));
    }
}

// At 150 % the margins grow with the sheet: tabs = page + (14, 41), sheet = tabs + (26, 102),
// the buttons 11 under the tabs and 23 apart.
TEST(SheetFitTest, TheMarginsScaleWithTheSheetsDpi) {
    const SheetFit fit = FitSheetToPage({440, 414}, {11, 11}, {113, 35}, 144);
    EXPECT_EQ((std::array{fit.tab.width, fit.tab.height, fit.sheet.width, fit.sheet.height}),
              (std::array{454, 455, 480, 557}));
    EXPECT_EQ((std::array{fit.cancel.x, fit.cancel.y, fit.ok.x, fit.ok.y}),
              (std::array{352, 477, 216, 477}));
}

// A sheet that grew past the work area's bottom moves up into it; one larger than the area
// keeps its top-left corner inside.
TEST(SheetFitTest, AGrownSheetMovesIntoTheWorkArea) {
    const Rect area{0, 0, 1400, 1100};
    EXPECT_EQ(MovedInto({495, 290, 975, 1100 + 290 - 300}, area), (Point{495, 290}));
    EXPECT_EQ(MovedInto({495, 290, 975, 1200}, area), (Point{495, 190}));
    EXPECT_EQ(MovedInto({-20, 290, 460, 500}, area), (Point{0, 290}));
    EXPECT_EQ(MovedInto({100, 50, 1600, 1300}, area), (Point{0, 0}));
}

}  // namespace
}  // namespace blenker
