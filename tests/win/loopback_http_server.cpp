#include "loopback_http_server.h"

#include <chrono>

#include "loopback_socket.h"

namespace blenker::test {

namespace {

SOCKET AsSocket(std::uintptr_t s) {
    return static_cast<SOCKET>(s);
}

// The path of a request target: "/a/b", or "http://host:port/a/b" as a proxy is asked.
std::string PathOf(const std::string& target) {
    const std::size_t scheme = target.find("://");
    if (scheme == std::string::npos) {
        return target;
    }
    const std::size_t path = target.find('/', scheme + 3);
    return path == std::string::npos ? "/" : target.substr(path);
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
    const SOCKET listener = BoundLoopbackSocket();
    ::listen(listener, SOMAXCONN);
    m_listener = static_cast<std::uintptr_t>(listener);
    m_port = PortOf(listener);
    m_acceptor = std::thread([this] { AcceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_stopping = true;
        m_held.clear();
    }
    m_changed.notify_all();
    ::closesocket(AsSocket(m_listener));  // ends the accept loop
    m_acceptor.join();
    std::vector<std::thread> connections;
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        connections.swap(m_connections);
    }
    for (std::thread& connection : connections) {
        connection.join();
    }
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
    return "http://" + Address() + path;
}

std::string LoopbackHttpServer::Address() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

void LoopbackHttpServer::Serve(const std::string& path, int status, const std::string& body) {
    const std::lock_guard<std::mutex> hold(m_lock);
    m_routes[path] = Route{status, body, ""};
}

void LoopbackHttpServer::Redirect(const std::string& path, const std::string& location) {
    const std::lock_guard<std::mutex> hold(m_lock);
    m_routes[path] = Route{302, "", location};
}

void LoopbackHttpServer::Hold(const std::string& path) {
    const std::lock_guard<std::mutex> hold(m_lock);
    m_held.insert(path);
}

void LoopbackHttpServer::Release() {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_held.clear();
    }
    m_changed.notify_all();
}

std::vector<std::string> LoopbackHttpServer::Requests() const {
    const std::lock_guard<std::mutex> hold(m_lock);
    return m_requests;
}

bool LoopbackHttpServer::WaitForRequests(std::size_t count, int timeoutMs) const {
    std::unique_lock<std::mutex> hold(m_lock);
    return m_changed.wait_for(hold, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_requests.size() >= count; });
}

bool LoopbackHttpServer::WaitForAnswers(int count, int timeoutMs) const {
    std::unique_lock<std::mutex> hold(m_lock);
    return m_changed.wait_for(hold, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_answered >= count; });
}

std::uint16_t LoopbackHttpServer::ClosedPort() {
    // A port the system just handed out and that nobody listens on any more.
    const SOCKET s = BoundLoopbackSocket();
    const std::uint16_t port = PortOf(s);
    ::closesocket(s);
    return port;
}

void LoopbackHttpServer::AcceptLoop() {
    for (;;) {
        const SOCKET connection = ::accept(AsSocket(m_listener), nullptr, nullptr);
        if (connection == INVALID_SOCKET) {
            return;  // the listener was closed
        }
        const std::lock_guard<std::mutex> hold(m_lock);
        if (m_stopping) {
            ::closesocket(connection);
            return;
        }
        m_connections.emplace_back(
            [this, connection] { Answer(static_cast<std::uintptr_t>(connection)); });
    }
}

void LoopbackHttpServer::Answer(std::uintptr_t handle) {
    const SOCKET connection = AsSocket(handle);
    const DWORD timeoutMs = 5000;
    ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs),
                 sizeof timeoutMs);
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) {
            ::closesocket(connection);
            return;
        }
        request.append(buffer, static_cast<std::size_t>(got));
    }
    // "GET <target> HTTP/1.1"
    const std::size_t start = request.find(' ') + 1;
    const std::string path = PathOf(request.substr(start, request.find(' ', start) - start));

    Route route{404, "Not found", ""};
    {
        std::unique_lock<std::mutex> hold(m_lock);
        m_requests.push_back(path);
        m_changed.notify_all();
        m_changed.wait(hold, [&] { return m_stopping || m_held.count(path) == 0; });
        if (const auto found = m_routes.find(path); found != m_routes.end()) {
            route = found->second;
        }
    }
    const std::string answer =
        "HTTP/1.1 " + std::to_string(route.status) + (route.status == 200 ? " OK" : " Error") +
        "\r\nContent-Type: text/plain\r\nCache-Control: no-store\r\n" +
        (route.location.empty() ? "" : "Location: " + route.location + "\r\n") +
        "Content-Length: " + std::to_string(route.body.size()) + "\r\nConnection: close\r\n\r\n" +
        route.body;
    if (route.status != 0) {
        ::send(connection, answer.data(), static_cast<int>(answer.size()), 0);
    }
    ::shutdown(connection, SD_SEND);
    // Lets the client read to the end before the connection goes.
    while (::recv(connection, buffer, sizeof buffer, 0) > 0) {
    }
    ::closesocket(connection);
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        ++m_answered;
    }
    m_changed.notify_all();
}

}  // namespace blenker::test
