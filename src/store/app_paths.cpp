#include "store/app_paths.h"

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

namespace blenker {

std::string WithExeExtension(std::string_view path) {
    const auto slash = path.find_last_of("\\/:");
    const auto dot = path.rfind('.');
    if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash)) {
        path = path.substr(0, dot);
    }
    return std::string(path) + ".exe";
}

std::string DirectoryOf(std::string_view path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

}  // namespace blenker
