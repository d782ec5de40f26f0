#include "app/app_paths.h"

namespace blenker {

std::string ExecutableBaseName(std::string_view path) {
    const auto slash = path.find_last_of("\\/:");
    if (slash != std::string_view::npos) {
        path.remove_prefix(slash + 1);
    }
    const auto dot = path.rfind('.');
    if (dot != std::string_view::npos && dot != 0) {
        path = path.substr(0, dot);
    }
    return std::string(path);
}

}  // namespace blenker
