#include "mainwnd/tray_notice.h"

#include <gtest/gtest.h>

#include "mainwnd/tray_menu.h"

namespace blenker {
namespace {

TEST(TrayNoticeTest, EachMessageOfTheIconBecomesItsPostOrTheMenu) {
    EXPECT_EQ(ReactToTray(WM_TRAY_NOTIFY, 7, 0x0201)->post, (TrayPost{WM_TRAY_LBUTTON, 7, 0x0201}));
    EXPECT_EQ(ReactToTray(WM_TRAY_NOTIFY, 7, 0x0204)->post, (TrayPost{WM_TRAY_RBUTTON, 7, 0x0204}));
    EXPECT_EQ(ReactToTray(WM_TRAY_NOTIFY, 7, 0x0200)->post, (TrayPost{WM_TRAY_OTHER, 7, 0x0200}));
    EXPECT_EQ(ReactToTray(WM_TRAY_LBUTTON, 7, 0x0201),
              (TrayReaction{TrayPost{0x0111, WM_BLENK_RESTORE, 0}, false}));
    EXPECT_EQ(ReactToTray(WM_TRAY_RBUTTON, 7, 0x0204), (TrayReaction{{}, true}));
    EXPECT_FALSE(ReactToTray(WM_TRAY_OTHER, 7, 0x0200) || ReactToTray(0x0201, 0, 0));
    EXPECT_EQ(TrayTip(std::string(70, 'x')), std::string(63, 'x'));
}

}  // namespace
}  // namespace blenker
