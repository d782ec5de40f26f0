#include "app/settings/tbk_settings_startup.h"

#include "app/settings/shortcut.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "resource.h"

namespace blenker {

namespace {

// The radio buttons of the start-up states 0, 1 and 2.
constexpr int kStateRadios[] = {IDC_STARTUP_DISABLED, IDC_STARTUP_ENABLED, IDC_STARTUP_PREVIOUS};

// The shortcut buttons and the folders they put a shortcut into.
struct ShortcutButton {
    int control;
    ShortcutKind kind;
};
constexpr ShortcutButton kShortcutButtons[] = {
    {IDC_STARTUP_TO_DESKTOP, ShortcutKind::Desktop},
    {IDC_STARTUP_TO_START_MENU, ShortcutKind::StartMenu},
    {IDC_STARTUP_TO_STARTUP, ShortcutKind::Startup},
};

}  // namespace

CTBKSettingsStartup::CTBKSettingsStartup(CTBKSettings& sheet)
    : CResizeablePropertyPage(IDD_SETTINGS_STARTUP),
      m_sheet(sheet),
      m_btnDesktop(IDC_STARTUP_TO_DESKTOP, IDB_SHORTCUT_UP, IDB_SHORTCUT_DOWN),
      m_btnStartMenu(IDC_STARTUP_TO_START_MENU, IDB_SHORTCUT_UP, IDB_SHORTCUT_DOWN),
      m_btnStartup(IDC_STARTUP_TO_STARTUP, IDB_SHORTCUT_UP, IDB_SHORTCUT_DOWN) {
    AddControl(m_btnDesktop);
    AddControl(m_btnStartMenu);
    AddControl(m_btnStartup);
}

BOOL CTBKSettingsStartup::OnInitDialog() {
    CResizeablePropertyPage::OnInitDialog();
    SetTexts();
    UpdateData(false);
    return TRUE;
}

void CTBKSettingsStartup::UpdateData(bool fromControls) {
    SettingsValues& values = m_sheet.Values();
    if (fromControls) {
        // No radio button checked (a stored state outside 0..2): the value stays as it was.
        for (int index = 0; index < 3; ++index) {
            if (IsItemChecked(kStateRadios[index])) {
                values.initialState = index;
            }
        }
        values.updateExe = IsItemChecked(IDC_STARTUP_UPDATE);
        values.minimizeAtStartup = IsItemChecked(IDC_STARTUP_MINIMIZE);
        return;
    }
    for (int index = 0; index < 3; ++index) {
        CheckItem(kStateRadios[index], index == values.initialState);
    }
    CheckItem(IDC_STARTUP_UPDATE, values.updateExe != 0);
    CheckItem(IDC_STARTUP_MINIMIZE, values.minimizeAtStartup != 0);
}

void CTBKSettingsStartup::SetTexts() {
    constexpr ControlText kTexts[] = {
        {IDC_STARTUP_MINIMIZE, IDS_MINIMIZE_AT_STARTUP},
        {IDC_STARTUP_STATE_LABEL, IDS_STATE_LABEL},
        {IDC_STARTUP_DISABLED, IDS_STATE_DISABLED},
        {IDC_STARTUP_ENABLED, IDS_STATE_ENABLED},
        {IDC_STARTUP_PREVIOUS, IDS_STATE_PREVIOUS},
        {IDC_STARTUP_UPDATE, IDS_UPDATE_EXE},
        {IDC_STARTUP_SHORTCUTS_GROUP, IDS_SHORTCUTS_GROUP},
        {IDC_STARTUP_SHORTCUTS_LABEL, IDS_SHORTCUTS_LABEL},
    };
    SetLangTexts(kTexts);
    // Labels only: the folders are always found by their English names.
    const bool french = TheApp().GetLanguage() != 0;
    SetItemText(IDC_STARTUP_STARTUP_LABEL, french ? "D\xE9marrage" : "Startup");
    SetItemText(IDC_STARTUP_START_MENU_LABEL, french ? "Menu D\xE9marrer" : "Start Menu");
    SetItemText(IDC_STARTUP_DESKTOP_LABEL, french ? "Bureau" : "Desktop");
    // The page's tool tip control, with no tools of its own.
    SetToolTips({});
}

void CTBKSettingsStartup::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED) {
        return;
    }
    for (const ShortcutButton& button : kShortcutButtons) {
        if (button.control == id) {
            MakeShortcut(Hwnd(), button.kind, TheApp().m_strExePath);
        }
    }
}

void CTBKSettingsStartup::OnOK() {
    UpdateData(true);
}

}  // namespace blenker
