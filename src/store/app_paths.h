// Path helpers: the executable's name, which names the settings store, and its folder.
#pragma once

#include <string>
#include <string_view>

namespace blenker {

// The file name of an executable's path without its directory and extension:
// "C:\Tools\Blenker.exe" gives "Blenker". The settings store is named after it.
std::string ExecutableBaseName(std::string_view path);

// The executable's path with its extension written as "exe".
std::string WithExeExtension(std::string_view path);

// The directory of a path, with its trailing backslash ("" when there is none).
std::string DirectoryOf(std::string_view path);

}  // namespace blenker
