#include "app/settings/shortcut_place.h"

#include <algorithm>

namespace blenker {

const char* ShellFoldersValueName(ShortcutKind kind) {
    switch (kind) {
        case ShortcutKind::Desktop:
            return "Desktop";
        case ShortcutKind::StartMenu:
            return "Start Menu";
        case ShortcutKind::Startup:
            break;
    }
    return "Startup";
}

std::optional<std::string> FolderFromValue(bool isText, std::span<const char> bytes) {
    if (!isText || bytes.size() > kFolderValueBytes) {
        return std::nullopt;
    }
    // A text stored without its terminator must still leave room for one.
    const auto end = std::find(bytes.begin(), bytes.end(), '\0');
    if (static_cast<std::size_t>(end - bytes.begin()) >= kFolderValueBytes) {
        return std::nullopt;
    }
    return std::string(bytes.begin(), end);
}

std::string LinkPathIn(const std::string& folder) {
    return folder + "\\The Blenker.lnk";
}

}  // namespace blenker
