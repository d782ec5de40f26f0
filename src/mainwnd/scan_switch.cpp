#include "mainwnd/scan_switch.h"

#include <utility>

#include "framework/controls.h"
#include "mainwnd/tray_menu.h"
#include "resource.h"

namespace blenker {

CScanSwitch::CScanSwitch(ScanHost& host, TitleList& titles, ProfileStore& store,
                         std::string versionText)
    : m_host(host),
      m_engine(titles, store),
      m_schedule(host, store, m_engine, std::move(versionText)) {}

void CScanSwitch::Attach(Dialog& dialog) {
    m_dialog = &dialog;
    // The delay field is narrow: no margins, so that "10.0" fits.
    SetEditMargins(dialog.Item(IDC_DELAY), 0, 0);
}

bool CScanSwitch::OnCommand(int id, int notifyCode) {
    switch (id) {
        case IDC_ENABLE:
            if (notifyCode == BN_CLICKED) {
                m_schedule.ToggleScan();
                // The box has marked itself; it shows the real state should the timer fail.
                m_dialog->CheckItem(IDC_ENABLE, Scanning());
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

void CScanSwitch::UpdateControls(bool fromControls) {
    if (fromControls) {
        m_schedule.m_bEnable = m_dialog->IsItemChecked(IDC_ENABLE) ? 1 : 0;
        m_schedule.m_strDelay = m_dialog->ItemText(IDC_DELAY);
        return;
    }
    m_dialog->CheckItem(IDC_ENABLE, Scanning());
    m_dialog->SetItemText(IDC_DELAY, m_schedule.m_strDelay);
}

}  // namespace blenker
