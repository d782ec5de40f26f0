#include "app/settings/tbk_settings_startup.h"

#include "app/settings/page_tables.h"
#include "app/settings/shortcut.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "resource.h"

namespace blenker {

CTBKSettingsStartup::CTBKSettingsStartup(CTBKSettings& sheet)
    : CResizeablePropertyPage(IDD_SETTINGS_STARTUP, pages::kStartupFields, sheet.Values()),
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

void CTBKSettingsStartup::SetTexts() {
    SetLangTexts(pages::kStartupTexts);
    const bool french = TheApp().GetLanguage() != 0;
    for (const pages::FolderLabel& label : pages::kFolderLabels) {
        SetItemText(label.control, french ? label.french : label.english);
        SetItemText(label.button, french ? label.french : label.english);
    }
    // The page's tool tip control, with no tools of its own.
    SetToolTips({});
}

void CTBKSettingsStartup::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED) {
        return;
    }
    for (const pages::ShortcutButton& button : pages::kShortcutButtons) {
        if (button.control == id) {
            MakeShortcut(Hwnd(), button.kind, TheApp().m_strExePath);
        }
    }
}

void CTBKSettingsStartup::OnOK() {
    UpdateData(true);
}

}  // namespace blenker
