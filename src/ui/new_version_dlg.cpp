#include "ui/new_version_dlg.h"

#include "app/win_app.h"
#include "resource.h"

namespace blenker {

CNewVersionDlg::CNewVersionDlg(HWND owner)
    : Dialog(IDD_NEW_VERSION, owner), m_close(IDOK, IDB_CLOSE_UP, IDB_CLOSE_DOWN) {
    AddControl(m_close);
    // The link keeps the size of its control.
    m_link.ChangeStyleBits(kLinkAutoSize, 0);
}

BOOL CNewVersionDlg::OnInitDialog() {
    SetItemText(IDC_RELEASE_NOTES, m_strNotes);
    m_link.OpenWebAddressesOnly(m_bFromSecureSite);
    m_link.Attach(Item(IDC_DOWNLOAD_LINK));

    const VWinApp& app = TheApp();
    SetItemText(IDC_NEW_VERSION_TITLE, app.LoadLangString(IDS_NEW_VERSION_TITLE));
    SetItemText(IDC_NEW_VERSION_TEXT, app.LoadLangString(IDS_NEW_VERSION_TEXT));
    CHyperLink::SetLinkColors(RGB(255, 128, 128), RGB(255, 128, 128), RGB(255, 128, 128),
                              RGB(255, 0, 0));
    m_link.SetLinkUrl(m_strDownload);
    m_link.SetLinkText(app.LoadLangString(IDS_DOWNLOAD_LINK));
    return TRUE;
}

}  // namespace blenker
