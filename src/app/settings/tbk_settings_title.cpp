#include "app/settings/tbk_settings_title.h"

#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "app/text_format.h"
#include "resource.h"
#include "ui/message_dlg.h"

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

// Shown when the maker's file is of a later format; one text for both languages.
constexpr char kTooOld[] =
    "Your Blenker release is too old. Download the latest release !\n\nVotre version de The "
    "Blenker est trop ancienne, veuillez t\xE9l\xE9\x63harger la nouvelle version.";

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
    SetStatus(m_nStatus);
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

void CTBKSettingsTitle::OnCommand(int id, int notifyCode, HWND) {
    if (id == IDC_TITLES_UPDATE && notifyCode == BN_CLICKED) {
        StartUpdate();
    } else if (id == IDC_TITLES_THEMES && notifyCode == LBN_DBLCLK) {
        OnThemeDoubleClick();
    }
}

std::optional<LRESULT> CTBKSettingsTitle::OnMessage(UINT message, WPARAM, LPARAM) {
    if (message == WM_DOWNLOAD_DONE) {
        // Only the reply of the request still pending: one that a later click replaced is
        // dropped with its request.
        if (m_pRequest != nullptr && m_pRequest->Done()) {
            OnThemesReply();
        }
        return 0;
    }
    if (message == WM_DESTROY) {
        m_pRequest.reset();  // a transfer still running ends unheard
        FreeThemes();
    }
    return std::nullopt;
}

void CTBKSettingsTitle::StartUpdate() {
    FreeThemes();
    SetStatus(1);
    // The button stays enabled: a second click replaces the request.
    m_pRequest.reset();
    m_pRequest = std::make_unique<CWebDownload>(Hwnd());
    m_pRequest->SetUrl(LoadResString(IDS_TITLES_URL));
    m_pRequest->Start();
}

void CTBKSettingsTitle::OnThemesReply() {
    // The request is done with whatever happens below.
    const std::unique_ptr<CWebDownload> reply = std::move(m_pRequest);
    if (!reply->Succeeded()) {
        SetStatus(3);
        return;
    }
    if (!IsReadableThemesFile(reply->GetValue("Doc"), reply->GetValue("File"))) {
        AppMessageBox(Hwnd(), kTooOld);  // the status stays at "Retrieving infos..."
        return;
    }
    const bool french = TheApp().GetLanguage() != 0;
    bool anyTheme = false;
    for (const std::string_view line : BlockLines(reply->GetValue("Themes"))) {
        if (line.empty()) {
            continue;
        }
        anyTheme = true;
        const ThemeLine parsed = ParseThemeLine(line);
        auto theme = std::make_unique<Theme>(BuildTheme(
            parsed, reply->GetValue(parsed.key), french,
            [this](const std::string& title) { return m_sheet.Main().TitleExists(title); }));
        ListTheme(*theme);
        m_themes.push_back(std::move(theme));
    }
    SetStatus(anyTheme ? 2 : 3);
}

int CTBKSettingsTitle::ListTheme(Theme& theme) {
    const VWinApp& app = TheApp();
    const std::string label =
        ThemeLabel(theme, app.LoadLangString(IDS_NEW_TITLES), app.LoadLangString(IDS_NO_NEW_TITLE));
    const auto index = static_cast<int>(::SendDlgItemMessageA(
        Hwnd(), IDC_TITLES_THEMES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str())));
    if (index >= 0) {
        ::SendDlgItemMessageA(Hwnd(), IDC_TITLES_THEMES, LB_SETITEMDATA, index,
                              reinterpret_cast<LPARAM>(&theme));
    }
    return index;
}

void CTBKSettingsTitle::OnThemeDoubleClick() {
    const HWND list = Item(IDC_TITLES_THEMES);
    const auto index = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (index < 0) {
        return;
    }
    auto* theme = reinterpret_cast<Theme*>(::SendMessageA(list, LB_GETITEMDATA, index, 0));
    if (theme == nullptr || !theme->offered) {
        return;
    }
    const int added = AddThemeTitles(
        *theme, [this](const std::string& title) { return m_sheet.Main().AddTitle(title); });
    // The new label may sort elsewhere; the entry keeps its record.
    ::SendMessageA(list, LB_DELETESTRING, index, 0);
    ::SendMessageA(list, LB_SETCURSEL, ListTheme(*theme), 0);

    CMessageDlg message(Hwnd());
    message.m_strMessage =
        "\n\n\n" +
        FillFormat(TheApp().LoadLangString(added == 1 ? IDS_TITLE_ADDED : IDS_TITLES_ADDED),
                   {std::to_string(added)});
    message.DoModal();
}

void CTBKSettingsTitle::SetStatus(int status) {
    // 0 waiting for a click, 1 retrieving, 2 themes shown, 3 failed.
    constexpr int kTexts[] = {IDS_THEMES_IDLE, IDS_THEMES_RETRIEVING, IDS_THEMES_READY,
                              IDS_THEMES_FAILED};
    m_nStatus = status;
    SetItemText(IDC_TITLES_STATUS, TheApp().LoadLangString(kTexts[m_nStatus]));
}

void CTBKSettingsTitle::FreeThemes() {
    if (Hwnd() != nullptr) {
        ::SendDlgItemMessageA(Hwnd(), IDC_TITLES_THEMES, LB_RESETCONTENT, 0, 0);
    }
    m_themes.clear();
}

}  // namespace blenker
