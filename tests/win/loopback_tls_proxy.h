// The system's proxy as the program meets it when its maker's site is served over TLS: a proxy
// on 127.0.0.1 (tools/site_proxy.py, run by Python outside Wine) that answers the tunnel to the
// site ("CONNECT host:443") over TLS with a certificate of the test authority's making, and
// passes the request inside it, as plain requests too, on to a LoopbackHttpServer, whose routes
// and records of requests the test keeps using. The test authority is in the test prefix's
// "Root" store once a proxy was made (tests/win/trust_authority.cpp adds it).
#pragma once

#include <cstdint>
#include <string>

#include "loopback_http_server.h"

namespace blenker::test {

class LoopbackTlsProxy {
  public:
    // The certificates made for the build's site host (tools/make-test-certs.sh).
    enum class Certificate { Trusted, OtherHost, Expired, UnknownAuthority };

    explicit LoopbackTlsProxy(const LoopbackHttpServer& site,
                              Certificate certificate = Certificate::Trusted);
    // Ends the proxy: it goes when its control connection closes.
    ~LoopbackTlsProxy();
    LoopbackTlsProxy(const LoopbackTlsProxy&) = delete;
    LoopbackTlsProxy& operator=(const LoopbackTlsProxy&) = delete;

    // False when the proxy did not start or the authority could not be trusted.
    bool Ready() const { return m_port != 0 && m_trusted; }
    // "127.0.0.1:<port>", for a proxy setting.
    std::string Address() const;

  private:
    std::uintptr_t m_control;
    std::uint16_t m_port = 0;
    bool m_trusted = false;
};

}  // namespace blenker::test
