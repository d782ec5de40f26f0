// The download worker against a loopback HTTP server: what the target window is told, and what
// each request reads, when transfers succeed, fail, overlap or outlive their window.
#include "net/web_download.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <memory>
#include <utility>
#include <vector>

#include "loopback_http_server.h"
#include "win_test_support.h"

namespace blenker::test {
namespace {

constexpr char kReleaseFile[] =
    "@VersionNumber\r\n2006\r\n@Download\r\nhttp://example.invalid/Blenker.zip\r\n"
    "@Infos_ENG\r\nFaster.\r\nSmaller.\r\n";

// A window that keeps the WM_DOWNLOAD_DONE messages it gets.
class ReplyWindow : public Window {
  public:
    ReplyWindow() { Create("replies", WS_POPUP, 0, 0, 10, 10); }
    std::vector<std::pair<WPARAM, LPARAM>> replies;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DOWNLOAD_DONE) {
            replies.emplace_back(wParam, lParam);
            return 0;
        }
        return Window::OnMessage(message, wParam, lParam);
    }
};

std::unique_ptr<CWebDownload> StartRequest(HWND target, const std::string& url) {
    auto request = std::make_unique<CWebDownload>(target);
    request->SetUrl(url);
    request->Start();
    return request;
}

// Waits for the window's first reply (10 s: a name lookup may take a while).
bool WaitForReply(const ReplyWindow& window) {
    return PumpUntil([&] { return !window.replies.empty(); }, 10000);
}

using Reply = std::pair<WPARAM, LPARAM>;

// The number of threads this process runs now.
int ThreadCount() {
    const UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = ::Thread32First(snapshot.Get(), &entry); more;
         more = ::Thread32Next(snapshot.Get(), &entry)) {
        count += entry.th32OwnerProcessID == ::GetCurrentProcessId() ? 1 : 0;
    }
    return count;
}

