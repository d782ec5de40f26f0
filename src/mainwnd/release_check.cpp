#include "mainwnd/release_check.h"

#include <string>

#include "app/win_app.h"
#include "net/new_version_dlg.h"
#include "net/release.h"
#include "resource.h"

namespace blenker {

void CReleaseCheck::Start(HWND window) {
    m_window = window;
    m_pUpdate.reset();
    m_pUpdate = std::make_unique<CWebDownload>(m_window);
    m_pUpdate->SetUrl(LoadResString(IDS_UPDATE_URL));
    m_pUpdate->Start();
}

void CReleaseCheck::OnDownloadDone() {
    if (m_pUpdate != nullptr && m_pUpdate->Done()) {
        OnReleaseReply();
    }
}

void CReleaseCheck::OnReleaseReply() {
    // The request is done with whatever happens below.
    const std::unique_ptr<CWebDownload> reply = std::move(m_pUpdate);
    if (!reply->Succeeded()) {
        return;  // no connection: the user is not bothered
    }
    if (!IsNewerRelease(reply->GetValue("VersionNumber"), m_app.m_nRelease)) {
        return;
    }
    CNewVersionDlg newVersion(m_window);
    newVersion.m_strDownload = reply->GetValue("Download");
    newVersion.m_strNotes = reply->GetValue(m_app.GetLanguage() != 0 ? "Infos_FRA" : "Infos_ENG");
    newVersion.DoModal();
}

}  // namespace blenker
