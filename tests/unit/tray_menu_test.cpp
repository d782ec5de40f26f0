#include "mainwnd/tray_menu.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace blenker {
namespace {

TEST(TrayMenuTest, TheSecondItemFollowsTheWindowAndTheCheckTheScan) {
    for (const bool hidden : {false, true}) {
        for (const bool scanning : {false, true}) {
            const auto items = TrayMenuItems({hidden, scanning});
            EXPECT_EQ(items[0],
                      (TrayMenuItem{TrayCommand::SwitchScan, IDS_TRAY_ENABLED, scanning}));
            EXPECT_EQ(items[1].command, hidden ? TrayCommand::Open : TrayCommand::Minimize);
            EXPECT_EQ(items[1].textId, hidden ? IDS_TRAY_OPEN : IDS_TRAY_MINIMIZE);
            EXPECT_EQ(items[2], (TrayMenuItem{TrayCommand::Exit, IDS_TRAY_EXIT, false}));
            EXPECT_FALSE(items[1].checked);
        }
    }
}

}  // namespace
}  // namespace blenker
