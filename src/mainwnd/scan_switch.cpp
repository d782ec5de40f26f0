#include "mainwnd/scan_switch.h"

#include <utility>

#include "mainwnd/tray_menu.h"
#include "resource.h"

namespace blenker {

ScanSwitch::ScanSwitch(ScanHost& host, ScanSwitchControls& controls, Desktop& desktop,
                       TitleList& titles, ProfileStore& store, std::string versionText)
    : m_host(host),
      m_controls(controls),
      m_desktop(desktop),
      m_engine(titles, store),
      m_schedule(host, store, m_engine, std::move(versionText)) {}

bool ScanSwitch::OnCommand(int id, int notifyCode) {
    switch (id) {
        case IDC_ENABLE:
            if (notifyCode == kButtonClicked) {
                m_schedule.ToggleScan();
                // The box has marked itself; it shows the real state should the timer fail.
                m_controls.CheckEnable(Scanning());
            }
            return true;
        case ID_TRAY_ENABLED:
            m_schedule.ToggleScan();
            // All the controls, the title field too: typing not yet added is gone.
            m_host.RefreshControls();
            return true;
        case IDC_DELAY_UP:
        case IDC_DELAY_DOWN:
            m_schedule.StepDelay(id == IDC_DELAY_UP ? +1 : -1);
            return true;
        default:
            return false;
    }
}

void ScanSwitch::OnWindowAppeared(WindowRef window) {
    // An event posted before the listening stopped comes too late.
    if (m_schedule.Listening()) {
        m_engine.ScanWindowsProc(m_desktop, window);
    }
}

void ScanSwitch::LoadOptions() {
    m_engine.LoadOptions();
    m_schedule.FollowInstantBlenk();
}

void ScanSwitch::UpdateControls(bool fromControls) {
    if (fromControls) {
        m_schedule.m_bEnable = m_controls.EnableChecked() ? 1 : 0;
        m_schedule.m_strDelay = m_controls.DelayText();
        return;
    }
    m_controls.CheckEnable(Scanning());
    m_controls.SetDelayText(m_schedule.m_strDelay);
}

}  // namespace blenker
