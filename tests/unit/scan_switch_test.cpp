#include "mainwnd/scan_switch.h"

#include "fake_main_window.h"
#include "mainwnd/tray_menu.h"

namespace blenker {
namespace {

using ScanSwitchTest = MainWindowTest;

TEST_F(ScanSwitchTest, TheEnableBoxShowsTheRealStateAfterASwitch) {
    scan.OnCommand(IDC_ENABLE, kButtonClicked);
    EXPECT_TRUE(host.checked);
    host.failTimer = true;
    EXPECT_TRUE(scan.OnCommand(ID_TRAY_ENABLED, 0));  // off, and every control refreshed
    EXPECT_EQ(host.refreshes, 1);
    host.checked = true;  // the box marked itself, but no timer starts
    scan.OnCommand(IDC_ENABLE, kButtonClicked);
    EXPECT_FALSE(host.checked || scan.Scanning());
    host.checked = true;
    scan.OnCommand(IDC_ENABLE, kButtonClicked + 1);  // not a click: nothing switches
    EXPECT_TRUE(host.checked);
    EXPECT_FALSE(scan.OnCommand(IDC_ADD, kButtonClicked));
}

TEST_F(ScanSwitchTest, TheDelayButtonsStepAndTheControlsGoBothWays) {
    scan.OnCommand(IDC_DELAY_UP, kButtonClicked);
    scan.UpdateControls(false);
    EXPECT_EQ(host.delay, "1.5");
    scan.OnCommand(IDC_DELAY_DOWN, kButtonClicked);
    scan.OnCommand(IDC_DELAY_DOWN, kButtonClicked);
    scan.UpdateControls(false);
    EXPECT_EQ(host.delay, "0.9");
    host.checked = false;
    host.delay = "typed";
    scan.UpdateControls(true);
    EXPECT_FALSE(scan.Scanning());
    EXPECT_EQ(scan.Schedule().m_strDelay, "typed");
}

}  // namespace
}  // namespace blenker
