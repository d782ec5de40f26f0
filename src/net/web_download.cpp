#include "net/web_download.h"

#include <wininet.h>

#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "framework/unique_handle.h"
#include "net/records.h"

namespace blenker {

namespace {

struct InternetHandleTraits {
    using Handle = HINTERNET;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::InternetCloseHandle(h); }
};
using UniqueInternetHandle = UniqueHandle<InternetHandleTraits>;

// Both files are a few kilobytes; a server that sends more than this is not the maker's.
constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;

// The agent name of the requests, as the class library gives a program without one of its own.
constexpr char kAgent[] = "Blenker";

// The outcome as the message carries it.
struct Outcome {
    WPARAM wParam;
    LPARAM lParam;
};

// Fetches the file at the address through the system's proxy setting; the records go to
// "records" on success.
Outcome Fetch(const std::string& url, Records& records) {
    const UniqueInternetHandle session(
        ::InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return {0, kDownloadInternetError};
    }
    const UniqueInternetHandle file(::InternetOpenUrlA(session.Get(), url.c_str(), nullptr, 0,
                                                       INTERNET_FLAG_TRANSFER_ASCII, 1));
    if (!file) {
        return {0, kDownloadInternetError};
    }
    // An error page is no file of the maker's.
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!::HttpQueryInfoA(file.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                          &size, nullptr) ||
        status != 200) {
        return {0, kDownloadInternetError};
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(file.Get(), buffer, sizeof buffer, &read)) {
            return {0, kDownloadFileError};
        }
        if (read == 0) {
            break;
        }
        if (text.size() + read > kMaxFileBytes) {
            return {0, kDownloadFileError};
        }
        text.append(buffer, read);
    }
    records = Records::Parse(text);
    return {1, 0};
}

}  // namespace

struct CWebDownload::Request {
    explicit Request(HWND window) : target(window) {}

    // Set before the transfer starts and only read by it.
    const HWND target;
    std::string url;
    // Written by the transfer before it sets "done"; read by the target once "done" holds.
    Records records;
    bool succeeded = false;
    // Guarded by the lock.
    mutable std::mutex lock;
    bool done = false;
    bool abandoned = false;

    // Stores the outcome and posts it unless the request was abandoned meanwhile.
    void Finish(Outcome outcome, Records result) {
        const std::lock_guard<std::mutex> hold(lock);
        records = std::move(result);
        succeeded = outcome.wParam != 0;
        done = true;
        if (!abandoned) {
            ::PostMessageA(target, WM_DOWNLOAD_DONE, outcome.wParam, outcome.lParam);
        }
    }

    // The transfer's thread. It holds its own share of the request, which lives until both
    // sides let it go.
    static void Run(const std::shared_ptr<Request>& shared) {
        Request& request = *shared;
        Records result;
        Outcome outcome{0, kDownloadFileError};
        try {
            outcome = Fetch(request.url, result);
        } catch (...) {
            // Out of memory while reading or parsing: a file failure, never a crash.
            result = Records();
        }
        request.Finish(outcome, std::move(result));
    }
};

CWebDownload::CWebDownload(HWND target) : m_request(std::make_shared<Request>(target)) {}

CWebDownload::~CWebDownload() {
    const std::lock_guard<std::mutex> hold(m_request->lock);
    m_request->abandoned = true;
}

void CWebDownload::SetUrl(std::string url) {
    if (!m_started) {
        m_request->url = std::move(url);
    }
}

void CWebDownload::Start() {
    if (std::exchange(m_started, true)) {
        return;
    }
    try {
        // Detached: the transfer may outlive this object, which abandons it then.
        std::thread(&Request::Run, m_request).detach();
    } catch (const std::system_error&) {
        m_request->Finish({0, kDownloadInternetError}, Records());
    }
}

bool CWebDownload::Done() const {
    const std::lock_guard<std::mutex> hold(m_request->lock);
    return m_request->done;
}

bool CWebDownload::Succeeded() const {
    return Done() && m_request->succeeded;
}

const std::string& CWebDownload::GetValue(std::string_view key) const {
    static const std::string kEmpty;
    return Done() ? m_request->records.GetValue(key) : kEmpty;
}

}  // namespace blenker
