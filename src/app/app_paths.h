// Path helpers of the application object.
#pragma once

#include <string>
#include <string_view>

namespace blenker {

// The file name of an executable's path without its directory and extension:
// "C:\Tools\Blenker.exe" gives "Blenker". The settings store is named after it.
std::string ExecutableBaseName(std::string_view path);

}  // namespace blenker
