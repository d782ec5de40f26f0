#include "mainwnd/blenker_dlg.h"

#include <utility>

#include "app/language_dlg.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "resource.h"
#include "store/settings.h"
#include "ui/help_dlg.h"

namespace blenker {

CBlenkerDlg::CBlenkerDlg(OpenBytesFn openTitleFile)
    : Dialog(IDD_MAIN, nullptr),
      m_bHidden(ReadFlag(TheApp().Store(), Setting::MinimizeAtStartup)),
      m_app(TheApp()),
      m_titleView(std::move(openTitleFile)),
      m_scan(*this, m_titleView.List(), m_app.Store(), m_app.m_strVersion),
      m_tray(m_app,
             [this] {
                 return TrayMenuState{m_bHidden != 0, m_scan.Scanning()};
             }),
      m_drag([this](std::string title) { AddTitle(std::move(title)); },
             m_scan.Engine().Options().removeAppName),
      m_releaseCheck(m_app) {
    for (BitmapButton& button : m_controls.Buttons()) {
        AddControl(button);
    }
}

BOOL CBlenkerDlg::OnInitDialog() {
    m_titleView.Attach(Hwnd());
    WindowScanHost::Attach(Hwnd());
    m_scan.Attach(*this);
    m_skin.Init(Hwnd());
    if (m_app.m_nPrevRelease == 0) {
        CLanguageDlg(nullptr).DoModal();
    }
    UpdateData(false);

    m_drag.Init(Hwnd());
    m_tray.Attach(Hwnd(), m_skin.SmallIcon());
    SetTrayIcon(TrayAction::Add, LoadResString(IDS_TRAY_TIP));

    LoadOptions();
    m_titleView.Load();
    UpdateTexts();
    m_scan.Start();
    UpdateData(false);
    DrawLamp(m_scan.Scanning());
    if (ReadFlag(m_app.Store(), Setting::UpdateExe)) {
        m_releaseCheck.Start(Hwnd());
    }
    return TRUE;
}

void CBlenkerDlg::UpdateData(bool fromControls) {
    m_titleView.UpdateField(fromControls);
    m_scan.UpdateControls(fromControls);
}

void CBlenkerDlg::OnCommand(int id, int notifyCode, HWND) {
    if (m_titleView.OnCommand(id, notifyCode) || m_scan.OnCommand(id, notifyCode)) {
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
        case IDOK:
            OnOK();
            break;
        case IDC_CLOSE:  // the close box's way, as Esc
        case IDCANCEL:
            EndDialog(IDCANCEL);
            break;
        case IDC_SETTINGS:
            OpenSettings();
            break;
        case IDC_HELP_BUTTON:
            CHelpDlg(Hwnd()).DoModal();
            break;
        default:
            // The invisible default button IDC_DEFAULT swallows the Enter key.
            break;
    }
}

void CBlenkerDlg::OpenSettings() {
    CTBKSettings sheet(Hwnd(), *this, m_app.Store());
    sheet.AddFlags(PSH_NOAPPLYNOW);
    ScanEngine& engine = m_scan.Engine();
    sheet.m_nClosedTotal = engine.m_nClosedTotal;
    sheet.m_nClosedRun = engine.m_nClosedRun;
    m_titleView.HoldSaves(true);
    if (sheet.DoModal() == IDOK) {
        // The Misc page may have reset the counters.
        engine.m_nClosedTotal = sheet.m_nClosedTotal;
        engine.m_nClosedRun = sheet.m_nClosedRun;
        LoadOptions();
        ::InvalidateRect(Hwnd(), nullptr, TRUE);
    }
    m_titleView.HoldSaves(false);
    // Titles the Titles page added meanwhile reach the file here, whatever the sheet's end.
    m_titleView.Save();
}

std::optional<LRESULT> CBlenkerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = m_tray.OnMessage(message, wParam, lParam)) {
        return handled;
    }
    if (const auto handled = m_skin.OnMessage(message, m_scan.Scanning())) {
        return handled;
    }
    m_drag.OnMessage(message, lParam);
    switch (message) {
        case WM_TIMER:
            m_scan.OnTimer(static_cast<unsigned>(wParam));
            return 0;
        case WM_NCHITTEST:
            // The body moves the window; a press on the target must start the target drag.
            return HitTestAsCaption(lParam, Item(IDC_TARGET));
        case WM_DOWNLOAD_DONE:
            m_releaseCheck.OnDownloadDone();
            return 0;
        case WM_SYSCOMMAND:
            // Minimising hides the window in the notification area, never on the taskbar.
            if ((wParam & 0xFFF0) != SC_MINIMIZE) {
                return std::nullopt;
            }
            Show(false);
            return 0;
        case WM_DESTROY:
            m_releaseCheck.Cancel();
            SetTrayIcon(TrayAction::Delete, "");
            End();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void CBlenkerDlg::Show(bool shown) {
    ::ShowWindow(Hwnd(), shown ? SW_SHOW : SW_HIDE);
    m_bHidden = shown ? 0 : 1;
}

void CBlenkerDlg::SetCaption(const std::string& caption) {
    WindowScanHost::SetCaption(caption);
    SetTrayIcon(TrayAction::ChangeTip, caption);
}

void CBlenkerDlg::OnOK() {
    End();
    EndDialog(IDOK);
}

void CBlenkerDlg::End() {
    // The Exit command ends here before the window goes, its destruction comes here again.
    if (m_ended) {
        return;
    }
    m_ended = true;
    UpdateData(true);
    m_scan.End();
    m_titleView.Save();
}

}  // namespace blenker
