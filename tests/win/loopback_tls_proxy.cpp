#include "loopback_tls_proxy.h"

#include "loopback_socket.h"

#include <cstdlib>

#include "win_test_support.h"

namespace blenker::test {

namespace {

constexpr const char* kCertificateFiles[] = {"trusted", "other-host", "expired", "unknown"};

// A path of this machine as Wine's programs name it: drive Z: is the machine's root.
std::string OnDriveZ(const std::string& unixPath) {
    return "Z:" + unixPath;
}

// Adds the test authority to the prefix's "Root" store, once per test process.
bool TrustTestAuthority() {
    static const bool trusted = [] {
        const UniqueKernelHandle helper =
            StartProcess(TestBinDir() + "trust_authority.exe",
                         "\"" + OnDriveZ(BLENKER_TEST_CERTS "/authority.der") + "\"", "");
        DWORD code = 1;
        return helper && ::WaitForSingleObject(helper.Get(), 15000) == WAIT_OBJECT_0 &&
               ::GetExitCodeProcess(helper.Get(), &code) && code == 0;
    }();
    return trusted;
}

// Starts the proxy, a program of this machine: Wine gives no process handle to wait for, so the
// proxy reports on the control connection instead.
bool StartProxy(const LoopbackHttpServer& site, const char* certificate,
                std::uint16_t controlPort) {
    return StartMachineProgram(BLENKER_PYTHON, "python3 " BLENKER_SITE_PROXY
                                               " --cert " BLENKER_TEST_CERTS "/" +
                                                   std::string(certificate) + ".pem --backend " +
                                                   std::to_string(site.Port()) + " --control " +
                                                   std::to_string(controlPort) + " --lifetime 300");
}

// The proxy's connection on the listener, within 15 seconds; INVALID_SOCKET without one.
SOCKET AcceptWithin(SOCKET listener) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(listener, &ready);
    timeval wait{15, 0};
    if (::select(0, &ready, nullptr, nullptr, &wait) != 1) {
        return INVALID_SOCKET;
    }
    return ::accept(listener, nullptr, nullptr);
}

// The port line the proxy sends first; 0 without one.
std::uint16_t ReadPort(SOCKET control) {
    const DWORD timeoutMs = 15000;
    ::setsockopt(control, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs),
                 sizeof timeoutMs);
    std::string line;
    char c = 0;
    while (line.size() < 8 && ::recv(control, &c, 1, 0) == 1 && c != '\n') {
        line.push_back(c);
    }
    return static_cast<std::uint16_t>(std::atoi(line.c_str()));
}

}  // namespace

LoopbackTlsProxy::LoopbackTlsProxy(const LoopbackHttpServer& site, Certificate certificate)
    : m_control(static_cast<std::uintptr_t>(INVALID_SOCKET)), m_trusted(TrustTestAuthority()) {
    const SOCKET listener = BoundLoopbackSocket();
    ::listen(listener, 1);
    if (StartProxy(site, kCertificateFiles[static_cast<int>(certificate)], PortOf(listener))) {
        const SOCKET control = AcceptWithin(listener);
        m_control = static_cast<std::uintptr_t>(control);
        if (control != INVALID_SOCKET) {
            m_port = ReadPort(control);
        }
    }
    ::closesocket(listener);
}

LoopbackTlsProxy::~LoopbackTlsProxy() {
    if (static_cast<SOCKET>(m_control) != INVALID_SOCKET) {
        ::closesocket(static_cast<SOCKET>(m_control));
    }
}

std::string LoopbackTlsProxy::Address() const {
    return "127.0.0.1:" + std::to_string(m_port);
}

}  // namespace blenker::test
