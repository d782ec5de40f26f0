#include "scan/scan_schedule.h"

#include <gtest/gtest.h>

#include <memory>

#include "memory_profile_store.h"

namespace blenker {
namespace {

class FakeHost : public ScanHost {
  public:
    unsigned SetScanTimer(int periodMs) override {
        periods.push_back(periodMs);
        running = !failTimer;
        return failTimer ? 0 : 1;
    }
    void KillScanTimer() override {
        ++kills;
        running = false;
    }
    void SetCaption(const std::string& text) override { caption = text; }
    void DrawLamp(bool on) override { lamps.push_back(on); }
    void RefreshControls() override { ++refreshes; }
    bool ListenToWindowEvents(bool on) override {
        listens.push_back(on);
        return !failListen;
    }

    bool failTimer = false;
    bool failListen = false;
    std::vector<bool> listens;
    bool running = false;
    std::vector<int> periods;
    int kills = 0;
    std::string caption;
    std::vector<bool> lamps;
    int refreshes = 0;
};

std::vector<std::string> Ladder(int from, int direction, int steps) {
    std::vector<std::string> shown;
    int delay = from;
    for (int i = 0; i < steps; ++i) {
        delay = StepDelayValue(delay, direction);
        shown.push_back(FormatDelay(delay));
    }
    return shown;
}

TEST(DelayLadderTest, StepsUpAndDownAlongTheLadder) {
    EXPECT_EQ(Ladder(1000, +1, 11),
              (std::vector<std::string>{"1.5", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0",
                                        "9.0", "10.0", "10.0"}));
    EXPECT_EQ(Ladder(1000, -1, 10), (std::vector<std::string>{"0.9", "0.8", "0.7", "0.6", "0.5",
                                                              "0.4", "0.3", "0.2", "0.1", "0.1"}));
    EXPECT_EQ(Ladder(2000, 0, 2), (std::vector<std::string>{"1.5", "1.0"}));
    EXPECT_EQ(Ladder(100, +1, 9), (std::vector<std::string>{"0.2", "0.3", "0.4", "0.5", "0.6",
                                                            "0.7", "0.8", "0.9", "1.0"}));
    EXPECT_EQ(Ladder(10000, -1, 3), (std::vector<std::string>{"9.0", "8.0", "7.0"}));
}

TEST(DelayLadderTest, StoredDelaysOutsideTheRangeComeBackToIt) {
    EXPECT_EQ(ClampDelay(0), 100);
    EXPECT_EQ(ClampDelay(-5), 100);
    EXPECT_EQ(ClampDelay(500), 500);
    EXPECT_EQ(ClampDelay(99999), 10000);
}

class ScanScheduleTest : public ::testing::Test {
  protected:
    ScanSchedule& Make() {
        engine = std::make_unique<ScanEngine>(titles, store);
        schedule = std::make_unique<ScanSchedule>(host, store, *engine, "2.005");
        return *schedule;
    }
    int Stored(const char* section, const char* key) { return store.ReadNumber(section, key, -1); }

