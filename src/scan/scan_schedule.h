// Scan scheduling: the scan timer, the delay and its ladder of values, the on/off state with
// its start-up choice, and its end, which stores the delay, the state and the close total.
#pragma once

#include <string>
#include <string_view>

#include "scan/scan_engine.h"
#include "store/profile_store.h"

namespace blenker {

// What the schedule needs of the window that owns it (the main dialog).
class ScanHost {
  public:
    virtual ~ScanHost() = default;
    // Starts (or restarts) the scan timer with this period; returns its id, 0 on failure.
    virtual unsigned SetScanTimer(int periodMs) = 0;
    virtual void KillScanTimer() = 0;
    // Shows the caption in the title bar (and the notification icon's tip).
    virtual void SetCaption(const std::string& caption) = 0;
    // Draws the state lamp, lit when scanning is on.
    virtual void DrawLamp(bool on) = 0;
    // Refreshes the dialog's controls from the members (the delay field, the check box).
    virtual void RefreshControls() = 0;
    // Starts (true) or stops (false) handing the appearing windows of other programs to the
    // schedule's owner; false when they cannot be listened to.
    virtual bool ListenToWindowEvents(bool on) = 0;
};

// The delay after one step up (direction > 0) or down along the ladder 100..1000 by 100, 1500,
// 2000, 3000..10000 by 1000.
int StepDelayValue(int delayMs, int direction);

// A stored delay outside the ladder's range is brought back to its nearest end.
int ClampDelay(int delayMs);

// "%.1f" of the delay in seconds: 1000 shows "1.0".
std::string FormatDelay(int delayMs);

class ScanSchedule {
  public:
    // Reads "Delay". The state starts as the dialog's does: enabled, no timer yet.
    ScanSchedule(ScanHost& host, ProfileStore& store, ScanEngine& engine, std::string versionText);

    void StepDelay(int direction);
    void ToggleScan();
    // "The Blenker <version> - <word>" as caption and tip.
    void UpdateCaption(std::string_view word);
    // Applies "InitialState" (2: "PreviousState") by one ToggleScan.
    void StartupState();
    // Stores the delay, the state and the close total, then stops the timer and the listening.
    void End();
    // Listens to the appearing windows while scanning is on and the "InstantBlenk" option is
    // set, and only then; for a change of the options.
    void FollowInstantBlenk();
    bool Listening() const { return m_listening; }

    int m_nDelay;
    std::string m_strDelay;
    unsigned m_nTimer = 0;
    int m_bEnable = 1;

  private:
    ScanHost& m_host;
    ProfileStore& m_store;
    ScanEngine& m_engine;
    std::string m_strVersion;
    bool m_listening = false;
};

}  // namespace blenker
