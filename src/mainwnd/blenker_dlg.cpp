#include "mainwnd/blenker_dlg.h"

#include <utility>

#include "app/language_dlg.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "resource.h"
#include "store/settings.h"
#include "ui/help_dlg.h"

namespace blenker {

static_assert(kOkCommand == IDOK && kCancelCommand == IDCANCEL);

CBlenkerDlg::CBlenkerDlg(OpenBytesFn openTitleFile)
    : Dialog(IDD_MAIN, nullptr),
      m_app(TheApp()),
      m_titleView(std::move(openTitleFile)),
      m_scan(*this, m_titleView.List(), m_app.Store(), m_app.m_strVersion),
      m_commands(*this, m_titleView.Editor(), m_scan.Switch(),
                 ReadFlag(m_app.Store(), Setting::MinimizeAtStartup)),
      m_tray(m_app,
             [this] {
                 return TrayMenuState{m_bHidden != 0, Scanning()};
             }),
      m_drag([this](std::string title) { AddTitle(std::move(title)); },
             m_scan.Switch().Engine().Options().removeAppName),
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
    m_commands.UpdateData(false);

    m_drag.Init(Hwnd());
    m_tray.Attach(Hwnd(), m_skin.SmallIcon());
    SetTrayIcon(TrayAction::Add, LoadResString(IDS_TRAY_TIP));

    LoadOptions();
    m_titleView.Load();
    UpdateTexts();
    m_scan.Switch().Start();
    m_commands.UpdateData(false);
    DrawLamp(Scanning());
    if (ReadFlag(m_app.Store(), Setting::UpdateExe)) {
        m_releaseCheck.Start(Hwnd());
    }
    return TRUE;
}

std::optional<CloseCounters> CBlenkerDlg::RunSettings(CloseCounters counters) {
    CTBKSettings sheet(Hwnd(), *this, m_app.Store());
    sheet.AddFlags(PSH_NOAPPLYNOW);
    sheet.m_nClosedTotal = counters.total;
    sheet.m_nClosedRun = counters.run;
    if (sheet.DoModal() != IDOK) {
        return std::nullopt;
    }
    return CloseCounters{sheet.m_nClosedTotal, sheet.m_nClosedRun};
}

void CBlenkerDlg::OpenHelp() {
    CHelpDlg(Hwnd()).DoModal();
}

std::optional<LRESULT> CBlenkerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = m_tray.OnMessage(message, wParam, lParam)) {
        return handled;
    }
    if (const auto handled = m_skin.OnMessage(message, Scanning())) {
        return handled;
    }
    m_drag.OnMessage(message, lParam);
    switch (message) {
        case WM_TIMER:
            m_scan.Switch().OnTimer(static_cast<unsigned>(wParam));
            return 0;
        case WM_WINDOW_APPEARED:
            m_scan.Switch().OnWindowAppeared(static_cast<WindowRef>(wParam));
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
            m_commands.Show(false);
            return 0;
        case WM_ENDSESSION:
            m_commands.OnEndSession(wParam != FALSE);
            return 0;
        case WM_DESTROY:
            m_releaseCheck.Cancel();
            m_commands.End();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void CBlenkerDlg::ShowMainWindow(bool shown) {
    ::ShowWindow(Hwnd(), shown ? SW_SHOW : SW_HIDE);
}

void CBlenkerDlg::SetCaption(const std::string& caption) {
    WindowScanHost::SetCaption(caption);
    SetTrayIcon(TrayAction::ChangeTip, caption);
}

}  // namespace blenker
