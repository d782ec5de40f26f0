#include "app/settings/tbk_settings_title.h"

#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "app/text_format.h"
#include "framework/controls.h"
#include "resource.h"
#include "ui/message_dlg.h"

namespace blenker {

namespace {

// The option check boxes and the values they show.
struct Option {
    int control;
    int SettingsValues::*value;
};
constexpr Option kOptions[] = {
    {IDC_TITLES_REMOVE_APP, &SettingsValues::removeAppName},
    {IDC_TITLES_SMART, &SettingsValues::smartBlenk},
    {IDC_TITLES_NEED_BROWSER, &SettingsValues::needBrowser},
    {IDC_TITLES_STRICT, &SettingsValues::strict},
    {IDC_TITLES_CASE, &SettingsValues::caseSensitive},
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
    SettingsValues& values = m_sheet.Values();
    for (const Option& option : kOptions) {
        if (fromControls) {
            values.*option.value = IsItemChecked(option.control);
        } else {
            CheckItem(option.control, values.*option.value != 0);
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
    ShowStatus();
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
        // dropped with its request. The request is done with whatever happens to its reply.
        if (const std::unique_ptr<CWebDownload> reply = m_request.TakeReply()) {
            m_status.OnReply(ReadThemes(*reply));
            ShowStatus();
        }
        return 0;
    }
    if (message == WM_DESTROY) {
        m_request.Drop();  // a transfer still running ends unheard
        FreeThemes();
    }
    return std::nullopt;
}

void CTBKSettingsTitle::StartUpdate() {
    FreeThemes();
    m_status.Start();
    ShowStatus();
    // The button stays enabled: a second click replaces the request.
    m_request.Start(Hwnd(), LoadResString(IDS_TITLES_URL));
}

ThemesReply CTBKSettingsTitle::ReadThemes(const CWebDownload& reply) {
    if (!reply.Succeeded()) {
        return ThemesReply::TransferFailed;
    }
    if (!IsReadableThemesFile(reply.GetValue("Doc"), reply.GetValue("File"))) {
        AppMessageBox(Hwnd(), kTooOld);
        return ThemesReply::LaterFormat;
    }
    const bool french = TheApp().GetLanguage() != 0;
    bool anyTheme = false;
    for (const std::string_view line : BlockLines(reply.GetValue("Themes"))) {
        if (line.empty()) {
            continue;
        }
        anyTheme = true;
        const ThemeLine parsed = ParseThemeLine(line);
        auto theme = std::make_unique<Theme>(BuildTheme(
            parsed, reply.GetValue(parsed.key), french,
            [this](const std::string& title) { return m_sheet.Main().TitleExists(title); }));
        ListTheme(*theme);
        m_themes.push_back(std::move(theme));
    }
    return anyTheme ? ThemesReply::Themes : ThemesReply::NoTheme;
}

int CTBKSettingsTitle::ListTheme(Theme& theme) {
    const VWinApp& app = TheApp();
    const std::string label =
        ThemeLabel(theme, app.LoadLangString(IDS_NEW_TITLES), app.LoadLangString(IDS_NO_NEW_TITLE));
    const ListBox list = List(IDC_TITLES_THEMES);
    const int index = list.AddString(label);
    if (index >= 0) {
        list.SetItemData(index, reinterpret_cast<LPARAM>(&theme));
    }
    return index;
}

void CTBKSettingsTitle::OnThemeDoubleClick() {
    const ListBox list = List(IDC_TITLES_THEMES);
    const int index = list.GetCurSel();
    if (index < 0) {
        return;
    }
    auto* theme = reinterpret_cast<Theme*>(list.GetItemData(index));
    if (theme == nullptr || !theme->offered) {
        return;
    }
    const int added = AddThemeTitles(
        *theme, [this](const std::string& title) { return m_sheet.Main().AddTitle(title); });
    // The new label may sort elsewhere; the entry keeps its record.
    list.DeleteString(index);
    list.SetCurSel(ListTheme(*theme));

    CMessageDlg message(Hwnd());
    message.m_strMessage =
        "\n\n\n" +
        FillFormat(TheApp().LoadLangString(added == 1 ? IDS_TITLE_ADDED : IDS_TITLES_ADDED),
                   {std::to_string(added)});
    message.DoModal();
}

void CTBKSettingsTitle::ShowStatus() {
    SetItemText(IDC_TITLES_STATUS, TheApp().LoadLangString(m_status.TextId()));
}

void CTBKSettingsTitle::FreeThemes() {
    if (Hwnd() != nullptr) {
        List(IDC_TITLES_THEMES).ResetContent();
    }
    m_themes.clear();
}

}  // namespace blenker
