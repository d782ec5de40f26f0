#include "mainwnd/blenker_dlg.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/control_texts.h"
#include "app/language_dlg.h"
#include "store/settings.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "app/text_format.h"
#include "mainwnd/icon_resource.h"
#include "resource.h"
#include "titles/builtin_titles.h"
#include "titles/title_file.h"
#include "ui/help_dlg.h"
#include "ui/message_dlg.h"

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

// Replaces the file by the freshly written one in one step. A title file that the user made
// read-only is not replaced (Windows refuses that move; some systems would not).
bool ReplaceByMove(const std::string& from, const std::string& to) {
    const DWORD attributes = ::GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    return ::MoveFileExA(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

CBlenkerDlg::CBlenkerDlg(OpenBytesFn openTitleFile)
    : Dialog(IDD_MAIN, nullptr),
      m_bHidden(ReadFlag(TheApp().Store(), Setting::MinimizeAtStartup)),
      m_app(TheApp()),
      m_openTitleFile(std::move(openTitleFile)),
      m_engine(m_titles, m_app.Store()),
      m_schedule(*this, m_app.Store(), m_engine, m_app.m_strVersion),
      m_buttons{{{IDC_SETTINGS, IDB_SETTINGS_UP, IDB_SETTINGS_DOWN},
                 {IDC_HELP_BUTTON, IDB_HELP_UP, IDB_HELP_DOWN},
                 {IDC_ADD, IDB_ADD_UP, IDB_ADD_DOWN},
                 {IDC_REMOVE, IDB_REMOVE_UP, IDB_REMOVE_DOWN},
                 {IDC_MINIMIZE, IDB_MINIMIZE_UP, IDB_MINIMIZE_DOWN},
                 {IDC_CLOSE, IDB_CLOSE_UP, IDB_CLOSE_DOWN},
                 {IDC_DELAY_DOWN, IDB_DELAY_DOWN_UP, IDB_DELAY_DOWN_DOWN},
                 {IDC_DELAY_UP, IDB_DELAY_UP_UP, IDB_DELAY_UP_DOWN}}},
      m_tray(m_app),
      m_drag([this](std::string title) { AddTitle(std::move(title)); }, m_engine.m_bRemoveAppName),
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
    SetTrayIcon(1, LoadResString(IDS_TRAY_TIP));

    Attach(Hwnd());
    LoadOptions();
    LoadTitleFile();
    UpdateTexts();
    m_schedule.StartupState();
    UpdateData(false);
    DrawLamp(m_schedule.m_bEnable != 0);
    if (ReadFlag(m_app.Store(), Setting::UpdateExe)) {
        StartReleaseCheck();
    }
    return TRUE;
}

void CBlenkerDlg::UpdateData(bool fromControls) {
    if (fromControls) {
        m_strTitle = ItemText(IDC_TITLE_EDIT);
        m_schedule.m_bEnable = ::IsDlgButtonChecked(Hwnd(), IDC_ENABLE) == BST_CHECKED ? 1 : 0;
        m_schedule.m_strDelay = ItemText(IDC_DELAY);
        return;
    }
    SetItemText(IDC_TITLE_EDIT, m_strTitle);
    ::CheckDlgButton(Hwnd(), IDC_ENABLE, m_schedule.m_bEnable ? BST_CHECKED : BST_UNCHECKED);
    SetItemText(IDC_DELAY, m_schedule.m_strDelay);
}

void CBlenkerDlg::UpdateTexts() {
    constexpr ControlText kTexts[] = {{IDC_DELAY_LABEL, IDS_DELAY_LABEL}, {IDC_ENABLE, IDS_ENABLE}};
    SetLangTexts(Hwnd(), kTexts);
    SetToolTips(m_toolTip, Hwnd(), kTips);
}

void CBlenkerDlg::OnCommand(int id, int notifyCode, HWND) {
    switch (id) {
        case IDC_ADD:
            OnAdd();
            break;
        case IDC_REMOVE:
            RemoveSelectedTitles();
            break;
        case IDC_TITLE_LIST:
            if (notifyCode == LBN_SELCHANGE) {
                OnSelChange();
            }
            break;
        case IDC_ENABLE:
            if (notifyCode == BN_CLICKED) {
                ToggleScan();
                // The box has marked itself; it shows the real state should the timer fail.
                ::CheckDlgButton(Hwnd(), IDC_ENABLE,
                                 m_schedule.m_bEnable ? BST_CHECKED : BST_UNCHECKED);
            }
            break;
        case IDC_DELAY_UP:
            StepDelay(+1);
            break;
        case IDC_DELAY_DOWN:
            StepDelay(-1);
            break;
        case IDC_CLOSE:
            ::SendMessageA(Hwnd(), WM_CLOSE, 0, 0);
            break;
        case IDC_MINIMIZE:
        case ID_TRAY_MINIMIZE:
            Hide();
            break;
        case WM_BLENK_RESTORE:
            ::ShowWindow(Hwnd(), SW_SHOW);
            m_bHidden = 0;
            break;
        case ID_TRAY_ENABLED:
            ToggleScan();
            UpdateData(false);
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
            // The invisible default button 1049 swallows the Enter key.
            break;
    }
}

void CBlenkerDlg::OpenSettings() {
    CTBKSettings sheet(Hwnd(), *this, m_app.Store());
    sheet.AddFlags(PSH_NOAPPLYNOW);
    sheet.m_nClosedTotal = m_engine.m_nClosedTotal;
    sheet.m_nClosedRun = m_engine.m_nClosedRun;
    m_bInSettings = 1;
    if (sheet.DoModal() == IDOK) {
        // The Misc page may have reset the counters.
        m_engine.m_nClosedTotal = sheet.m_nClosedTotal;
        m_engine.m_nClosedRun = sheet.m_nClosedRun;
        LoadOptions();
        ::InvalidateRect(Hwnd(), nullptr, TRUE);
    }
    m_bInSettings = 0;
    // Titles the Titles page added meanwhile reach the file here, whatever the sheet's end.
    SaveTitleFile();
}

std::optional<LRESULT> CBlenkerDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
        case WM_TRAY_NOTIFY:
            m_tray.OnNotify(wParam, lParam);
            return 0;
        case WM_DOWNLOAD_DONE:
            m_releaseCheck.OnDownloadDone();
            return 0;
        case WM_TRAY_LBUTTON:
            OnIconTrayLButtonDown();
            return 0;
        case WM_TRAY_RBUTTON:
            OnIconTrayRButtonDown();
            return 0;
        case WM_SYSCOMMAND:
            // Minimising hides the window in the notification area, never on the taskbar.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                Hide();
                return 0;
            }
            return std::nullopt;
        case WM_MEASUREITEM:
            // The tray menu's items, while it is open.
            if (m_tray.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            return std::nullopt;
        case WM_DRAWITEM:
            if (m_tray.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            return std::nullopt;
        case WM_LBUTTONDOWN:
            OnLButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return std::nullopt;
        case WM_LBUTTONUP:
            OnLButtonUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return std::nullopt;
        case WM_CAPTURECHANGED:
            m_drag.OnCaptureChanged(reinterpret_cast<HWND>(lParam));
            return std::nullopt;
        case WM_DESTROY:
            m_releaseCheck.Cancel();
            SetTrayIcon(2, "");
            End();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void CBlenkerDlg::Hide() {
    ::ShowWindow(Hwnd(), SW_HIDE);
    m_bHidden = 1;
}

void CBlenkerDlg::OnIconTrayLButtonDown() {
    ::PostMessageA(Hwnd(), WM_COMMAND, WM_BLENK_RESTORE, 0);
}

void CBlenkerDlg::SetCaption(const std::string& caption) {
    WindowScanHost::SetCaption(caption);
    SetTrayIcon(3, caption);
}

void CBlenkerDlg::OnOK() {
    End();
    UpdateData(true);
    EndDialog(IDOK);
}

void CBlenkerDlg::End() {
    m_schedule.End();
}

void CBlenkerDlg::OnAdd() {
    UpdateData(true);
    if (AddTitle(m_strTitle)) {
        m_strTitle.clear();
        UpdateData(false);
    }
}

bool CBlenkerDlg::AddTitle(std::string title) {
    const auto index = m_titles.AddTitle(title);
    if (!index) {
        return false;
    }
    ::SendDlgItemMessageA(Hwnd(), IDC_TITLE_LIST, LB_INSERTSTRING, *index,
                          reinterpret_cast<LPARAM>(m_titles[*index].c_str()));
    if (!m_bInSettings) {
        SaveTitleFile();
    }
    return true;
}

void CBlenkerDlg::RemoveSelectedTitles() {
    const auto count = ::SendDlgItemMessageA(Hwnd(), IDC_TITLE_LIST, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) {
        return;
    }
    std::vector<int> selected(static_cast<std::size_t>(count));
    ::SendDlgItemMessageA(Hwnd(), IDC_TITLE_LIST, LB_GETSELITEMS, selected.size(),
                          reinterpret_cast<LPARAM>(selected.data()));
    // From the highest index down, so that each index still names the entry it was read for.
    std::sort(selected.rbegin(), selected.rend());
    for (int index : selected) {
        ::SendDlgItemMessageA(Hwnd(), IDC_TITLE_LIST, LB_DELETESTRING, index, 0);
    }
    m_titles.RemoveSelected(std::vector<std::size_t>(selected.begin(), selected.end()));
}

void CBlenkerDlg::OnSelChange() {
    const auto index = ::SendDlgItemMessageA(Hwnd(), IDC_TITLE_LIST, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || static_cast<std::size_t>(index) >= m_titles.Size()) {
        return;
    }
    m_strTitle = m_titles[static_cast<std::size_t>(index)];
    UpdateData(false);
}

void CBlenkerDlg::LoadTitleFile() {
    const std::string name = LoadResString(IDS_TITLE_FILE);
    if (!blenker::LoadTitleFile(name, m_titles, m_openTitleFile)) {
        CMessageDlg message(Hwnd());
        message.m_strMessage = FillFormat(LoadResString(IDS_FILE_CREATED), {name, name});
        message.DoModal();
        for (const char* title : kBuiltinTitles) {
            m_titles.Insert(title);
        }
    }
    FillListBox();
}

void CBlenkerDlg::FillListBox() {
    // In one go: the room for every entry taken at once, and no drawing until the end.
    const HWND list = Item(IDC_TITLE_LIST);
    std::size_t bytes = 0;
    for (const std::string& title : m_titles.Titles()) {
        bytes += title.size() + 1;
    }
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    ::SendMessageA(list, LB_INITSTORAGE, m_titles.Size(), static_cast<LPARAM>(bytes));
    for (const std::string& title : m_titles.Titles()) {
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

void CBlenkerDlg::SaveTitleFile() {
    const std::string name = LoadResString(IDS_TITLE_FILE);
    if (!blenker::SaveTitleFile(name, m_titles, &ReplaceByMove)) {
        const std::string text = FillFormat("The file '%s' couldn't been updated !", {name});
        ::MessageBoxA(Hwnd(), text.c_str(), "The Blenker", MB_ICONSTOP | MB_OK);
    }
}

}  // namespace blenker
