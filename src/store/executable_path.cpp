#include "store/executable_path.h"

#include <string_view>
#include <vector>

#include "framework/text.h"
#include "framework/win32.h"

namespace blenker {

std::string ExecutablePath() {
    // GetModuleFileNameW fills the whole buffer when the path does not fit: grow and ask again.
    // A path never exceeds 32767 characters, so the loop ends.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return ToUtf8(std::wstring_view(path.data(), length));
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace blenker
