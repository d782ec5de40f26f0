#include "app/settings/tbk_settings_title.h"

#include "app/settings/tbk_settings.h"
#include "resource.h"

namespace blenker {

namespace {

// The option check boxes and the members they show.
struct Option {
    int control;
    int CTBKSettingsTitle::*member;
};
constexpr Option kOptions[] = {
    {IDC_TITLES_REMOVE_APP, &CTBKSettingsTitle::m_bRemoveAppName},
    {IDC_TITLES_SMART, &CTBKSettingsTitle::m_bSmartBlenk},
    {IDC_TITLES_NEED_BROWSER, &CTBKSettingsTitle::m_bNeedBrowser},
    {IDC_TITLES_STRICT, &CTBKSettingsTitle::m_bStrict},
    {IDC_TITLES_CASE, &CTBKSettingsTitle::m_bCaseSensitive},
};

}  // namespace

CTBKSettingsTitle::CTBKSettingsTitle(CTBKSettings& sheet)
    : CResizeablePropertyPage(IDD_SETTINGS_TITLES),
      m_sheet(sheet),
      m_btnUpdate(IDC_TITLES_UPDATE, IDB_UPDATE_UP, IDB_UPDATE_DOWN) {
    AddControl(m_btnUpdate);
}

BOOL CTBKSettingsTitle::OnInitDialog() {
    CResizeablePropertyPage::OnInitDialog();
    UpdateData(false);
    SetTexts();
    return TRUE;
}

void CTBKSettingsTitle::UpdateData(bool fromControls) {
    for (const Option& option : kOptions) {
        if (fromControls) {
            this->*option.member = ::IsDlgButtonChecked(Hwnd(), option.control) == BST_CHECKED;
        } else {
            ::CheckDlgButton(Hwnd(), option.control,
                             this->*option.member ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void CTBKSettingsTitle::SetTexts() {
    constexpr ControlText kTexts[] = {
        {IDC_TITLES_UPDATE_GROUP, IDS_UPDATE_GROUP},
        {IDC_TITLES_MAIL_US, IDS_MAIL_US},
        {IDC_TITLES_REMOVE_APP, IDS_REMOVE_APP},
        {IDC_TITLES_STRICT, IDS_STRICT},
        {IDC_TITLES_NEED_BROWSER, IDS_NEED_BROWSER},
        {IDC_TITLES_CASE, IDS_CASE},
        {IDC_TITLES_ADDING_GROUP, IDS_ADDING_GROUP},
        {IDC_TITLES_SCANNING_GROUP, IDS_SCANNING_GROUP},
    };
    SetLangTexts(kTexts);
    constexpr ControlText kTips[] = {
        {IDC_TITLES_UPDATE, IDS_UPDATE_TIP},
        {IDC_TITLES_REMOVE_APP, IDS_REMOVE_APP_TIP},
        {IDC_TITLES_SMART, IDS_SMART_TIP},
        {IDC_TITLES_STRICT, IDS_STRICT_TIP},
        {IDC_TITLES_NEED_BROWSER, IDS_NEED_BROWSER_TIP},
        {IDC_TITLES_CASE, IDS_CASE_TIP},
    };
    SetToolTips(kTips);
}

void CTBKSettingsTitle::OnOK() {
    UpdateData(true);
}

}  // namespace blenker
