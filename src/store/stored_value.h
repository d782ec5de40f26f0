// A value as the registry hands it over (its type and its bytes), read as the number or the
// text the program asked for. A value of another type, or a number of another size, reads as
// nothing, so the caller takes its default.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace blenker {

// The kinds of stored value the program tells apart.
enum class StoredType {
    Number,  // REG_DWORD: four bytes, lowest first
    Text,    // REG_SZ: the registry's UTF-16, handed over as UTF-8, usually with its terminator
    Other,   // anything else (binary, expandable text, lists...)
};

// Only a whole four-byte number is a number.
std::optional<int> DecodeNumber(StoredType type, std::span<const std::uint8_t> bytes);

// A text ends at its first terminator, or with its bytes when it has none.
std::optional<std::string> DecodeText(StoredType type, std::span<const std::uint8_t> bytes);

}  // namespace blenker
