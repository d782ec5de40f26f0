// Scan scheduling on a real window with a real timer.
#include <gtest/gtest.h>

#include "app/version.h"
#include "scan/scan_schedule.h"
#include "scan/win32_desktop.h"
#include "scan/window_scan_host.h"
#include "win_test_support.h"

namespace blenker {
namespace {

using test::PumpMessages;
using test::PumpUntil;
using test::TestPopup;

// The real desktop, counting the passes made over it.
class CountingDesktop : public Win32Desktop {
  public:
    void EnumTopLevel(const std::function<bool(WindowRef)>& visit) override {
        ++passes;
        Win32Desktop::EnumTopLevel(visit);
    }
    int passes = 0;
};

// A host without a lamp to draw.
class LamplessHost : public WindowScanHost {
    void DrawLamp(bool) override {}
};

// The window that owns the scan state, as the main dialog does.
class ScanOwner : public Window {
  public:
    explicit ScanOwner(ProfileStore& store)
        : engine(titles, store), schedule(host, store, engine, kVersionText) {
        Create("scan owner", WS_POPUP, 0, 0, 100, 50);
        host.Attach(Hwnd());
    }

    std::string Caption() const {
        char text[256] = {};
        ::GetWindowTextA(Hwnd(), text, sizeof text);
        return text;
    }

    TitleList titles;
    CountingDesktop desktop;
    LamplessHost host;
    ScanEngine engine;
    ScanSchedule schedule;
    int scanTicks = 0;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            scanTicks += wParam == kScanTimerId ? 1 : 0;
            engine.OnTimer(desktop, static_cast<unsigned>(wParam));
            return 0;
        }
        return Window::OnMessage(message, wParam, lParam);
    }
};

class ScanTimerTest : public ::testing::Test {
  protected:
    ScanTimerTest() : store("BlenkerScanTimerTest") {}
    DWORD Stored(const char* section, const char* key) {
        std::string path = store.ApplicationKeyPath();
        if (*section) {
            path += std::string("\\") + section;
        }
        return test::ReadRawValue(path, key).Number();
    }

    test::ScopedRegistryStore store;
};

TEST_F(ScanTimerTest, EachTickOfTimerOneRunsOnePass) {
    store.WriteProfileInt("Settings", "Delay", 100);
    ScanOwner owner(store);
    owner.titles.AddTitle("Timed popup");
    TestPopup first("Timed popup 1");
    TestPopup second("Timed popup 2");
    TestPopup third("Timed popup 3");

    owner.schedule.StartupState();
    EXPECT_EQ(owner.Caption(), "The Blenker 2.005 - On");
    ASSERT_TRUE(PumpUntil([&] { return owner.engine.m_nClosedRun == 3; }));
    EXPECT_FALSE(first.Alive() || second.Alive() || third.Alive());
    // One window per tick: three ticks at least, and never a pass without a tick.
    EXPECT_GE(owner.scanTicks, 3);
    EXPECT_EQ(owner.desktop.passes, owner.scanTicks);

    // Another timer of the window runs no pass.
    const int passes = owner.desktop.passes;
    ::SendMessageA(owner.Hwnd(), WM_TIMER, 2, 0);
    EXPECT_EQ(owner.desktop.passes, passes);

    // The timer goes on with nothing left to close.
    ASSERT_TRUE(PumpUntil([&] { return owner.desktop.passes >= passes + 2; }, 2000));
    EXPECT_EQ(Stored("Stat", "Closed"), 3u);
}

TEST_F(ScanTimerTest, ToggleStopsAndRestartsScanning) {
    ScanOwner owner(store);
    owner.schedule.StartupState();
    owner.schedule.ToggleScan();
    EXPECT_EQ(owner.Caption(), "The Blenker 2.005 - Off");
    EXPECT_EQ(Stored("Settings", "PreviousState"), 0u);

    owner.titles.AddTitle("Waiting popup");
    TestPopup popup("Waiting popup");
    owner.schedule.StepDelay(-1);
    owner.schedule.StepDelay(-1);
    EXPECT_EQ(Stored("Settings", "Delay"), 800u);
    PumpMessages(1000);
    EXPECT_EQ(owner.scanTicks, 0);
    EXPECT_TRUE(popup.Alive());

    owner.schedule.ToggleScan();
    EXPECT_EQ(owner.Caption(), "The Blenker 2.005 - On");
    EXPECT_EQ(Stored("Settings", "PreviousState"), 1u);
    EXPECT_TRUE(PumpUntil([&] { return !popup.Alive(); }, 3000));
}

TEST_F(ScanTimerTest, EndStoresTheStateAndStopsTheTimer) {
    store.WriteProfileInt("Stat", "Closed", 12);
    ScanOwner owner(store);
    owner.schedule.StartupState();
    owner.schedule.StepDelay(-1);  // 0.9 s
    owner.engine.m_nClosedTotal = 15;
    // Stale values, so that the test sees End write them.
    store.WriteProfileInt("Settings", "Delay", 1);
    store.WriteProfileInt("Settings", "PreviousState", 0);

    owner.schedule.End();
    EXPECT_EQ(Stored("Settings", "Delay"), 900u);
    EXPECT_EQ(Stored("Settings", "PreviousState"), 1u);
    EXPECT_EQ(Stored("Stat", "Closed"), 15u);
    EXPECT_EQ(owner.schedule.m_nTimer, 0u);
    PumpMessages(1200);
    EXPECT_EQ(owner.scanTicks, 0);
}

}  // namespace
}  // namespace blenker
