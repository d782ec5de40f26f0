#include "mainwnd/main_commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "fake_desktop.h"
#include "fake_main_window.h"
#include "mainwnd/tray_menu.h"
#include "store/memory_profile_store.h"
#include "store/settings.h"

namespace blenker {
namespace {

// The window: what it was told, and a settings sheet that runs "sheet" and ends with OK when
// it returns counters.
struct FakeDialogSite : MainDialogSite {
    void ShowMainWindow(bool shown) override { shows.push_back(shown); }
    void CloseMainWindow(int result) override { closes.push_back(result); }
    void OpenHelp() override { ++helps; }
    std::optional<CloseCounters> RunSettings(CloseCounters counters) override {
        return sheet(counters);
    }
    void Repaint() override { ++repaints; }

    std::vector<bool> shows;
    std::vector<int> closes;
    int helps = 0, repaints = 0;
    std::function<std::optional<CloseCounters>(CloseCounters)> sheet;
};

struct MainCommandsTest : testing::Test {
    FakeTitleControls controls;
    FakeTitleSite titleSite;
    TitleFileKeeper file{[](const std::string&) { return ReadBytesFn(); }, titleSite};
    TitleListEditor titles{{}, controls, file};
    FakeScanHost host;
    FakeDesktop desktop;
    MemoryProfileStore store;
    ScanSwitch scan{host, host, desktop, titles.List(), store, "2.005"};
    FakeDialogSite site;
    MainCommands commands{site, titles, scan, true};
};

TEST_F(MainCommandsTest, HidingAndShowingKeepTheHiddenState) {
    EXPECT_EQ(commands.Hidden(), 1);
    commands.OnCommand(WM_BLENK_RESTORE, 0);
    EXPECT_EQ(commands.Hidden(), 0);
    commands.OnCommand(IDC_MINIMIZE, 0);
    commands.OnCommand(WM_BLENK_RESTORE, 0);
    commands.OnCommand(ID_TRAY_MINIMIZE, 0);
    EXPECT_EQ(site.shows, std::vector<bool>({true, false, true, false}));
    EXPECT_EQ(commands.Hidden(), 1);
    commands.OnCommand(IDC_HELP_BUTTON, 0);
    EXPECT_EQ(site.helps, 1);
}

TEST_F(MainCommandsTest, OkEndsOnceAfterTheControlsWereReadAndCancelStoresNothing) {
    commands.OnCommand(IDC_CLOSE, 0);
    commands.OnCommand(kCancelCommand, 0);
    EXPECT_TRUE(titleSite.replaced.empty());
    host.checked = false;  // the box says off: that is the state stored
    WriteInt(store, Setting::PreviousState, 1);
    commands.OnCommand(kOkCommand, 0);
    commands.End();  // the window's destruction
    EXPECT_EQ(site.closes, std::vector<int>({kCancelCommand, kCancelCommand, kOkCommand}));
    EXPECT_EQ(ReadInt(store, Setting::PreviousState), 0);
    EXPECT_EQ(titleSite.replaced.size(), 1u);
}

TEST_F(MainCommandsTest, TheSettingsSheetTakesTheCountersAndGivesThemBackOnOk) {
    scan.Engine().m_nClosedTotal = 7;
    scan.Engine().m_nClosedRun = 3;
    site.sheet = [this](CloseCounters shown) -> std::optional<CloseCounters> {
        EXPECT_EQ(shown.total, 7);
        EXPECT_EQ(shown.run, 3);
        titles.Add("added");  // held until the sheet's end
        EXPECT_TRUE(titleSite.replaced.empty());
        return std::nullopt;
    };
    commands.OnCommand(IDC_SETTINGS, 0);
    EXPECT_EQ(scan.Engine().m_nClosedTotal, 7);
    EXPECT_EQ(titleSite.replaced.size(), 1u);  // saved whatever the end
    site.sheet = [](CloseCounters) { return std::optional<CloseCounters>({0, 0}); };
    commands.OnCommand(IDC_SETTINGS, 0);
    EXPECT_EQ(scan.Engine().m_nClosedTotal, 0);
    EXPECT_EQ(scan.Engine().m_nClosedRun, 0);
    EXPECT_EQ(site.repaints, 1);
    titles.Add("after");  // saves are no longer held
    EXPECT_EQ(titleSite.replaced.size(), 3u);
}

}  // namespace
}  // namespace blenker
