#include "store/executable_path.h"

#include <vector>

#include "framework/win32.h"

namespace blenker {

std::string ExecutablePath() {
    // GetModuleFileNameA fills the whole buffer when the path does not fit: grow and ask again.
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return std::string(path.data(), length);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace blenker
