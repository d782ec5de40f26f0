// Fetches one records file from the maker's web site on a thread of its own, and tells the
// window that asked, by posting WM_DOWNLOAD_DONE, that its records are ready or that the
// transfer failed. The window keeps working meanwhile.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/win32.h"
#include "messages.h"
#include "net/transfer.h"

namespace blenker {

inline constexpr LPARAM kDownloadInternetError = kInternetErrorCode;
inline constexpr LPARAM kDownloadFileError = kFileErrorCode;

// One request. Every request owns its address, its target and its records, so requests that
// overlap never mix their results. Deleting the request before its transfer has ended abandons
// it: the transfer runs to its end on its own, posts nothing and frees what it used.
//
// Use: create it with the target window, SetUrl, Start; on WM_DOWNLOAD_DONE, when Done() holds
// (the message may come from a request deleted since), read the values if Succeeded(), then
// delete the request.
class CWebDownload {
  public:
    explicit CWebDownload(HWND target);
    ~CWebDownload();
    CWebDownload(const CWebDownload&) = delete;
    CWebDownload& operator=(const CWebDownload&) = delete;

    void SetUrl(std::string url);
    const std::string& Url() const;
    // Starts the transfer on a new thread, once per request. When no thread can be started,
    // the failure is posted at once.
    void Start();

    // True once the transfer has ended and its message is on its way.
    bool Done() const;
    // True when the transfer ended complete.
    bool Succeeded() const;
    // The value of a record, the empty text when the file had none; read once Done() holds.
    const std::string& GetValue(std::string_view key) const;

  private:
    struct Request;
    std::shared_ptr<Request> m_request;
    bool m_started = false;
};

}  // namespace blenker
