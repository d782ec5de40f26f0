#include "loopback_socket.h"

namespace blenker::test {

namespace {

// Starts Winsock once for the test process.
void StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
}

}  // namespace

SOCKET BoundLoopbackSocket() {
    StartWinsock();
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return s;
}

std::uint16_t PortOf(SOCKET s) {
    sockaddr_in address{};
    int size = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}

}  // namespace blenker::test
