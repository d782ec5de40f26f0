// The scan pass over the real desktop: windows of this process and of a helper process.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "scan/scan_engine.h"
#include "scan/win32_desktop.h"
#include "win_test_support.h"

namespace blenker {
namespace {

using test::HelperPopup;
using test::PumpMessages;
using test::ScopedRegistryStore;
using test::TestPopup;

class ScanPassTest : public ::testing::Test {
  protected:
    ScanPassTest() : store("BlenkerScanPassTest") {}

    // A new engine reads the options stored so far.
    ScanEngine& Engine() {
        engine = std::make_unique<ScanEngine>(titles, store);
        engine->LoadOptions();
        return *engine;
    }
    int StoredClosed() {
        return static_cast<int>(
            test::ReadRawValue(store.ApplicationKeyPath() + "\\Stat", "Closed").Number());
    }

    ScopedRegistryStore store;
    TitleList titles;
    Win32Desktop desktop;
    std::unique_ptr<ScanEngine> engine;
};

TEST_F(ScanPassTest, ClosesMatchingWindowsOfThisAndAnotherProcessOnePerPass) {
    titles.AddTitle("Annoying popup");
    HelperPopup remote("Annoying popup (remote)");
    HelperPopup remoteKeeper("Wanted window (remote)");
    ASSERT_NE(remote.WaitForWindow(), nullptr);
    ASSERT_NE(remoteKeeper.WaitForWindow(), nullptr);
    TestPopup local("ANNOYING POPUP (local)");
    TestPopup localKeeper("Wanted window (local)");
    ASSERT_TRUE(local.Alive());
    ScanEngine& scan = Engine();

    scan.RunPass(desktop);
    // Exactly one of the two went, and its request is already counted in the registry.
    EXPECT_EQ(scan.m_nClosedTotal, 1);
    EXPECT_EQ(StoredClosed(), 1);
    scan.RunPass(desktop);
    EXPECT_EQ(StoredClosed(), 2);
    EXPECT_FALSE(local.Alive());
    EXPECT_EQ(remote.WaitForExit(), 0u) << "the helper's window was not closed";

    scan.RunPass(desktop);
    EXPECT_EQ(scan.m_nClosedTotal, 2);
    EXPECT_EQ(scan.m_nClosedRun, 2);
    EXPECT_TRUE(localKeeper.Alive());
    EXPECT_EQ(remoteKeeper.WaitForExit(200), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(ScanPassTest, TheTopOfTwoMatchingWindowsGoesFirst) {
    titles.AddTitle("Stacked ad");
    TestPopup lower("Stacked ad lower");
    TestPopup upper("Stacked ad upper");
    ::SetWindowPos(upper.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ScanEngine& scan = Engine();
    scan.RunPass(desktop);
    EXPECT_FALSE(upper.Alive());
    EXPECT_TRUE(lower.Alive());

    // Now the other order: the one raised last goes first.
    TestPopup third("Stacked ad third");
    ::SetWindowPos(lower.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    scan.RunPass(desktop);
    EXPECT_FALSE(lower.Alive());
    EXPECT_TRUE(third.Alive());
    scan.RunPass(desktop);
    EXPECT_FALSE(third.Alive());
}

TEST_F(ScanPassTest, HiddenAndOwnedWindowsAreClosedToo) {
    titles.AddTitle("Invisible nag");
    TestPopup local("Invisible nag here", 200, 100, /*visible=*/false);
    HelperPopup remote("Invisible nag there", 200, 100, HelperPopup::Mode::Hidden);
    HWND remoteWindow = remote.WaitForWindow();
    ASSERT_NE(remoteWindow, nullptr);
    ASSERT_FALSE(::IsWindowVisible(remoteWindow));
    TestPopup owner("Owner of a nag");
    TestPopup owned("Invisible nag, owned", 200, 100, /*visible=*/true, owner.Hwnd());
    ASSERT_EQ(::GetWindow(owned.Hwnd(), GW_OWNER), owner.Hwnd());
    ScanEngine& scan = Engine();
    for (int pass = 0; pass < 3; ++pass) {
        scan.RunPass(desktop);
    }
    EXPECT_FALSE(local.Alive());
    EXPECT_FALSE(owned.Alive());
    EXPECT_TRUE(owner.Alive());
    EXPECT_EQ(remote.WaitForExit(), 0u);
    EXPECT_EQ(scan.m_nClosedTotal, 3);
}

TEST_F(ScanPassTest, NeedBrowserClosesPopupsOfTodaysBrowsersAndNoOtherProgramsWindow) {
    store.WriteNumber("Settings", "NeedBrowser", 1);
    titles.AddTitle("Popup");
    // Edge writes a zero-width space after "Microsoft", Firefox an em dash before its name.
    HelperPopup edge("Popup - Microsoft\u200B Edge");
    HelperPopup firefox("Popup \u2014 Mozilla Firefox");
    const HWND edgeWindow = edge.WaitForWindow();
    const HWND firefoxWindow = firefox.WaitForWindow();
    ASSERT_NE(edgeWindow, nullptr);
    ASSERT_NE(firefoxWindow, nullptr);
    ASSERT_EQ(desktop.Title(Win32Desktop::FromHwnd(edgeWindow)), "Popup - Microsoft\u200B Edge");
    ASSERT_EQ(desktop.Title(Win32Desktop::FromHwnd(firefoxWindow)), "Popup \u2014 Mozilla Firefox");
    const std::vector<const char*> ansiTitles = {"Popup - Google Chrome",
                                                 "Popup - Chromium",
                                                 "Popup - Microsoft Edge",
                                                 "Popup - Mozilla Firefox",
                                                 "Popup \u2014 Mozilla Firefox Private Browsing",
                                                 "Popup - Opera",
                                                 "Popup - Brave",
                                                 "Popup - Vivaldi"};
    std::vector<std::unique_ptr<TestPopup>> browsers;
    for (const char* title : ansiTitles) {
        browsers.push_back(std::make_unique<TestPopup>(title));
    }
    TestPopup notepad("Popup - Notepad");
    ScanEngine& scan = Engine();
    for (std::size_t pass = 0; pass < ansiTitles.size() + 4; ++pass) {
        scan.RunPass(desktop);
    }
    EXPECT_EQ(edge.WaitForExit(), 0u);
    EXPECT_EQ(firefox.WaitForExit(), 0u);
    for (std::size_t i = 0; i < browsers.size(); ++i) {
        EXPECT_FALSE(browsers[i]->Alive()) << ansiTitles[i];
    }
    EXPECT_TRUE(notepad.Alive());
    EXPECT_EQ(scan.m_nClosedTotal, static_cast<int>(ansiTitles.size()) + 2);
}

TEST_F(ScanPassTest, SmartBlenkClosesBannersAndSparesLargerWindows) {
    store.WriteNumber("Settings", "SmartBlenk", 1);
    titles.AddTitle("Banner");
    TestPopup wide("Banner 401x400", 401, 400);
    HelperPopup square("Banner 400x400", 400, 400);
    ASSERT_NE(square.WaitForWindow(), nullptr);
    ScanEngine& scan = Engine();
    scan.RunPass(desktop);
    scan.RunPass(desktop);
    EXPECT_EQ(square.WaitForExit(), 0u);
    EXPECT_TRUE(wide.Alive());
    EXPECT_EQ(scan.m_nClosedTotal, 1);
}

TEST_F(ScanPassTest, AHungWindowDoesNotHoldThePassBeyondTheTimeout) {
    titles.AddTitle("Frozen popup");
    // Its thread blocks without handling messages, as a hung program's does.
    HelperPopup frozen("Frozen popup", 200, 100, HelperPopup::Mode::Hung);
    ASSERT_NE(frozen.WaitForWindow(), nullptr);
    ScanEngine& scan = Engine();

    const ULONGLONG start = ::GetTickCount64();
    scan.RunPass(desktop);
    const ULONGLONG elapsed = ::GetTickCount64() - start;

    EXPECT_LT(elapsed, Win32Desktop::kCloseTimeoutMs + 1500u);
    // The request counts even though it went unanswered.
    EXPECT_EQ(scan.m_nClosedTotal, 1);
    EXPECT_EQ(StoredClosed(), 1);
}

}  // namespace
}  // namespace blenker
