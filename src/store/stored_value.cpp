#include "store/stored_value.h"

#include <algorithm>

namespace blenker {

std::optional<int> DecodeNumber(StoredType type, std::span<const std::uint8_t> bytes) {
    if (type != StoredType::Number || bytes.size() != 4) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = (value << 8) | bytes[i];
    }
    return static_cast<int>(value);
}

std::optional<std::string> DecodeText(StoredType type, std::span<const std::uint8_t> bytes) {
    if (type != StoredType::Text) {
        return std::nullopt;
    }
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return std::string(bytes.begin(), end);
}

}  // namespace blenker
