// The main window's scan switch: the scan engine over the real desktop and its schedule, with
// the controls that drive them (the "Enable" check box, the delay field and its two buttons, the
// notification menu's Enabled command) and the scan timer's ticks. The caption's other place
// (the notification icon's tip), the lamp and the refreshing of all controls belong to the owner.
#pragma once

#include <string>

#include "framework/dialog.h"
#include "scan/scan_engine.h"
#include "scan/scan_schedule.h"
#include "scan/win32_desktop.h"
#include "scan/window_scan_host.h"

namespace blenker {

// What the scan switch needs of the window that owns it.
class ScanSwitchOwner {
  public:
    // The caption was set in the title bar; it goes to the notification icon's tip too.
    virtual void CaptionShown(const std::string& caption) = 0;
    virtual void DrawLamp(bool scanning) = 0;
    // Every control of the window from its member (the title field too).
    virtual void RefreshControls() = 0;

  protected:
    ~ScanSwitchOwner() = default;
};

class CScanSwitch : private WindowScanHost {
  public:
    // Reads the delay, the close total and the options from the store.
    CScanSwitch(ScanSwitchOwner& owner, TitleList& titles, ProfileStore& store,
                std::string versionText);

    // The dialog whose timer and controls the switch uses, once they exist.
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
    void SetCaption(const std::string& caption) override;
    void DrawLamp(bool scanning) override { m_owner.DrawLamp(scanning); }
    void RefreshControls() override { m_owner.RefreshControls(); }

    ScanSwitchOwner& m_owner;
    Dialog* m_dialog = nullptr;
    Win32Desktop m_desktop;
    ScanEngine m_engine;
    ScanSchedule m_schedule;
};

}  // namespace blenker
