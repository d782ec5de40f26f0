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

// With the option on (its default), each window that appears meets the pass's rules alone while
// scanning is on: no pass over the desktop, a match closed and counted at once.
TEST_F(ScanSwitchTest, AnAppearingWindowIsTriedAloneWhileScanningWithInstantBlenk) {
    editor.List().AddTitle("Pop");
    desktop.Add("Pop-up");
    desktop.Add("Other");
    const auto appear = [&](WindowRef window) {
        desktop.windows[window].open = true;
        scan.OnWindowAppeared(window);
        return desktop.windows[window].open;
    };
    scan.Start();
    EXPECT_TRUE(host.listening);
    EXPECT_TRUE(appear(1));
    EXPECT_FALSE(appear(0));
    EXPECT_EQ(desktop.passes, 0);
    EXPECT_EQ(store.ReadNumber("Stat", "Closed", -1), 1);
    EXPECT_EQ(desktop.sounds.size(), 1u);

    scan.OnCommand(IDC_ENABLE, kButtonClicked);  // off: an event that was already posted is late
    EXPECT_FALSE(host.listening);
    EXPECT_TRUE(appear(0));
    scan.OnCommand(IDC_ENABLE, kButtonClicked);
    EXPECT_FALSE(appear(0));

    store.WriteNumber("Settings", "InstantBlenk", 0);
    scan.LoadOptions();
    EXPECT_FALSE(host.listening);
    EXPECT_TRUE(appear(0));
    store.WriteNumber("Settings", "InstantBlenk", 1);
    scan.LoadOptions();
    EXPECT_TRUE(host.listening);
    scan.End();
    EXPECT_FALSE(host.listening);
    EXPECT_EQ(desktop.windows[0].closeRequests, 2);
}

}  // namespace
}  // namespace blenker
