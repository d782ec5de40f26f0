#include "mainwnd/release_check.h"

#include <memory>
#include <string>

#include "app/web_address.h"
#include "app/win_app.h"
#include "net/release.h"
#include "resource.h"
#include "ui/new_version_dlg.h"

namespace blenker {

void CReleaseCheck::Start(HWND window) {
    m_window = window;
    m_request.Start(m_window, LoadResString(IDS_UPDATE_URL));
}

void CReleaseCheck::OnDownloadDone() {
    // The request is done with whatever happens to its reply.
    if (const std::unique_ptr<CWebDownload> reply = m_request.TakeReply()) {
        OnReleaseReply(*reply);
    }
}

void CReleaseCheck::OnReleaseReply(const CWebDownload& reply) {
    if (!reply.Succeeded()) {
        return;  // no connection: the user is not bothered
    }
    if (!IsNewerRelease(reply.GetValue("VersionNumber"), m_app.m_nRelease)) {
        return;
    }
    CNewVersionDlg newVersion(m_window);
    newVersion.m_strDownload = reply.GetValue("Download");
    newVersion.m_bFromSecureSite = IsSecureAddress(reply.Url());
    newVersion.m_strNotes = reply.GetValue(m_app.GetLanguage() != 0 ? "Infos_FRA" : "Infos_ENG");
    newVersion.DoModal();
}

}  // namespace blenker
