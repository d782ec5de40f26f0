#include "net/web_download.h"

#include <wininet.h>

#include <cwchar>
#include <iterator>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "framework/text.h"
#include "framework/unique_handle.h"
#include "net/transfer_state.h"
#include "net/url_check.h"

namespace blenker {

namespace {

struct InternetHandleTraits {
    using Handle = HINTERNET;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::InternetCloseHandle(h); }
};
using UniqueInternetHandle = UniqueHandle<InternetHandleTraits>;

// The agent name of the requests, as the class library gives a program without one of its own.
constexpr wchar_t kAgent[] = L"Blenker";

// Reads the file's body; false on a failure while reading or a body past the size limit.
bool ReadBody(HINTERNET file, TransferBody& body) {
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(file, buffer, sizeof buffer, &read)) {
            return false;
        }
        if (read == 0) {
            return true;
        }
        if (!body.Append(std::string_view(buffer, read))) {
            return false;
        }
    }
}

// The address the transfer ended at, after the server's redirections; empty when unknown.
std::string ReachedUrl(HINTERNET file) {
    wchar_t url[INTERNET_MAX_URL_LENGTH + 1] = {};
    DWORD size = sizeof url;  // in bytes
    if (!::InternetQueryOptionW(file, INTERNET_OPTION_URL, url, &size)) {
        return std::string();
    }
    return ToUtf8(std::wstring_view(url, ::wcsnlen(url, std::size(url))));
}

// Fetches the file at the address through the system's proxy setting; the records go to
// "records" on success. WinINet's checks of an https site's certificate stay as they are (no
// flag relaxes them): an unknown authority, another host's name or an expired certificate fails
// the transfer. So does a file asked for over https that a redirection brought from a plain
// address.
DownloadOutcome Fetch(const std::string& url, Records& records) {
    const UniqueInternetHandle session(
        ::InternetOpenW(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return DownloadOutcome::InternetError;
    }
    const UniqueInternetHandle file(::InternetOpenUrlW(session.Get(), ToUtf16(url).c_str(), nullptr,
                                                       0, INTERNET_FLAG_TRANSFER_ASCII, 1));
    if (!file || !KeepsItsSecurity(url, ReachedUrl(file.Get()))) {
        return DownloadOutcome::InternetError;
    }
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!::HttpQueryInfoW(file.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                          &size, nullptr) ||
        !IsFileStatus(status)) {
        return DownloadOutcome::InternetError;
    }
    TransferBody body;
    if (!ReadBody(file.Get(), body)) {
        return DownloadOutcome::FileError;
    }
    // The maker's files may be in UTF-8 or, as earlier releases had them, the system's code page.
    records = body.Parse(CodePage{&CodePageToUtf8, &Utf8ToCodePage});
    return DownloadOutcome::Complete;
}

void PostOutcome(HWND target, DownloadOutcome outcome) {
    const OutcomeCode code = CodeOf(outcome);
    ::PostMessageW(target, WM_DOWNLOAD_DONE, static_cast<WPARAM>(code.wParam), code.lParam);
}

}  // namespace

struct CWebDownload::Request {
    explicit Request(HWND window) : target(window) {}

    void Finish(DownloadOutcome outcome, Records result) {
        state.Finish(outcome, std::move(result),
                     [this](DownloadOutcome ended) { PostOutcome(target, ended); });
    }

    // The transfer's thread. It holds its own share of the request, which lives until both
    // sides let it go.
    static void Run(const std::shared_ptr<Request>& shared) {
        Request& request = *shared;
        Records result;
        DownloadOutcome outcome = DownloadOutcome::FileError;
        try {
            outcome = Fetch(request.url, result);
        } catch (...) {
            // Out of memory while reading or parsing: a file failure, never a crash.
            outcome = DownloadOutcome::FileError;
            result = Records();
        }
        request.Finish(outcome, std::move(result));
    }

    // Set before the transfer starts and only read by it.
    const HWND target;
    std::string url;
    TransferState state;
};

CWebDownload::CWebDownload(HWND target) : m_request(std::make_shared<Request>(target)) {}

CWebDownload::~CWebDownload() {
    m_request->state.Abandon();
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
        m_request->Finish(DownloadOutcome::InternetError, Records());
    }
}

const std::string& CWebDownload::Url() const {
    return m_request->url;
}

bool CWebDownload::Done() const {
    return m_request->state.Done();
}

bool CWebDownload::Succeeded() const {
    return m_request->state.Succeeded();
}

const std::string& CWebDownload::GetValue(std::string_view key) const {
    return m_request->state.GetValue(key);
}

}  // namespace blenker
