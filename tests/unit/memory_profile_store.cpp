#include "memory_profile_store.h"

namespace blenker {

int MemoryProfileStore::ReadNumber(const std::string& section, const std::string& key, int def) {
    const auto found = m_values.find({section, key});
    if (found == m_values.end()) {
        return def;
    }
    const auto* number = std::get_if<std::uint32_t>(&found->second);
    return number ? static_cast<int>(*number) : def;
}

std::string MemoryProfileStore::ReadText(const std::string& section, const std::string& key,
                                         const std::string& def) {
    const auto found = m_values.find({section, key});
    if (found == m_values.end()) {
        return def;
    }
    const auto* text = std::get_if<std::string>(&found->second);
    return text ? *text : def;
}

bool MemoryProfileStore::WriteNumber(const std::string& section, const std::string& key,
                                     int value) {
    Put(section, key, static_cast<std::uint32_t>(value));
    return true;
}

bool MemoryProfileStore::WriteText(const std::string& section, const std::string& key,
                                   const std::string& value) {
    Put(section, key, value);
    return true;
}

void MemoryProfileStore::Put(const std::string& section, const std::string& key, Value value) {
    m_values[{section, key}] = std::move(value);
    ++m_writes;
}

std::optional<MemoryProfileStore::Value> MemoryProfileStore::Find(const std::string& section,
                                                                  const std::string& key) const {
    const auto found = m_values.find({section, key});
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace blenker
