#include "app/settings/tbk_settings_misc.h"

#include <commdlg.h>
#include <mmsystem.h>

#include "app/settings/misc_page_rules.h"
#include "app/settings/page_tables.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "framework/dialog_colors.h"
#include "framework/text.h"
#include "resource.h"

namespace blenker {

CTBKSettingsMisc::CTBKSettingsMisc(CTBKSettings& sheet)
    : CResizeablePropertyPage(IDD_SETTINGS_MISC, pages::kMiscFields, sheet.Values()),
      m_btnTextColor(IDC_MISC_TEXT_COLOR),
      m_btnBgColor(IDC_MISC_BG_COLOR),
      m_sheet(sheet),
      m_btnBrowse(IDC_MISC_BROWSE, IDB_BROWSE_UP, IDB_BROWSE_DOWN),
      m_btnTestSound(IDC_MISC_TEST_SOUND, IDB_TEST_SOUND_UP, IDB_TEST_SOUND_DOWN),
      m_btnReset(IDC_MISC_RESET, IDB_RESET_UP, IDB_RESET_DOWN),
      m_btnLanguage(IDC_MISC_LANGUAGE, IDB_LANGUAGE_UP, IDB_LANGUAGE_DOWN) {
    for (DialogControl* control :
         std::initializer_list<DialogControl*>{&m_btnBrowse, &m_btnTestSound, &m_btnReset,
                                               &m_btnLanguage, &m_btnBgColor, &m_btnTextColor}) {
        AddControl(*control);
    }
}

BOOL CTBKSettingsMisc::OnInitDialog() {
    CResizeablePropertyPage::OnInitDialog();
    // The buttons draw the sheet's colours from their first paint on.
    m_btnTextColor.m_crColor = static_cast<COLORREF>(m_sheet.Values().textColour);
    m_btnBgColor.m_crColor = static_cast<COLORREF>(m_sheet.Values().backgroundColour);
    UpdateData(false);
    ShowCounters();
    SetTexts();
    return TRUE;
}

void CTBKSettingsMisc::ShowCounters() {
    SetItemText(IDC_MISC_TOTAL, std::to_string(m_sheet.m_nClosedTotal));
    SetItemText(IDC_MISC_RUN, std::to_string(m_sheet.m_nClosedRun));
}

void CTBKSettingsMisc::SetTexts() {
    SetLangTexts(pages::kMiscTexts);
    SetToolTips(pages::kMiscTips);
}

void CTBKSettingsMisc::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED) {
        return;
    }
    switch (id) {
        case IDC_MISC_LANGUAGE:
            TheApp().ToggleLanguage();  // stored at once, whatever ends the sheet
            SetTexts();
            m_sheet.RefreshLanguage();
            break;
        case IDC_MISC_RESET:
            // The main window takes the zeros only when the sheet ends with OK.
            m_sheet.m_nClosedTotal = 0;
            m_sheet.m_nClosedRun = 0;
            ShowCounters();
            break;
        case IDC_MISC_TEST_SOUND:
            // The file as typed, before OK; the system plays its default sound for a file it
            // cannot play.
            UpdateData(true);
            ::PlaySoundW(ToUtf16(m_sheet.Values().soundFile).c_str(), nullptr,
                         SND_FILENAME | SND_ASYNC);
            break;
        case IDC_MISC_BROWSE:
            BrowseSoundFile();
            break;
        default:
            break;
    }
}

void CTBKSettingsMisc::BrowseSoundFile() {
    UpdateData(true);
    // The filter is English in both languages; the string table separates its parts with "|".
    const std::wstring filter = ToUtf16(SoundFileFilter(LoadResString(IDS_SOUND_FILTER)));
    wchar_t file[MAX_PATH] = L"*.wav";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Hwnd();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;  // in characters
    dialog.lpstrDefExt = L"wav";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST |
                   OFN_FILEMUSTEXIST;
    if (::GetOpenFileNameW(&dialog)) {
        m_sheet.Values().soundFile = ToUtf8(file);
        UpdateData(false);
    }
}

std::optional<LRESULT> CTBKSettingsMisc::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        UpdateData(true);
    } else if (message == WM_COLOR_CHANGED) {
        // A preview for every dialog of the program: the sheet stores the colours on OK and
        // puts the stored ones back otherwise.
        const DialogColours shown =
            PickColour(m_sheet.Values(), static_cast<int>(wParam), static_cast<COLORREF>(lParam));
        SetDialogColors(static_cast<COLORREF>(shown.background), static_cast<COLORREF>(shown.text));
        ::InvalidateRect(Hwnd(), nullptr, TRUE);
        ::InvalidateRect(m_sheet.Hwnd(), nullptr, TRUE);
        return 0;
    }
    return std::nullopt;
}

void CTBKSettingsMisc::OnOK() {
    UpdateData(true);
}

}  // namespace blenker
