// Where a shortcut to the program goes: the folder of each kind, chosen from the user's "Shell
// Folders" value of that name and the shell's own folder, and the link's path in it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace blenker {

// The folders a shortcut can go to.
enum class ShortcutKind { Desktop, StartMenu, Startup };

// The room a "Shell Folders" value has, terminator included.
inline constexpr std::size_t kFolderValueBytes = 100;

// The name of the kind's value under "Shell Folders" (English on every system).
const char* ShellFoldersValueName(ShortcutKind kind);

// The "Shell Folders" value as read (whether it is a text, and its bytes): its text when it
// fits in kFolderValueBytes with its terminator, otherwise nothing.
std::optional<std::string> FolderFromValue(bool isText, std::span<const char> bytes);

// The shortcut "The Blenker.lnk" in that folder.
std::string LinkPathIn(const std::string& folder);

}  // namespace blenker
