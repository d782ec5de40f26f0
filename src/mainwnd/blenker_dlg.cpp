#include "mainwnd/blenker_dlg.h"

#include <utility>

#include "app/control_texts.h"
#include "app/language_dlg.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "framework/dpi.h"
#include "framework/text.h"
#include "mainwnd/target_title.h"
#include "messages.h"
#include "resource.h"
#include "store/settings.h"
#include "ui/help_dlg.h"

namespace blenker {

namespace {

constexpr ControlText kTexts[] = {{IDC_DELAY_LABEL, IDS_DELAY_LABEL}, {IDC_ENABLE, IDS_ENABLE}};

// The tool of each control and its tip, always in English.
constexpr ControlText kTips[] = {
    {IDC_ADD, IDS_ADD_TIP},           {IDC_REMOVE, IDS_REMOVE_TIP},
    {IDC_MINIMIZE, IDS_MINIMIZE_TIP}, {IDC_CLOSE, IDS_CLOSE_TIP},
    {IDC_DELAY_UP, IDS_DELAY_UP_TIP}, {IDC_DELAY_DOWN, IDS_DELAY_DOWN_TIP},
    {IDC_SETTINGS, IDS_SETTINGS_TIP}, {IDC_HELP_BUTTON, IDS_HELP_TIP},
    {IDC_ENABLE, IDS_ENABLE_TIP},     {IDC_TARGET, IDS_TARGET_TIP},
};

}  // namespace

CBlenkerDlg::CBlenkerDlg(OpenBytesFn openTitleFile, NotifyIconFn notifyIcon)
    : Dialog(IDD_MAIN, nullptr),
      m_app(TheApp()),
      m_titles(*this, std::move(openTitleFile)),
      m_engine(m_titles.List(), m_app.Store()),
      m_schedule(*this, m_app.Store(), m_engine, m_app.m_strVersion),
      m_buttons{{{IDC_SETTINGS, IDB_SETTINGS_UP, IDB_SETTINGS_DOWN},
                 {IDC_HELP_BUTTON, IDB_HELP_UP, IDB_HELP_DOWN},
                 {IDC_ADD, IDB_ADD_UP, IDB_ADD_DOWN},
                 {IDC_REMOVE, IDB_REMOVE_UP, IDB_REMOVE_DOWN},
                 {IDC_MINIMIZE, IDB_MINIMIZE_UP, IDB_MINIMIZE_DOWN},
                 {IDC_CLOSE, IDB_CLOSE_UP, IDB_CLOSE_DOWN},
                 {IDC_DELAY_DOWN, IDB_DELAY_DOWN_UP, IDB_DELAY_DOWN_DOWN},
                 {IDC_DELAY_UP, IDB_DELAY_UP_UP, IDB_DELAY_UP_DOWN}}},
      m_skin(*this),
      m_tray(*this, m_skin.TrayIcon(), m_app, notifyIcon),
      m_drag(*this),
      m_releaseCheck(m_app),
      m_bHidden(ReadFlag(m_app.Store(), Setting::MinimizeAtStartup)) {
    for (BitmapButton& button : m_buttons) {
        AddControl(button);
    }
}

BOOL CBlenkerDlg::OnInitDialog() {
    // The window lays itself out when it moves to a monitor of another DPI.
    LayOutOwnDpiChanges(Hwnd());
    SetTitleFont();
    m_skin.Init();
    if (m_app.m_nPrevRelease == 0) {
        CLanguageDlg(nullptr).DoModal();
    }
    m_drag.ShowAtRest();
    m_delayButtons[0].Attach(Item(IDC_DELAY_UP));
    m_delayButtons[1].Attach(Item(IDC_DELAY_DOWN));
    // The delay field is narrow: no margins, so that "10.0" fits.
    SetEditMargins(Item(IDC_DELAY), 0, 0);
    SetTrayIcon(TrayAction::Add, LoadResString(IDS_TRAY_TIP));

    LoadOptions();
    m_titles.Load();
    UpdateTexts();
    m_schedule.StartupState();
    // The controls show the members once the start-up state (which lit the lamp) is known.
    UpdateData(false);
    if (ReadFlag(m_app.Store(), Setting::UpdateExe)) {
        m_releaseCheck.Start(Hwnd());
    }
    return TRUE;
}

void CBlenkerDlg::OnDpiChanged(const RECT& suggested) {
    Dialog::OnDpiChanged(suggested);
    LayOutForDpi(true);
    SetTitleFont();
    m_toolTips.SetDpi(Dpi());
    m_skin.Init();
    m_drag.ShowAtRest();
}

void CBlenkerDlg::SetTitleFont() {
    // Titles come in every script: the field and the list show them in a face that has them.
    UniqueFont titleFont = AnyScriptFont(LayoutFont());
    for (const int id : {IDC_TITLE_EDIT, IDC_TITLE_LIST}) {
        SetFont(Item(id), titleFont.Get(), true);
    }
    m_titleFont = std::move(titleFont);
}

void CBlenkerDlg::UpdateTexts() {
    SetLangTexts(Hwnd(), kTexts);
    SetToolTips(m_toolTips, Hwnd(), kTips);
}

void CBlenkerDlg::LoadOptions() {
    m_engine.LoadOptions();
    m_schedule.FollowInstantBlenk();
}

void CBlenkerDlg::OnCommand(int id, int notifyCode, HWND) {
    switch (id) {
        case IDC_ADD:
            OnAdd();
            break;
        case IDC_REMOVE:
            m_titles.RemoveSelectedTitles();
            break;
        case IDC_TITLE_LIST:
            if (notifyCode == LBN_SELCHANGE) {
                OnSelChange();
            }
            break;
        case IDC_ENABLE:
            if (notifyCode == BN_CLICKED) {
                m_schedule.ToggleScan();
                // The box has marked itself; it shows the real state should the timer fail.
                CheckItem(IDC_ENABLE, Scanning());
            }
            break;
        case ID_TRAY_ENABLED:
            m_schedule.ToggleScan();
            // All the controls, the title field too: typing not yet added is gone.
            UpdateData(false);
            break;
        case IDC_DELAY_UP:
        case IDC_DELAY_DOWN:
            m_schedule.StepDelay(id == IDC_DELAY_UP ? +1 : -1);
            break;
        case IDC_MINIMIZE:
        case ID_TRAY_MINIMIZE:
            Show(false);
            break;
        case WM_BLENK_RESTORE:
            Show(true);
            break;
        case IDOK:  // the notification menu's Exit
            End();
            EndDialog(IDOK);
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

std::optional<LRESULT> CBlenkerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto handled = m_tray.OnMessage(message, wParam, lParam, {m_bHidden, Scanning()})) {
        return handled;
    }
    switch (message) {
        case WM_PAINT:
            m_skin.Paint(Scanning());
            return 0;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(m_skin.Icon());
        case WM_NCHITTEST:
            // The body moves the window; a press on the target must start the target drag.
            return HitTestAsCaption(lParam, Item(IDC_TARGET));
        case WM_LBUTTONDOWN:
            m_drag.OnButtonDown(lParam);
            return std::nullopt;
        case WM_LBUTTONUP:
            if (std::optional<std::string> text = m_drag.OnButtonUp(lParam)) {
                AddTitle(m_engine.Options().removeAppName ? CutAppName(*text) : std::move(*text));
            }
            return std::nullopt;
        case WM_CAPTURECHANGED:
            m_drag.OnCaptureChanged(reinterpret_cast<HWND>(lParam));
            return std::nullopt;
        case WM_VKEYTOITEM:
            // Delete in the list removes the selected titles, as the remove button does; every
            // other key keeps the list box's own handling (-1).
            if (LOWORD(wParam) != VK_DELETE) {
                return -1;
            }
            m_titles.RemoveSelectedTitles();
            return -2;
        case WM_TIMER:
            m_engine.OnTimer(m_desktop, static_cast<unsigned>(wParam));
            return 0;
        case WM_WINDOW_APPEARED:
            // An event posted before the listening stopped comes too late.
            if (m_schedule.Listening()) {
                m_engine.ScanWindowsProc(m_desktop, static_cast<WindowRef>(wParam));
            }
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
        case WM_ENDSESSION:
            // The system may end the process as soon as this returns: the end runs now,
            // whatever window is open (the settings sheet stores nothing then, as with Cancel).
            if (wParam != FALSE) {
                End();
            }
            return 0;
        case WM_DESTROY:
            m_releaseCheck.Cancel();
            End();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void CBlenkerDlg::UpdateData(bool fromControls) {
    if (fromControls) {
        m_strTitle = ItemText(IDC_TITLE_EDIT);
        m_schedule.m_bEnable = IsItemChecked(IDC_ENABLE) ? 1 : 0;
        m_schedule.m_strDelay = ItemText(IDC_DELAY);
        return;
    }
    SetItemText(IDC_TITLE_EDIT, m_strTitle);
    CheckItem(IDC_ENABLE, Scanning());
    SetItemText(IDC_DELAY, m_schedule.m_strDelay);
}

void CBlenkerDlg::OnAdd() {
    UpdateData(true);
    // A refused title stays in the field.
    if (AddTitle(m_strTitle)) {
        m_strTitle.clear();
        UpdateData(false);
    }
}

void CBlenkerDlg::OnSelChange() {
    if (std::optional<std::string> title = m_titles.CurrentTitle()) {
        m_strTitle = std::move(*title);
        UpdateData(false);
    }
}

void CBlenkerDlg::Show(bool shown) {
    ::ShowWindow(Hwnd(), shown ? SW_SHOW : SW_HIDE);
    m_bHidden = !shown;
}

void CBlenkerDlg::OpenSettings() {
    // Titles the Titles page adds are saved once, when the sheet closes.
    m_titles.HoldSaves(true);
    CTBKSettings sheet(Hwnd(), *this, m_app.Store());
    sheet.AddFlags(PSH_NOAPPLYNOW);
    sheet.m_nClosedTotal = m_engine.m_nClosedTotal;
    sheet.m_nClosedRun = m_engine.m_nClosedRun;
    if (sheet.DoModal() == IDOK) {
        // The Misc page may have reset the counters.
        m_engine.m_nClosedTotal = sheet.m_nClosedTotal;
        m_engine.m_nClosedRun = sheet.m_nClosedRun;
        LoadOptions();
    }
    // The colours in force now, kept by OK or given back by any other end, on every control.
    ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    m_titles.HoldSaves(false);
    m_titles.Save();
}

void CBlenkerDlg::End() {
    if (m_ended) {
        return;  // the Exit command ends here before the window goes, its destruction again
    }
    m_ended = true;
    UpdateData(true);
    m_schedule.End();
    m_titles.Save();
    SetTrayIcon(TrayAction::Delete, "");
}

unsigned CBlenkerDlg::SetScanTimer(int periodMs) {
    return static_cast<unsigned>(
        ::SetTimer(Hwnd(), kScanTimerId, static_cast<UINT>(periodMs), nullptr));
}

void CBlenkerDlg::KillScanTimer() {
    ::KillTimer(Hwnd(), kScanTimerId);
}

void CBlenkerDlg::SetCaption(const std::string& caption) {
    ::SetWindowTextW(Hwnd(), ToUtf16(caption).c_str());
    SetTrayIcon(TrayAction::ChangeTip, caption);
}

}  // namespace blenker
