#include "mainwnd/tray_presence.h"

#include <gtest/gtest.h>

namespace blenker {
namespace {

TEST(TrayPresenceTest, AfterARestartTheIconComesBackWithItsLastTipUnlessItWasTakenOut) {
    TrayPresence icon;
    EXPECT_FALSE(icon.AfterShellRestart());  // never added
    icon.Told(TrayAction::ChangeTip, "early");
    EXPECT_FALSE(icon.AfterShellRestart());
    icon.Told(TrayAction::Add, "start");
    EXPECT_EQ(icon.AfterShellRestart(), "start");
    icon.Told(TrayAction::ChangeTip, std::string(70, 'x'));
    EXPECT_EQ(icon.AfterShellRestart(), std::string(63, 'x'));
    icon.Told(TrayAction::Delete, "");
    EXPECT_FALSE(icon.AfterShellRestart());
    icon.Told(TrayAction::ChangeTip, "later");
    EXPECT_FALSE(icon.AfterShellRestart());
}

}  // namespace
}  // namespace blenker
