// The sockets of the tests' loopback servers: Winsock started once, a TCP socket bound to a free
// port of 127.0.0.1, and the port it got.
#pragma once

#include <winsock2.h>

#include <cstdint>

namespace blenker::test {

SOCKET BoundLoopbackSocket();
std::uint16_t PortOf(SOCKET s);

}  // namespace blenker::test
