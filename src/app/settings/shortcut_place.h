// Where a shortcut to the program goes: the folder of each kind, chosen from the user's "Shell
// Folders" value of that name and the shell's own folder, and the link's path in it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace blenker {

// The folders a shortcut can go to.
enum class ShortcutKind { Desktop, StartMenu, Startup };

// The room a "Shell Folders" value has, in characters, terminator included.
inline constexpr std::size_t kFolderValueChars = 100;

// The name of the kind's value under "Shell Folders" (English on every system).
const char* ShellFoldersValueName(ShortcutKind kind);

// The "Shell Folders" value as read (whether it is a text, and its characters, narrow or wide):
// its text when it fits in kFolderValueChars with its terminator, otherwise nothing.
template <typename Char>
std::optional<std::basic_string<Char>> FolderFromValue(bool isText, std::span<const Char> chars) {
    if (!isText || chars.size() > kFolderValueChars) {
        return std::nullopt;
    }
    // A text stored without its terminator must still leave room for one.
    const auto end = std::find(chars.begin(), chars.end(), Char{});
    if (static_cast<std::size_t>(end - chars.begin()) >= kFolderValueChars) {
        return std::nullopt;
    }
    return std::basic_string<Char>(chars.begin(), end);
}

// The shortcut "The Blenker.lnk" in that folder.
std::string LinkPathIn(const std::string& folder);

}  // namespace blenker