TEST(WebDownloadTest, ACompleteTransferFillsTheRequestsTable) {
    LoopbackHttpServer server;
    server.Serve("/blenker/tbk_update.txt", 200, kReleaseFile);
    ReplyWindow window;
    const auto request = StartRequest(window.Hwnd(), server.Url("/blenker/tbk_update.txt"));
    ASSERT_TRUE(WaitForReply(window));
    EXPECT_EQ(window.replies, std::vector<Reply>({{1, 0}}));
    EXPECT_TRUE(request->Done());
    EXPECT_TRUE(request->Succeeded());
    EXPECT_EQ(request->GetValue("VersionNumber"), "2006");
    EXPECT_EQ(request->GetValue("Download"), "http://example.invalid/Blenker.zip");
    EXPECT_EQ(request->GetValue("Infos_ENG"), "Faster.\r\nSmaller.");
    EXPECT_EQ(request->GetValue("Infos_FRA"), "");
    EXPECT_EQ(server.Requests(), std::vector<std::string>({"/blenker/tbk_update.txt"}));
    // One message per request, and the request starts once.
    request->Start();
    PumpMessages(300);
    EXPECT_EQ(window.replies.size(), 1u);
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(WebDownloadTest, AnEmptyFileIsACompleteTransferWithNoRecords) {
    LoopbackHttpServer server;
    server.Serve("/empty.txt", 200, "");
    ReplyWindow window;
    const auto request = StartRequest(window.Hwnd(), server.Url("/empty.txt"));
    ASSERT_TRUE(WaitForReply(window));
    EXPECT_EQ(window.replies, std::vector<Reply>({{1, 0}}));
    EXPECT_EQ(request->GetValue("VersionNumber"), "");
}

TEST(WebDownloadTest, NoConnectionNoHostAndErrorPagesAreInternetFailures) {
    LoopbackHttpServer server;
    server.Serve("/gone.txt", 404, "@VersionNumber\r\n2006\r\n");
    server.Serve("/broken.txt", 500, "@VersionNumber\r\n2006\r\n");
    const std::string urls[] = {
        "http://127.0.0.1:" + std::to_string(LoopbackHttpServer::ClosedPort()) + "/a.txt",
        "http://no-such-host.invalid/blenker/tbk_update.txt",
        server.Url("/gone.txt"),
        server.Url("/broken.txt"),
        "not an address at all",
    };
    for (const std::string& url : urls) {
        ReplyWindow window;
        const auto request = StartRequest(window.Hwnd(), url);
        ASSERT_TRUE(WaitForReply(window)) << url;
        EXPECT_EQ(window.replies, std::vector<Reply>({{0, kDownloadInternetError}})) << url;
        EXPECT_TRUE(request->Done()) << url;
        EXPECT_FALSE(request->Succeeded()) << url;
        EXPECT_EQ(request->GetValue("VersionNumber"), "") << url;
    }
    EXPECT_EQ(server.Requests(), std::vector<std::string>({"/gone.txt", "/broken.txt"}));
}

TEST(WebDownloadTest, AFileFarLargerThanTheMakersIsAFileFailure) {
    LoopbackHttpServer server;
    server.Serve("/huge.txt", 200, "@VersionNumber\r\n2006\r\n" + std::string(5 << 20, 'x'));
    ReplyWindow window;
    const auto request = StartRequest(window.Hwnd(), server.Url("/huge.txt"));
    ASSERT_TRUE(WaitForReply(window));
    EXPECT_EQ(window.replies, std::vector<Reply>({{0, kDownloadFileError}}));
    EXPECT_EQ(request->GetValue("VersionNumber"), "");
}

TEST(WebDownloadTest, OverlappingRequestsEachGetTheirOwnResult) {
    LoopbackHttpServer server;
    server.Serve("/update.txt", 200, "@VersionNumber\n2006\n");
    server.Serve("/titles.txt", 200, "@Doc\n1\n@VersionNumber\n7\n");
    server.Hold("/update.txt");
    server.Hold("/titles.txt");
    ReplyWindow first;
    ReplyWindow second;
    const auto update = StartRequest(first.Hwnd(), server.Url("/update.txt"));
    const auto titles = StartRequest(second.Hwnd(), server.Url("/titles.txt"));
    // Both transfers are under way at once before either is answered.
    ASSERT_TRUE(server.WaitForRequests(2));
    EXPECT_FALSE(update->Done());
    EXPECT_FALSE(titles->Done());
    EXPECT_EQ(update->GetValue("VersionNumber"), "");  // nothing to read before the end
    server.Release();
    ASSERT_TRUE(PumpUntil([&] { return !first.replies.empty() && !second.replies.empty(); }));
    EXPECT_EQ(first.replies, std::vector<Reply>({{1, 0}}));
    EXPECT_EQ(second.replies, std::vector<Reply>({{1, 0}}));
    EXPECT_EQ(update->GetValue("VersionNumber"), "2006");
    EXPECT_EQ(update->GetValue("Doc"), "");
    EXPECT_EQ(titles->GetValue("VersionNumber"), "7");
    EXPECT_EQ(titles->GetValue("Doc"), "1");
}

TEST(WebDownloadTest, ATransferThatOutlivesItsWindowOrItsRequestPostsNothing) {
    LoopbackHttpServer server;
    server.Serve("/slow.txt", 200, kReleaseFile);
    server.Hold("/slow.txt");
    // The target window goes first; then its owner drops the request, as a closed page does.
    auto closedWindow = std::make_unique<ReplyWindow>();
    auto orphan = StartRequest(closedWindow->Hwnd(), server.Url("/slow.txt"));
    // The window stays, but its request is dropped and replaced while the first one runs.
    ReplyWindow window;
    auto dropped = StartRequest(window.Hwnd(), server.Url("/slow.txt"));
    ASSERT_TRUE(server.WaitForRequests(2));
    closedWindow.reset();
    orphan.reset();
    dropped.reset();
    server.Serve("/fast.txt", 200, "@VersionNumber\n2007\n");
    const auto current = StartRequest(window.Hwnd(), server.Url("/fast.txt"));
    ASSERT_TRUE(WaitForReply(window));
    server.Release();
    ASSERT_TRUE(server.WaitForAnswers(3));
    PumpMessages(500);
    // Only the current request's reply came; the abandoned transfers ended quietly.
    EXPECT_EQ(window.replies, std::vector<Reply>({{1, 0}}));
    EXPECT_EQ(current->GetValue("VersionNumber"), "2007");
}

TEST(WebDownloadTest, FinishedTransfersLeaveNoThreadsOrHandlesBehind) {
    LoopbackHttpServer server;
    server.Serve("/update.txt", 200, kReleaseFile);
    const auto transfer = [&] {
        ReplyWindow window;
        const auto request = StartRequest(window.Hwnd(), server.Url("/update.txt"));
        return WaitForReply(window);
    };
    ASSERT_TRUE(transfer());  // the first one loads what stays for the process
    ASSERT_TRUE(server.WaitForAnswers(1));
    PumpMessages(200);
    const int threadsBefore = ThreadCount();
    DWORD before = 0;
    ASSERT_TRUE(::GetProcessHandleCount(::GetCurrentProcess(), &before));
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(transfer());
    }
    ASSERT_TRUE(server.WaitForAnswers(11));
    PumpMessages(300);
    EXPECT_LE(ThreadCount(), threadsBefore + 1);  // not one worker per transfer
    DWORD after = 0;
    ASSERT_TRUE(::GetProcessHandleCount(::GetCurrentProcess(), &after));
    EXPECT_LE(after, before + 2);  // not one handle, or more, per transfer
}

}  // namespace
}  // namespace blenker::test
