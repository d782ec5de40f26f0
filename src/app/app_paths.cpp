#include "app/app_paths.h"

#include <algorithm>
#include <climits>

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

int ParseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 1LL << 32);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace blenker
