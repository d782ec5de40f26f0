// The shortcuts the Startup settings page makes: a shell link to the program on the Desktop, in
// the Start Menu or in the Startup folder of the user.
#pragma once

#include "framework/win32.h"

#include <optional>
#include <string>

#include "app/settings/shortcut_place.h"

namespace blenker {

// The path of the folder: the user's "Shell Folders" value of that name when it is a text that
// fits in 100 characters with its terminator, otherwise the shell's own folder; nothing when
// neither is known.
std::optional<std::string> ShortcutFolder(ShortcutKind kind);

// Makes (or replaces) the shell link file linkPath pointing at target with this description.
// Each failing step says so in a message box; returns the result of the last step.
HRESULT CreateLink(HWND owner, const std::string& target, const std::string& linkPath,
                   const std::string& description);

// The shortcut "The Blenker.lnk" to exePath in that folder.
void MakeShortcut(HWND owner, ShortcutKind kind, const std::string& exePath);

}  // namespace blenker
