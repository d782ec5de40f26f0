#include "mainwnd/tray_notice.h"

#include <gtest/gtest.h>

#include "mainwnd/tray_menu.h"

namespace blenker {
namespace {

TEST(TrayNoticeTest, EachMouseMessageOfTheIconBecomesItsOwnPost) {
    const auto left = ReactToTray(WM_TRAY_NOTIFY, kTrayIconId, 0x0201);
    ASSERT_TRUE(left && left->post);
    EXPECT_EQ(*left->post, (TrayPost{WM_TRAY_LBUTTON, kTrayIconId, 0x0201}));
    EXPECT_EQ(ReactToTray(WM_TRAY_NOTIFY, 7, 0x0204)->post, (TrayPost{WM_TRAY_RBUTTON, 7, 0x0204}));
    EXPECT_EQ(ReactToTray(WM_TRAY_NOTIFY, 7, 0x0200)->post, (TrayPost{WM_TRAY_OTHER, 7, 0x0200}));
    EXPECT_FALSE(left->openMenu);
}

TEST(TrayNoticeTest, ALeftPressRestoresTheWindowAndARightPressOpensTheMenu) {
    EXPECT_EQ(ReactToTray(WM_TRAY_LBUTTON, kTrayIconId, 0x0201),
              (TrayReaction{TrayPost{0x0111, WM_BLENK_RESTORE, 0}, false}));
    EXPECT_EQ(ReactToTray(WM_TRAY_RBUTTON, kTrayIconId, 0x0204), (TrayReaction{{}, true}));
    EXPECT_FALSE(ReactToTray(WM_TRAY_OTHER, kTrayIconId, 0x0200));
    EXPECT_FALSE(ReactToTray(0x0201, 0, 0));
}

TEST(TrayNoticeTest, TheTipIsCutTo63Characters) {
    const std::string caption(70, 'x');
    EXPECT_EQ(TrayTip(caption), caption.substr(0, 63));
    EXPECT_EQ(TrayTip("The Blenker 2.005 - On"), "The Blenker 2.005 - On");
}

}  // namespace
}  // namespace blenker
