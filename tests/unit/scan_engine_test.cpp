#include "scan/scan_engine.h"

#include <gtest/gtest.h>

#include "memory_profile_store.h"
#include "fake_desktop.h"

namespace blenker {
namespace {

class ScanEngineTest : public ::testing::Test {
  protected:
    int StoredClosed() { return store.ReadNumber("Stat", "Closed", -1); }

    MemoryProfileStore store;
    TitleList titles;
    FakeDesktop desktop;
};

TEST_F(ScanEngineTest, ClosesOneMatchingWindowPerPassFromTheTop) {
    titles.AddTitle("Popup");
    desktop.Add("Editor");
    desktop.Add("Popup one");
    desktop.Add("Unrelated");
    desktop.Add("POPUP two");
    ScanEngine engine(titles, store);

    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, false, true, true}));
    // The pass ended at the close request: the window below was not even read.
    EXPECT_EQ(desktop.windows[3].titleReads, 0);

    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, false, true, false}));
    engine.RunPass(desktop);
    EXPECT_EQ(engine.m_nClosedTotal, 2);
    EXPECT_EQ(engine.m_nClosedRun, 2);
}

// A window that stays after its request (it refuses, asks a question) is asked once per title
// and holds back no pop-up behind it, on the timer's pass and on the instant path alike.
TEST_F(ScanEngineTest, AWindowThatStaysIsAskedOncePerTitleAndHoldsNothingBack) {
    store.WriteNumber("Stat", "Closed", 41);
    titles.AddTitle("Stubborn");
    desktop.Add("Stubborn ad").ignoresClose = true;
    desktop.Add("Stubborn offer");
    ScanEngine engine(titles, store);
    EXPECT_EQ(engine.m_nClosedTotal, 41);

    engine.RunPass(desktop);
    EXPECT_EQ(StoredClosed(), 42);  // counted at once: the request was delivered
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, false}));
    engine.RunPass(desktop);
    EXPECT_TRUE(engine.ScanWindowsProc(desktop, 0));
    EXPECT_EQ(desktop.windows[0].closeRequests, 1);
    EXPECT_EQ(StoredClosed(), 43);
    EXPECT_EQ(desktop.sounds, (std::vector<std::string>{"Blenked.wav", "Blenked.wav"}));

    desktop.windows[0].title = "Stubborn ad, renamed";  // asked again under its new title
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.windows[0].closeRequests, 2);
    EXPECT_EQ(engine.m_nClosedRun, 3);
}

// A request the system does not deliver (an elevated program's window) is no close: the window
// below is closed in the same pass. A hung window's time-out counts, once.
TEST_F(ScanEngineTest, ARefusedRequestCountsNothingAndATimedOutOneCountsOnce) {
    titles.AddTitle("Ad");
    desktop.Add("Ad from an installer").answer = CloseRequest::Refused;
    desktop.Add("Ad plain");
    ScanEngine engine(titles, store);
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, false}));
    EXPECT_EQ(StoredClosed(), 1);
    EXPECT_EQ(desktop.sounds.size(), 1u);

    desktop.Add("Ad hung").answer = CloseRequest::TimedOut;
    for (int pass = 0; pass < 3; ++pass) {
        engine.RunPass(desktop);
    }
    EXPECT_EQ(desktop.windows[0].closeRequests + desktop.windows[2].closeRequests, 2);
    EXPECT_EQ(StoredClosed(), 2);
}

// The desktop and the taskbars match no entry safely: asked to close, the desktop would open the
// shut-down dialog.
TEST_F(ScanEngineTest, TheShellsOwnWindowsAreNeverAsked) {
    titles.AddTitle("Program");
    for (const char* shell : {"Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd"}) {
        desktop.Add("Program Manager").className = shell;
    }
    desktop.Add("Program update available");
    ScanEngine engine(titles, store);
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, true, true, true, false}));
    EXPECT_EQ(desktop.windows[0].closeRequests, 0);
}

