// The main window's scan switch: the scan engine over the real desktop and its schedule, with
// the controls that drive them (the "Enable" check box, the delay field and its two buttons, the
// notification menu's Enabled command) and the scan timer's ticks. The schedule's host (the
// timer, the caption, the lamp, the refreshing of all controls) is the main window.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "scan/scan_engine.h"
#include "scan/scan_schedule.h"
#include "scan/win32_desktop.h"

namespace blenker {

class CScanSwitch {
  public:
    // Reads the delay, the close total and the options from the store.
    CScanSwitch(ScanHost& host, TitleList& titles, ProfileStore& store, std::string versionText);
    CScanSwitch(const CScanSwitch&) = delete;
    CScanSwitch& operator=(const CScanSwitch&) = delete;

    // The dialog whose controls the switch uses, once they exist.
    void Attach(Dialog& dialog);
    // Applies the start-up state (the timer starts or not).
    void Start() { m_schedule.StartupState(); }
    // Its commands; false for any other.
    bool OnCommand(int id, int notifyCode);
    void OnTimer(unsigned timerId) { m_engine.OnTimer(m_desktop, timerId); }
    // The check box and the delay field into the members (true) or back (false).
    void UpdateControls(bool fromControls);
    // Stores the delay, the state and the close total; the timer stops.
    void End() { m_schedule.End(); }

    bool Scanning() const { return m_schedule.m_bEnable != 0; }
    ScanEngine& Engine() { return m_engine; }
    const ScanSchedule& Schedule() const { return m_schedule; }

  private:
    ScanHost& m_host;
    Dialog* m_dialog = nullptr;
    Win32Desktop m_desktop;
    ScanEngine m_engine;
    ScanSchedule m_schedule;
};

}  // namespace blenker
