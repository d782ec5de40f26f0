#include "ui/color_palette.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace blenker {
namespace {

std::array<int, ColorPalette::kSize> Ranks(const ColorPalette& palette) {
    std::array<int, ColorPalette::kSize> ranks{};
    for (int i = 0; i < ColorPalette::kSize; ++i) {
        ranks[i] = palette.Rank(i);
    }
    return ranks;
}

bool IsPermutation(std::array<int, ColorPalette::kSize> ranks) {
    std::sort(ranks.begin(), ranks.end());
    return ranks.front() == 1 && std::adjacent_find(ranks.begin(), ranks.end(), [](int a, int b) {
                                     return b != a + 1;
                                 }) == ranks.end();
}

TEST(ColorPaletteTest, RecencyDecidesWhichEntryACustomColourReplaces) {
    ColorPalette palette;
    EXPECT_EQ(palette.ChooseCustom(0x123456), 10);  // cream, the least recent by default
    EXPECT_EQ(palette.ChooseCustom(0x654321), 9);   // then pale blue
    EXPECT_EQ(palette.ColorAt(10), 0x123456u);
    EXPECT_EQ(palette.ChooseCustom(0x0000FF), 13);  // red is there: chosen, nothing replaced
    EXPECT_EQ(palette.ColorAt(11), 0xA4A0A0u);
    EXPECT_EQ(palette.ColorAt(20), 0u);  // nothing is read outside the table

    ColorPalette fresh;  // ranks 1, 3, ..., 19, 20, 18, ..., 2
    fresh.Choose(5);     // rank 11: only the ranks below it move
    EXPECT_EQ(Ranks(fresh),
              (std::array<int, ColorPalette::kSize>{2,  4,  6,  8,  10, 1,  13, 15, 17, 19,
                                                    20, 18, 16, 14, 12, 11, 9,  7,  5,  3}));

    std::mt19937 random(7);
    for (int step = 0; step < 2000; ++step) {
        if (random() % 3 == 0) {
            palette.ChooseCustom(random() % 64);
        } else {
            palette.Choose(static_cast<int>(random() % 22) - 1);  // -1 and 20 change nothing
        }
        ASSERT_TRUE(IsPermutation(Ranks(palette))) << step;
    }
}

TEST(ColorPaletteTest, ThePaletteGoesUnderItsButtonAboveItNearTheBottomFlushRightAtTheEdge) {
    const Rect button{100, 200, 148, 223};
    const auto at = [&](const Rect& area) {
        const Point point = PlacePalette(button, 74, 119, area);
        return std::pair(point.x, point.y);
    };
    EXPECT_EQ(at({0, 0, 1280, 342}), std::pair(100, 223));  // the bottom on the edge fits
    EXPECT_EQ(at({0, 0, 1280, 341}), std::pair(100, 81));   // one pixel less: above the button
    EXPECT_EQ(at({0, 0, 174, 1024}), std::pair(100, 223));
    EXPECT_EQ(at({0, 0, 160, 300}), std::pair(86, 81));
    EXPECT_EQ(at({-1820, -400, 160, 300}), std::pair(86, 81));  // a monitor left of the first
    // Room neither under nor above the button: on the area's top edge; a button reaching out of
    // the area on the left: on its left edge.
    EXPECT_EQ(at({0, 150, 1280, 330}), std::pair(100, 150));
    EXPECT_EQ(at({120, 0, 1280, 1024}), std::pair(120, 223));
}

TEST(ColorPaletteTest, OnlyTheTwentyCellsAreEntries) {
    EXPECT_EQ(PaletteCellIndex(IDC_PALETTE_FIRST_CELL), 0);
    EXPECT_EQ(PaletteCellIndex(IDC_PALETTE_FIRST_CELL + 19), 19);
    EXPECT_EQ(PaletteCellIndex(IDC_PALETTE_OTHER), -1);
    EXPECT_EQ(PaletteCellIndex(IDC_PALETTE_FIRST_CELL - 1), -1);
}

}  // namespace
}  // namespace blenker
