#include "mainwnd/main_commands.h"

#include "mainwnd/tray_menu.h"
#include "resource.h"

namespace blenker {

static_assert(kTrayExitCommand == kOkCommand);

void MainCommands::OnCommand(int id, int notifyCode) {
    if (m_titles.OnCommand(id, notifyCode) || m_scan.OnCommand(id, notifyCode)) {
        return;
    }
    switch (id) {
        case IDC_MINIMIZE:
        case ID_TRAY_MINIMIZE:
            Show(false);
            break;
        case WM_BLENK_RESTORE:
            Show(true);
            break;
        case kOkCommand:
            End();
            m_site.CloseMainWindow(kOkCommand);
            break;
        case IDC_CLOSE:  // the close box's way, as Esc
        case kCancelCommand:
            m_site.CloseMainWindow(kCancelCommand);
            break;
        case IDC_SETTINGS:
            OpenSettings();
            break;
        case IDC_HELP_BUTTON:
            m_site.OpenHelp();
            break;
        default:
            // The invisible default button IDC_DEFAULT swallows the Enter key.
            break;
    }
}

void MainCommands::Show(bool shown) {
    m_site.ShowMainWindow(shown);
    m_bHidden = shown ? 0 : 1;
}

void MainCommands::UpdateData(bool fromControls) {
    m_titles.UpdateField(fromControls);
    m_scan.UpdateControls(fromControls);
}

void MainCommands::End() {
    if (m_ended) {
        return;
    }
    m_ended = true;
    UpdateData(true);
    m_scan.End();
    m_titles.Save();
    m_site.RemoveTrayIcon();
}

void MainCommands::OnEndSession(bool sessionEnds) {
    // The system may end the process as soon as this returns: no later end is to be waited for.
    if (sessionEnds) {
        End();
    }
}

void MainCommands::OpenSettings() {
    ScanEngine& engine = m_scan.Engine();
    m_titles.HoldSaves(true);
    if (const auto counters = m_site.RunSettings({engine.m_nClosedTotal, engine.m_nClosedRun})) {
        // The Misc page may have reset the counters.
        engine.m_nClosedTotal = counters->total;
        engine.m_nClosedRun = counters->run;
        m_scan.LoadOptions();
        m_site.Repaint();
    }
    m_titles.HoldSaves(false);
    // Titles the Titles page added meanwhile reach the file here, whatever the sheet's end.
    m_titles.Save();
}

}  // namespace blenker
