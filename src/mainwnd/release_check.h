// The release check: the program asks its maker's site, in the background, for the release
// file; when that names a newer release than this one, the new-release window shows the notes in
// the program's language and the download link. A failed request bothers nobody.
#pragma once

#include "framework/win32.h"
#include "net/download_request.h"

namespace blenker {

class VWinApp;

class CReleaseCheck {
  public:
    // The release number and the language come from the application.
    explicit CReleaseCheck(const VWinApp& app) : m_app(app) {}
    CReleaseCheck(const CReleaseCheck&) = delete;
    CReleaseCheck& operator=(const CReleaseCheck&) = delete;

    // Sends the request, dropping one still pending; its reply comes to the window as
    // WM_DOWNLOAD_DONE, and the new-release window is owned by it.
    void Start(HWND window);
    // The window's WM_DOWNLOAD_DONE: only the reply of the pending request counts; one of a
    // request dropped since is stale.
    void OnDownloadDone();
    // Drops the pending request: its reply never comes (the window is going).
    void Cancel() { m_request.Drop(); }

  private:
    void OnReleaseReply(const CWebDownload& reply);

    const VWinApp& m_app;
    HWND m_window = nullptr;
    DownloadRequest m_request;
};

}  // namespace blenker
