// A small HTTP server on 127.0.0.1 for the tests of the downloads: it answers each path with a
// status and a body, may hold the answers of a path back until the test lets them go, and keeps
// the paths it was asked for. Requests made through a proxy setting name the whole address; they
// are answered by their path too, so the server also stands in for the system's proxy.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace blenker::test {

class LoopbackHttpServer {
  public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    std::uint16_t Port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by the path.
    std::string Url(const std::string& path) const;
    // "127.0.0.1:<port>", for a proxy setting.
    std::string Address() const;

    // Answers the path with this status and body from now on; unknown paths get 404. Status 0
    // closes the connection without an answer, as a broken connection would.
    void Serve(const std::string& path, int status, const std::string& body);
    // Answers the path with a redirection (302) to this address from now on.
    void Redirect(const std::string& path, const std::string& location);
    // Holds the answers to the path until Release is called.
    void Hold(const std::string& path);
    void Release();

    // The paths asked for, in order.
    std::vector<std::string> Requests() const;
    // Waits until this many requests have come (or answers have gone); false after the time.
    bool WaitForRequests(std::size_t count, int timeoutMs = 5000) const;
    bool WaitForAnswers(int count, int timeoutMs = 5000) const;

    // A loopback port where nothing listens: connections to it are refused.
    static std::uint16_t ClosedPort();

  private:
    struct Route {
        int status;
        std::string body;
        std::string location;
    };
    void AcceptLoop();
    void Answer(std::uintptr_t connection);

    std::uintptr_t m_listener;
    std::uint16_t m_port = 0;
    mutable std::mutex m_lock;
    mutable std::condition_variable m_changed;
    std::map<std::string, Route> m_routes;
    std::set<std::string> m_held;
    std::vector<std::string> m_requests;
    int m_answered = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_connections;  // guarded by m_lock
    std::thread m_acceptor;
};

}  // namespace blenker::test