    MemoryProfileStore store;
    TitleList titles;
    FakeHost host;
    std::unique_ptr<ScanEngine> engine;
    std::unique_ptr<ScanSchedule> schedule;
};

TEST_F(ScanScheduleTest, StartsOnWithTheStoredDelay) {
    store.WriteNumber("Settings", "Delay", 500);
    ScanSchedule& s = Make();
    EXPECT_EQ(s.m_strDelay, "0.5");
    s.StartupState();
    EXPECT_EQ(host.periods, (std::vector<int>{500}));
    EXPECT_TRUE(host.running);
    EXPECT_EQ(s.m_bEnable, 1);
    EXPECT_EQ(host.caption, "The Blenker 2.005 - On");
    EXPECT_EQ(host.lamps, (std::vector<bool>{true}));
    EXPECT_EQ(Stored("Settings", "PreviousState"), 1);
}

TEST_F(ScanScheduleTest, InitialStateChoosesTheStartingState) {
    struct Case {
        int initial;
        int previous;  // -1: not stored
        bool on;
    };
    for (const Case& c : {Case{0, 1, false}, Case{1, 0, true}, Case{2, 0, false}, Case{2, 1, true},
                          Case{2, -1, true}, Case{7, 0, true}}) {
        store = MemoryProfileStore();
        host = FakeHost();
        store.WriteNumber("Settings", "InitialState", c.initial);
        if (c.previous >= 0) {
            store.WriteNumber("Settings", "PreviousState", c.previous);
        }
        ScanSchedule& s = Make();
        s.StartupState();
        const std::string label =
            "initial " + std::to_string(c.initial) + " previous " + std::to_string(c.previous);
        EXPECT_EQ(host.running, c.on) << label;
        EXPECT_EQ(s.m_bEnable, c.on ? 1 : 0) << label;
        EXPECT_EQ(s.m_nTimer != 0, c.on) << label;
        EXPECT_EQ(host.caption, c.on ? "The Blenker 2.005 - On" : "The Blenker 2.005 - Off")
            << label;
        EXPECT_EQ(Stored("Settings", "PreviousState"), c.on ? 1 : 0) << label;
    }
}

TEST_F(ScanScheduleTest, DelayStepRestartsTheTimerOnlyWhenOn) {
    ScanSchedule& s = Make();
    s.StartupState();
    s.StepDelay(+1);
    EXPECT_EQ(host.periods, (std::vector<int>{1000, 1500}));
    EXPECT_EQ(s.m_strDelay, "1.5");
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(Stored("Settings", "Delay"), 1500);

    s.ToggleScan();
    EXPECT_FALSE(host.running);
    s.StepDelay(-1);
    s.StepDelay(-1);
    EXPECT_EQ(host.periods.size(), 2u);  // no timer while off
    EXPECT_EQ(Stored("Settings", "Delay"), 900);
    s.ToggleScan();
    EXPECT_EQ(host.periods.back(), 900);
    EXPECT_EQ(host.caption, "The Blenker 2.005 - On");
}

TEST_F(ScanScheduleTest, AFailedTimerShowsTheRealState) {
    ScanSchedule& s = Make();
    host.failTimer = true;
    s.StartupState();
    EXPECT_EQ(s.m_bEnable, 0);
    EXPECT_EQ(s.m_nTimer, 0u);
    EXPECT_EQ(host.caption, "The Blenker 2.005 - Off");
    EXPECT_EQ(Stored("Settings", "PreviousState"), 0);

    // On, then a step whose timer fails: still "enabled", no timer; the next toggle starts it.
    host.failTimer = false;
    s.ToggleScan();
    host.failTimer = true;
    s.StepDelay(+1);
    EXPECT_EQ(s.m_nTimer, 0u);
    EXPECT_EQ(s.m_bEnable, 1);
    host.failTimer = false;
    s.ToggleScan();
    EXPECT_TRUE(host.running);
    EXPECT_EQ(s.m_bEnable, 1);
}

TEST_F(ScanScheduleTest, EndStoresEverythingAndStopsTheTimer) {
    store.WriteNumber("Stat", "Closed", 7);
    ScanSchedule& s = Make();
    s.StartupState();
    s.StepDelay(-1);
    engine->m_nClosedTotal = 9;
    const int killsBefore = host.kills;
    s.End();
    EXPECT_EQ(Stored("Settings", "Delay"), 900);
    // Ending with scanning on keeps "PreviousState" on although the timer stops.
    EXPECT_EQ(Stored("Settings", "PreviousState"), 1);
    EXPECT_EQ(Stored("Stat", "Closed"), 9);
    EXPECT_GT(host.kills, killsBefore);
    EXPECT_FALSE(host.running);
    EXPECT_EQ(s.m_nTimer, 0u);
    EXPECT_EQ(s.m_bEnable, 1);

    // A second End writes the same values again.
    s.End();
    EXPECT_EQ(Stored("Settings", "PreviousState"), 1);
}

// Listening that the system refused is tried again at the next change, and a stop is asked for
// only when listening.
TEST_F(ScanScheduleTest, ListeningThatFailedIsTriedAgain) {
    host.failListen = true;
    ScanSchedule& s = Make();
    s.StartupState();
    EXPECT_FALSE(s.Listening());
    host.failListen = false;
    s.FollowInstantBlenk();
    EXPECT_TRUE(s.Listening());
    s.FollowInstantBlenk();
    s.ToggleScan();
    s.End();
    EXPECT_EQ(host.listens, (std::vector<bool>{true, true, false}));
}

}  // namespace
}  // namespace blenker
