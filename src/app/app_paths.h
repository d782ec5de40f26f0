// Path helpers of the application object.
#pragma once

#include <string>
#include <string_view>

namespace blenker {

// The file name of an executable's path without its directory and extension:
// "C:\Tools\Blenker.exe" gives "Blenker". The settings store is named after it.
std::string ExecutableBaseName(std::string_view path);

}  // namespace blenker

namespace blenker {

// The executable's path with its extension written as "exe".
std::string WithExeExtension(std::string_view path);

// The directory of a path, with its trailing backslash ("" when there is none).
std::string DirectoryOf(std::string_view path);

// The number at the start of a text as "%d" reads it: leading white space, an optional sign,
// digits; 0 when there are none; held to the int range.
int ParseDecimal(std::string_view text);

}  // namespace blenker
