// The main window's scan switch: the scan engine over a desktop and its schedule, with what
// the controls that drive them do (the "Enable" check box, the delay field and its two buttons,
// the notification menu's Enabled command) and the scan timer's ticks. The schedule's host (the
// timer, the caption, the lamp, the refreshing of all controls) is the main window.
#pragma once

#include <string>

#include "mainwnd/scan_switch_controls.h"
#include "scan/desktop.h"
#include "scan/scan_engine.h"
#include "scan/scan_schedule.h"

namespace blenker {

// A button's notification that it was clicked (BN_CLICKED).
inline constexpr int kButtonClicked = 0;

class ScanSwitch {
  public:
    // Reads the delay, the close total and the options from the store.
    ScanSwitch(ScanHost& host, ScanSwitchControls& controls, Desktop& desktop, TitleList& titles,
               ProfileStore& store, std::string versionText);
    ScanSwitch(const ScanSwitch&) = delete;
    ScanSwitch& operator=(const ScanSwitch&) = delete;

    // Applies the start-up state (the timer starts or not).
    void Start() { m_schedule.StartupState(); }
    // IDC_ENABLE, ID_TRAY_ENABLED and the delay's two buttons; false for any other command.
    bool OnCommand(int id, int notifyCode);
    void OnTimer(unsigned timerId) { m_engine.OnTimer(m_desktop, timerId); }
    // A window of another program appeared or was renamed: while the schedule listens, it
    // meets the pass's rules at once, alone.
    void OnWindowAppeared(WindowRef window);
    // Reads the options again; the listening follows "InstantBlenk".
    void LoadOptions();
    // The check box and the delay field into the members (true) or back (false).
    void UpdateControls(bool fromControls);
    // Stores the delay, the state and the close total; the timer stops.
    void End() { m_schedule.End(); }

    bool Scanning() const { return m_schedule.m_bEnable != 0; }
    ScanEngine& Engine() { return m_engine; }
    const ScanSchedule& Schedule() const { return m_schedule; }

  private:
    ScanHost& m_host;
    ScanSwitchControls& m_controls;
    Desktop& m_desktop;
    ScanEngine m_engine;
    ScanSchedule m_schedule;
};

}  // namespace blenker
