#include "mainwnd/main_commands.h"

#include <functional>

#include "fake_main_window.h"
#include "mainwnd/tray_menu.h"
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
    void RemoveTrayIcon() override { ++iconRemovals; }

    std::vector<bool> shows;
    std::vector<int> closes;
    int helps = 0, repaints = 0, iconRemovals = 0;
    std::function<std::optional<CloseCounters>(CloseCounters)> sheet;
};

struct MainCommandsTest : MainWindowTest {
    FakeDialogSite window;
    MainCommands commands{window, editor, scan, true};
};

TEST_F(MainCommandsTest, HidingAndShowingKeepTheHiddenState) {
    EXPECT_EQ(commands.Hidden(), 1);
    commands.OnCommand(WM_BLENK_RESTORE, 0);
    EXPECT_EQ(commands.Hidden(), 0);
    commands.OnCommand(IDC_MINIMIZE, 0);
    EXPECT_EQ(window.shows, std::vector<bool>({true, false}));
    EXPECT_EQ(commands.Hidden(), 1);
    commands.OnCommand(IDC_HELP_BUTTON, 0);
    EXPECT_EQ(window.helps, 1);
}

TEST_F(MainCommandsTest, OkEndsOnceAfterTheControlsWereReadAndCancelStoresNothing) {
    commands.OnCommand(IDC_CLOSE, 0);
    commands.OnCommand(kCancelCommand, 0);
    EXPECT_TRUE(site.replaced.empty());
    host.checked = false;  // the box says off: that is the state stored
    WriteInt(store, Setting::PreviousState, 1);
    commands.OnCommand(kOkCommand, 0);
    commands.End();  // the window's destruction
    EXPECT_EQ(window.closes, std::vector<int>({kCancelCommand, kCancelCommand, kOkCommand}));
    EXPECT_EQ(ReadInt(store, Setting::PreviousState), 0);
    EXPECT_EQ(site.replaced.size(), 1u);
}

TEST_F(MainCommandsTest, TheSettingsSheetTakesTheCountersAndGivesThemBackOnOk) {
    scan.Engine().m_nClosedTotal = 7;
    scan.Engine().m_nClosedRun = 3;
    window.sheet = [this](CloseCounters shown) -> std::optional<CloseCounters> {
        EXPECT_TRUE(shown.total == 7 && shown.run == 3);
        editor.Add("added");  // held until the sheet's end
        EXPECT_TRUE(site.replaced.empty());
        return std::nullopt;
    };
    commands.OnCommand(IDC_SETTINGS, 0);
    EXPECT_EQ(scan.Engine().m_nClosedTotal, 7);
    EXPECT_EQ(site.replaced.size(), 1u);  // saved whatever the end
    // OK with "Instant blenk" cleared: in force at once.
    scan.Start();
    ASSERT_TRUE(host.listening);
    window.sheet = [this](CloseCounters) {
        WriteInt(store, Setting::InstantBlenk, 0);
        return std::optional<CloseCounters>({0, 0});
    };
    commands.OnCommand(IDC_SETTINGS, 0);
    EXPECT_FALSE(host.listening);
    EXPECT_EQ(scan.Engine().m_nClosedTotal + scan.Engine().m_nClosedRun, 0);
    EXPECT_EQ(window.repaints, 1);
    editor.Add("after");  // saves are no longer held
    EXPECT_EQ(site.replaced.size(), 3u);
}

TEST_F(MainCommandsTest, TheSessionsEndRunsTheEndOnceWhileTheUnconfirmedSheetStoresNothing) {
    host.checked = true;
    commands.OnEndSession(false);  // the session goes on
    EXPECT_EQ(store.WriteCount(), 0);
    EXPECT_EQ(window.iconRemovals, 0);
    scan.Engine().m_nClosedTotal = 7;
    window.sheet = [this](CloseCounters) -> std::optional<CloseCounters> {
        editor.Add("added");  // held while the sheet is open: the end saves it
        commands.OnEndSession(true);
        EXPECT_EQ(site.replaced.size(), 1u);
        EXPECT_EQ(window.iconRemovals, 1);
        return std::nullopt;  // the system ends the process before any OK
    };
    commands.OnCommand(IDC_SETTINGS, 0);
    EXPECT_EQ(ReadInt(store, Setting::PreviousState), 1);
    EXPECT_EQ(ReadInt(store, Setting::Closed), 7);
    commands.End();  // the window's destruction: no second end
    EXPECT_EQ(window.iconRemovals, 1);
}

}  // namespace
}  // namespace blenker
