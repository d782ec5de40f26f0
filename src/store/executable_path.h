// Where the running program lies on disk; its base name names the settings store.
#pragma once

#include <string>

namespace blenker {

// The full path of the running executable.
std::string ExecutablePath();

}  // namespace blenker
