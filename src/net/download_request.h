// The download request of a window that asks one file at a time of the maker's site (the
// release check, the Titles page): starting sends a new request and drops the pending one, and
// only the pending request's reply is taken. PendingRequest decides which reply counts.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "framework/win32.h"
#include "net/pending_request.h"
#include "net/web_download.h"

namespace blenker {

class DownloadRequest {
  public:
    // Sends the request for the file at the address; its reply comes to the target window as
    // WM_DOWNLOAD_DONE.
    void Start(HWND target, std::string url) {
        CWebDownload& request = m_pending.Replace(std::make_unique<CWebDownload>(target));
        request.SetUrl(std::move(url));
        request.Start();
    }
    // The target's WM_DOWNLOAD_DONE: the pending request once it is done, read and then let
    // go by the caller; nothing for a stale message.
    std::unique_ptr<CWebDownload> TakeReply() { return m_pending.TakeReply(); }
    // The target window goes: the pending request ends unheard.
    void Drop() { m_pending.Drop(); }

  private:
    PendingRequest<CWebDownload> m_pending;
};

}  // namespace blenker
