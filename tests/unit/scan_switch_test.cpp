#include "mainwnd/scan_switch.h"

#include <gtest/gtest.h>

#include "fake_desktop.h"
#include "fake_main_window.h"
#include "mainwnd/tray_menu.h"
#include "store/memory_profile_store.h"

namespace blenker {
namespace {

struct ScanSwitchTest : testing::Test {
    FakeScanHost host;
    FakeDesktop desktop;
    TitleList titles;
    MemoryProfileStore store;
    ScanSwitch scan{host, host, desktop, titles, store, "2.005"};
};

TEST_F(ScanSwitchTest, TheEnableBoxShowsTheRealStateAfterAClick) {
    scan.OnCommand(IDC_ENABLE, kButtonClicked);
    EXPECT_TRUE(host.checked);
    scan.OnCommand(IDC_ENABLE, kButtonClicked);
    EXPECT_FALSE(host.checked);
    host.failTimer = true;
    host.checked = true;  // the box marked itself, but no timer started
    scan.OnCommand(IDC_ENABLE, kButtonClicked);
    EXPECT_FALSE(host.checked);
    EXPECT_FALSE(scan.Scanning());
    scan.OnCommand(IDC_ENABLE, kButtonClicked + 1);  // not a click: nothing switches
    EXPECT_EQ(host.refreshes, 0);
}

TEST_F(ScanSwitchTest, TheMenusEnabledSwitchesAndRefreshesEveryControl) {
    EXPECT_TRUE(scan.OnCommand(ID_TRAY_ENABLED, 0));
    EXPECT_TRUE(scan.Scanning());
    EXPECT_EQ(host.refreshes, 1);
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
    EXPECT_TRUE(host.checked);  // enabled until the first switch, as the dialog starts
    host.checked = false;
    host.delay = "typed";
    scan.UpdateControls(true);
    EXPECT_FALSE(scan.Scanning());
    EXPECT_EQ(scan.Schedule().m_strDelay, "typed");
}

}  // namespace
}  // namespace blenker
