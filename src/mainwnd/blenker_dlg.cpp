#include "mainwnd/blenker_dlg.h"

#include <utility>

#include "app/control_texts.h"
#include "app/language_dlg.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "mainwnd/icon_resource.h"
#include "resource.h"
#include "store/settings.h"
#include "ui/help_dlg.h"

namespace blenker {

namespace {

// The tool of each control and its tip, always the English text.
constexpr ControlText kTips[] = {
    {IDC_ADD, IDS_ADD_TIP},           {IDC_REMOVE, IDS_REMOVE_TIP},
    {IDC_MINIMIZE, IDS_MINIMIZE_TIP}, {IDC_CLOSE, IDS_CLOSE_TIP},
    {IDC_DELAY_UP, IDS_DELAY_UP_TIP}, {IDC_DELAY_DOWN, IDS_DELAY_DOWN_TIP},
    {IDC_SETTINGS, IDS_SETTINGS_TIP}, {IDC_HELP_BUTTON, IDS_HELP_TIP},
    {IDC_ENABLE, IDS_ENABLE_TIP},     {IDC_TARGET, IDS_TARGET_TIP},
};

}  // namespace

CBlenkerDlg::CBlenkerDlg(OpenBytesFn openTitleFile)
    : Dialog(IDD_MAIN, nullptr),
      m_bHidden(ReadFlag(TheApp().Store(), Setting::MinimizeAtStartup)),
      m_app(TheApp()),
      m_titleView(std::move(openTitleFile)),
      m_engine(m_titleView.List(), m_app.Store()),
      m_schedule(*this, m_app.Store(), m_engine, m_app.m_strVersion),
      m_buttons{{{IDC_SETTINGS, IDB_SETTINGS_UP, IDB_SETTINGS_DOWN},
                 {IDC_HELP_BUTTON, IDB_HELP_UP, IDB_HELP_DOWN},
                 {IDC_ADD, IDB_ADD_UP, IDB_ADD_DOWN},
                 {IDC_REMOVE, IDB_REMOVE_UP, IDB_REMOVE_DOWN},
                 {IDC_MINIMIZE, IDB_MINIMIZE_UP, IDB_MINIMIZE_DOWN},
                 {IDC_CLOSE, IDB_CLOSE_UP, IDB_CLOSE_DOWN},
                 {IDC_DELAY_DOWN, IDB_DELAY_DOWN_UP, IDB_DELAY_DOWN_DOWN},
                 {IDC_DELAY_UP, IDB_DELAY_UP_UP, IDB_DELAY_UP_DOWN}}},
      m_tray(m_app,
             [this] {
                 return TrayMenuState{m_bHidden != 0, m_schedule.m_bEnable != 0};
             }),
      m_drag([this](std::string title) { AddTitle(std::move(title)); },
             m_engine.Options().removeAppName),
      m_releaseCheck(m_app) {
    for (BitmapButton& button : m_buttons) {
        AddControl(button);
    }
}

BOOL CBlenkerDlg::OnInitDialog() {
    m_skin.Init(Hwnd());
    if (m_app.m_nPrevRelease == 0) {
        CLanguageDlg(nullptr).DoModal();
    }
    UpdateData(false);

    m_hIcon = LoadIconResource(IDI_APP, ::GetSystemMetrics(SM_CXICON));
    m_smallIcon = LoadIconResource(IDI_APP, ::GetSystemMetrics(SM_CXSMICON));
    ::SendMessageA(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon.Get()));
    ::SendMessageA(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));

    m_drag.Init(Hwnd());
    // The delay field is narrow: no margins, so that "10.0" fits.
    ::SendDlgItemMessageA(Hwnd(), IDC_DELAY, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);

    m_tray.Attach(Hwnd(), m_smallIcon.Get());
    SetTrayIcon(TrayAction::Add, LoadResString(IDS_TRAY_TIP));

    Attach(Hwnd());
    LoadOptions();
    m_titleView.Load(Hwnd());
    UpdateTexts();
    m_schedule.StartupState();
    UpdateData(false);
    DrawLamp(m_schedule.m_bEnable != 0);
    if (ReadFlag(m_app.Store(), Setting::UpdateExe)) {
        m_releaseCheck.Start(Hwnd());
    }
    return TRUE;
}

void CBlenkerDlg::UpdateData(bool fromControls) {
    m_titleView.UpdateField(fromControls);
    if (fromControls) {
        m_schedule.m_bEnable = ::IsDlgButtonChecked(Hwnd(), IDC_ENABLE) == BST_CHECKED ? 1 : 0;
        m_schedule.m_strDelay = ItemText(IDC_DELAY);
        return;
    }
    ::CheckDlgButton(Hwnd(), IDC_ENABLE, m_schedule.m_bEnable ? BST_CHECKED : BST_UNCHECKED);
    SetItemText(IDC_DELAY, m_schedule.m_strDelay);
}

void CBlenkerDlg::UpdateTexts() {
    constexpr ControlText kTexts[] = {{IDC_DELAY_LABEL, IDS_DELAY_LABEL}, {IDC_ENABLE, IDS_ENABLE}};
    SetLangTexts(Hwnd(), kTexts);
    SetToolTips(m_toolTip, Hwnd(), kTips);
}

void CBlenkerDlg::OnCommand(int id, int notifyCode, HWND) {
    if (m_titleView.OnCommand(id, notifyCode) || OnScanCommand(id, notifyCode)) {
        return;
    }
    switch (id) {
        case IDC_CLOSE:
            ::SendMessageA(Hwnd(), WM_CLOSE, 0, 0);
            break;
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

bool CBlenkerDlg::OnScanCommand(int id, int notifyCode) {
    switch (id) {
        case IDC_ENABLE:
            if (notifyCode == BN_CLICKED) {
                m_schedule.ToggleScan();
                // The box has marked itself; it shows the real state should the timer fail.
                ::CheckDlgButton(Hwnd(), IDC_ENABLE,
                                 m_schedule.m_bEnable ? BST_CHECKED : BST_UNCHECKED);
            }
            return true;
        case ID_TRAY_ENABLED:
            m_schedule.ToggleScan();
            UpdateData(false);
            return true;
        case IDC_DELAY_UP:
        case IDC_DELAY_DOWN:
            m_schedule.StepDelay(id == IDC_DELAY_UP ? +1 : -1);
            return true;
        default:
            return false;
    }
}

void CBlenkerDlg::OpenSettings() {
    CTBKSettings sheet(Hwnd(), *this, m_app.Store());
    sheet.AddFlags(PSH_NOAPPLYNOW);
    sheet.m_nClosedTotal = m_engine.m_nClosedTotal;
    sheet.m_nClosedRun = m_engine.m_nClosedRun;
    m_titleView.HoldSaves(true);
    if (sheet.DoModal() == IDOK) {
        // The Misc page may have reset the counters.
        m_engine.m_nClosedTotal = sheet.m_nClosedTotal;
        m_engine.m_nClosedRun = sheet.m_nClosedRun;
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
    m_drag.OnMessage(message, lParam);
    switch (message) {
        case WM_TIMER:
            m_engine.OnTimer(m_desktop, static_cast<unsigned>(wParam));
            return 0;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(m_hIcon.Get());
        case WM_NCHITTEST:
            // The body moves the window; a press on the target must start the target drag.
            return HitTestAsCaption(lParam, Item(IDC_TARGET));
        case WM_PAINT:
            m_skin.Paint(m_schedule.m_bEnable != 0, m_hIcon.Get());
            return 0;
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
    m_schedule.End();
    m_titleView.Save();
}

}  // namespace blenker
