#include "store/registry_profile_store.h"

#include <cstring>
#include <vector>

#include "store/app_paths.h"

namespace blenker {

RegistryProfileStore::RegistryProfileStore(std::string company, std::string application)
    : m_appKeyPath("Software\\" + company + "\\" + application) {}

std::string ExecutablePath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return std::string(path.data(), length);
        }
        path.resize(path.size() * 2);
    }
}

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

int RegistryProfileStore::GetProfileInt(const std::string& section, const std::string& key,
                                        int def) {
    const UniqueRegKey sectionKey = OpenSection(section);
    if (!sectionKey) {
        return def;
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG status = ::RegQueryValueExA(sectionKey.Get(), key.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(&value), &size);
    // Only a whole REG_DWORD is a number; text, short binaries and the like read as default.
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) {
        return def;
    }
    return static_cast<int>(value);
}

std::string RegistryProfileStore::GetProfileString(const std::string& section,
                                                   const std::string& key, const std::string& def) {
    const UniqueRegKey sectionKey = OpenSection(section);
    if (!sectionKey) {
        return def;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(sectionKey.Get(), key.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return def;
    }
    // The value may change between the two calls: ask again until the buffer is big enough.
    std::vector<char> text;
    LONG status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        text.resize(size + 1);
        size = static_cast<DWORD>(text.size());
        status = ::RegQueryValueExA(sectionKey.Get(), key.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(text.data()), &size);
    }
    if (status != ERROR_SUCCESS || type != REG_SZ) {
        return def;
    }
    // A stored text need not end in a terminator; it ends at the first one if it has one.
    return std::string(text.data(), ::strnlen(text.data(), size));
}

bool RegistryProfileStore::WriteProfileInt(const std::string& section, const std::string& key,
                                           int value) {
    const UniqueRegKey sectionKey = OpenSection(section);
    const auto number = static_cast<DWORD>(value);
    return sectionKey &&
           ::RegSetValueExA(sectionKey.Get(), key.c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&number), sizeof number) == ERROR_SUCCESS;
}

bool RegistryProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                              const std::string& value) {
    const UniqueRegKey sectionKey = OpenSection(section);
    return sectionKey && ::RegSetValueExA(sectionKey.Get(), key.c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(value.c_str()),
                                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace blenker