TEST_F(ScanEngineTest, SoundFollowsTheOptions) {
    store.WriteText("Settings", "SoundFile", "C:\\sounds\\pop.wav");
    titles.AddTitle("Ad");
    desktop.Add("Ad 1");
    desktop.Add("Ad 2");
    ScanEngine engine(titles, store);
    engine.LoadOptions();
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.sounds, (std::vector<std::string>{"C:\\sounds\\pop.wav"}));

    store.WriteNumber("Settings", "SoundOn", 0);
    engine.LoadOptions();
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.sounds.size(), 1u);
    EXPECT_EQ(engine.m_nClosedTotal, 2);
}

TEST_F(ScanEngineTest, BrowserOptionClosesOnlyBrowserWindows) {
    store.WriteNumber("Settings", "NeedBrowser", 1);
    titles.AddTitle("Popup");
    desktop.Add("Popup - netscape");
    desktop.Add("Popup");
    desktop.Add("Popup - Netscape");
    desktop.Add("Popup - Microsoft Internet Explorer");
    ScanEngine engine(titles, store);
    engine.LoadOptions();
    for (int i = 0; i < 4; ++i) {
        engine.RunPass(desktop);
    }
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(engine.m_nClosedTotal, 2);
}

TEST_F(ScanEngineTest, SmartBlenkSparesLargeWindowsAndGoesOn) {
    store.WriteNumber("Settings", "SmartBlenk", 1);
    titles.AddTitle("Banner");
    desktop.Add("Banner wide", {401, 400});
    desktop.Add("Banner tall", {800, 201});
    desktop.Add("Banner small", {400, 400});
    ScanEngine engine(titles, store);
    engine.LoadOptions();
    engine.RunPass(desktop);
    // The spared windows do not end the pass: the small one below them is closed.
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, true, false}));

    store.WriteNumber("Settings", "SmartBlenk", 0);
    engine.LoadOptions();
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{false, true, false}));
}

TEST_F(ScanEngineTest, OptionsComeFromTheStore) {
    titles.AddTitle("Info iFrance");
    desktop.Add("Info iFrance - Netscape");
    desktop.Add("INFO IFRANCE");
    ScanEngine engine(titles, store);

    store.WriteNumber("Settings", "Strict", 1);
    store.WriteNumber("Settings", "CaseSensitive", 1);
    engine.LoadOptions();
    EXPECT_TRUE(titles.CaseSensitive());
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, true}));

    store.WriteNumber("Settings", "CaseSensitive", 0);
    engine.LoadOptions();
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, false}));

    store.WriteNumber("Settings", "Strict", 0);
    engine.LoadOptions();
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{false, false}));
}

TEST_F(ScanEngineTest, ListChangesTakeEffectAtTheNextPass) {
    desktop.Add("Late popup");
    desktop.Add("Other popup");
    ScanEngine engine(titles, store);
    engine.RunPass(desktop);
    EXPECT_EQ(engine.m_nClosedTotal, 0);

    titles.AddTitle("Late");
    titles.AddTitle("Other");
    titles.RemoveSelected({0});
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, false}));
}

TEST_F(ScanEngineTest, TitlesAreCutAt1023CharactersAndEmptyOnesSkipped) {
    const std::string head(1023, 'x');
    store.WriteNumber("Settings", "Strict", 1);
    titles.Insert("");  // even an empty entry cannot reach an untitled window
    titles.AddTitle(head);
    desktop.Add("");
    desktop.Add(head + std::string(477, 'y'));
    ScanEngine engine(titles, store);
    engine.LoadOptions();
    engine.RunPass(desktop);
    EXPECT_EQ(desktop.OpenStates(), (std::vector<bool>{true, false}));

    // An entry longer than what is read never matches.
    TitleList longList;
    longList.AddTitle(head + "y");
    FakeDesktop other;
    other.Add(head + std::string(477, 'y'));
    ScanEngine longEngine(longList, store);
    longEngine.RunPass(other);
    EXPECT_TRUE(other.windows[0].open);
}

TEST_F(ScanEngineTest, OnlyTheScanTimerRunsAPass) {
    ScanEngine engine(titles, store);
    EXPECT_FALSE(engine.OnTimer(desktop, 2));
    EXPECT_EQ(desktop.passes, 0);
    EXPECT_TRUE(engine.OnTimer(desktop, kScanTimerId));
    EXPECT_EQ(desktop.passes, 1);
}

}  // namespace
}  // namespace blenker
