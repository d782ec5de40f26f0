#include "store/registry_profile_store.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "store/app_paths.h"
#include "store/executable_path.h"
#include "store/stored_value.h"

namespace blenker {

RegistryProfileStore::RegistryProfileStore(std::string company, std::string application)
    : m_appKeyPath("Software\\" + company + "\\" + application) {}

RegistryProfileStore RegistryProfileStore::ForThisExecutable() {
    return RegistryProfileStore(kRegistryKeyName, ExecutableBaseName(ExecutablePath()));
}

UniqueRegKey RegistryProfileStore::OpenSection(const std::string& section) const {
    std::string path = m_appKeyPath;
    if (!section.empty()) {
        path += "\\" + section;
    }
    UniqueRegKey key;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, key.Put(), nullptr);
    return key;
}

namespace {

struct RawValue {
    StoredType type;
    std::vector<std::uint8_t> bytes;
};

StoredType TypeOf(DWORD type) {
    switch (type) {
        case REG_DWORD:
            return StoredType::Number;
        case REG_SZ:
            return StoredType::Text;
        default:
            return StoredType::Other;
    }
}

// The value's type and bytes; nothing when it cannot be read. The value may change between the
// calls: it is asked again until the buffer is big enough.
std::optional<RawValue> QueryValue(const UniqueRegKey& key, const std::string& name) {
    if (!key) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    LONG status = ::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<std::uint8_t> bytes;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        bytes.resize(size + 1);
        size = static_cast<DWORD>(bytes.size());
        status = ::RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, bytes.data(), &size);
        if (status == ERROR_SUCCESS) {
            bytes.resize(size);
            return RawValue{TypeOf(type), std::move(bytes)};
        }
    }
    return std::nullopt;
}

}  // namespace

int RegistryProfileStore::ReadNumber(const std::string& section, const std::string& key, int def) {
    const auto value = QueryValue(OpenSection(section), key);
    return value ? DecodeNumber(value->type, value->bytes).value_or(def) : def;
}

std::string RegistryProfileStore::ReadText(const std::string& section, const std::string& key,
                                           const std::string& def) {
    const auto value = QueryValue(OpenSection(section), key);
    return value ? DecodeText(value->type, value->bytes).value_or(def) : def;
}

bool RegistryProfileStore::WriteNumber(const std::string& section, const std::string& key,
                                       int value) {
    const UniqueRegKey sectionKey = OpenSection(section);
    const auto number = static_cast<DWORD>(value);
    return sectionKey &&
           ::RegSetValueExA(sectionKey.Get(), key.c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&number), sizeof number) == ERROR_SUCCESS;
}

bool RegistryProfileStore::WriteText(const std::string& section, const std::string& key,
                                     const std::string& value) {
    const UniqueRegKey sectionKey = OpenSection(section);
    return sectionKey && ::RegSetValueExA(sectionKey.Get(), key.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(value.c_str()),
                                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace blenker
