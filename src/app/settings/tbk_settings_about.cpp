#include "app/settings/tbk_settings_about.h"

#include "app/settings/page_tables.h"
#include "app/win_app.h"
#include "resource.h"

namespace blenker {

CTBKSettingsAbout::CTBKSettingsAbout() : CResizeablePropertyPage(IDD_SETTINGS_ABOUT) {}

BOOL CTBKSettingsAbout::OnInitDialog() {
    CResizeablePropertyPage::OnInitDialog();
    m_linkWeb.Attach(Item(IDC_ABOUT_WEB));
    m_linkMail.Attach(Item(IDC_ABOUT_MAIL));
    SetTexts();
    const VWinApp& app = TheApp();
    SetItemText(IDC_ABOUT_VERSION, app.m_strVersion);
    // Every link of the process takes these colours from now on.
    CHyperLink::SetLinkColors(RGB(255, 128, 128), RGB(255, 128, 128), RGB(255, 128, 128),
                              RGB(255, 0, 0));
    m_linkMail.SetLinkUrl("mailto:" + app.m_strMail);
    m_linkMail.SetLinkText(app.m_strMail);
    m_linkWeb.SetLinkUrl(app.m_strWebSite);
    m_linkWeb.SetLinkText(app.m_strWebSite);
    return TRUE;
}

void CTBKSettingsAbout::SetTexts() {
    SetLangTexts(pages::kAboutTexts);
}

}  // namespace blenker
