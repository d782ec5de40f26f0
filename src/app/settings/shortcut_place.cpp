#include "app/settings/shortcut_place.h"

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

std::string LinkPathIn(const std::string& folder) {
    return folder + "\\The Blenker.lnk";
}

}  // namespace blenker
