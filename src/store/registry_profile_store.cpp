#include "store/registry_profile_store.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "framework/text.h"
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
    ::RegCreateKeyExW(HKEY_CURRENT_USER, ToUtf16(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
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

// A text value's UTF-16 bytes as UTF-8, up to its first terminator (a text may be stored
// without one, or with an odd last byte, which is dropped).
std::vector<std::uint8_t> Utf8OfText(const std::vector<std::uint8_t>& bytes) {
    std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(wchar_t));
    wide.resize(std::min(wide.find(L'\0'), wide.size()));
    const std::string utf8 = ToUtf8(wide);
    return std::vector<std::uint8_t>(utf8.begin(), utf8.end());
}

// The value's type and bytes, a text's as UTF-8; nothing when it cannot be read. The value may
// change between the calls: it is asked again until the buffer is big enough.
std::optional<RawValue> QueryValue(const UniqueRegKey& key, const std::string& name) {
    if (!key) {
        return std::nullopt;
    }
    const std::wstring wideName = ToUtf16(name);
    DWORD type = 0;
    DWORD size = 0;
    LONG status = ::RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type, nullptr, &size);
    std::vector<std::uint8_t> bytes;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        bytes.resize(size + sizeof(wchar_t));
        size = static_cast<DWORD>(bytes.size());
        status =
            ::RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type, bytes.data(), &size);
        if (status == ERROR_SUCCESS) {
            bytes.resize(size);
            const StoredType stored = TypeOf(type);
            return RawValue{stored, stored == StoredType::Text ? Utf8OfText(bytes) : bytes};
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
           ::RegSetValueExW(sectionKey.Get(), ToUtf16(key).c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&number), sizeof number) == ERROR_SUCCESS;
}

bool RegistryProfileStore::WriteText(const std::string& section, const std::string& key,
                                     const std::string& value) {
    const UniqueRegKey sectionKey = OpenSection(section);
    // Stored as UTF-16 with its terminator; the size is in bytes.
    const std::wstring text = ToUtf16(value);
    return sectionKey &&
           ::RegSetValueExW(sectionKey.Get(), ToUtf16(key).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) ==
               ERROR_SUCCESS;
}

}  // namespace blenker
