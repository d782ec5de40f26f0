#include "ui/menu_metrics.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

TEST(MenuItemLookTest, ASelectedItemTakesTheSelectedPairAndACheckedOneTheDot) {
    constexpr MenuColors kColors{1, 2, 3, 4};
    const MenuItemLook plain = MenuItemLookOf(kColors, false, false);
    EXPECT_EQ(plain.bar, kColors.background);
    EXPECT_EQ(plain.ink, kColors.text);
    EXPECT_FALSE(plain.dot);
    const MenuItemLook selected = MenuItemLookOf(kColors, true, true);
    EXPECT_EQ(selected.bar, kColors.selectedBackground);
    EXPECT_EQ(selected.ink, kColors.selectedText);
    EXPECT_TRUE(selected.dot);
}

}  // namespace
}  // namespace blenker
