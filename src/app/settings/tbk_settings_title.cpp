#include "app/settings/tbk_settings_title.h"

#include "app/app_message_box.h"
#include "app/settings/page_tables.h"
#include "app/settings/tbk_settings.h"
#include "app/win_app.h"
#include "framework/controls.h"
#include "resource.h"
#include "ui/message_dlg.h"

namespace blenker {

namespace {

// Shown when the maker's file is of a later format; one text for both languages.
constexpr char kTooOld[] =
    "Your Blenker release is too old. Download the latest release !\n\nVotre version de The "
    "Blenker est trop ancienne, veuillez télécharger la nouvelle version.";

}  // namespace

CTBKSettingsTitle::CTBKSettingsTitle(CTBKSettings& sheet)
    : CResizeablePropertyPage(IDD_SETTINGS_TITLES, pages::kTitleFields, sheet.Values()),
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

void CTBKSettingsTitle::SetTexts() {
    SetLangTexts(pages::kTitleTexts);
    ShowStatus();
    SetToolTips(pages::kTitleTips);
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
    ThemesRead read = ReadThemesReply(
        reply.Succeeded(),
        [&reply](std::string_view key) -> const std::string& { return reply.GetValue(key); },
        TheApp().GetLanguage() != 0,
        [this](const std::string& title) { return m_sheet.Main().TitleExists(title); });
    if (read.reply == ThemesReply::LaterFormat) {
        AppMessageBox(Hwnd(), kTooOld);
    }
    for (Theme& theme : read.themes) {
        auto owned = std::make_unique<Theme>(std::move(theme));
        ListTheme(*owned);
        m_themes.push_back(std::move(owned));
    }
    return read.reply;
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
        AddedTitlesMessage(TheApp().LoadLangString(AddedTitlesTextId(added)), added);
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
