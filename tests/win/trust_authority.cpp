// trust_authority <authority.der>
// Adds a certificate authority to the "Root" store of the current user of the Wine prefix it
// runs in, so that the prefix's programs trust the certificates it signed: the tests' local TLS
// proxy, and tools/run.sh when it tries the maker's site by hand. Only ever run inside a prefix
// of this project's own; the machine's and a user's own stores are never touched. Exit code 0
// when the authority is in the store, 1 when the file cannot be read, 2 when the store refuses.
#include "framework/win32.h"

#include <wincrypt.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "framework/unique_handle.h"

namespace {

struct CertStoreTraits {
    using Handle = HCERTSTORE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::CertCloseStore(h, 0); }
};

std::vector<BYTE> ReadAll(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<BYTE> der = argc == 2 ? ReadAll(argv[1]) : std::vector<BYTE>();
    if (der.empty()) {
        return 1;
    }
    const blenker::UniqueHandle<CertStoreTraits> root(::CertOpenSystemStoreA(0, "Root"));
    if (!root || !::CertAddEncodedCertificateToStore(root.Get(), X509_ASN_ENCODING, der.data(),
                                                     static_cast<DWORD>(der.size()),
                                                     CERT_STORE_ADD_REPLACE_EXISTING, nullptr)) {
        return 2;
    }
    return 0;
}
