// The settings store in the registry: HKEY_CURRENT_USER\Software\<company>\<application>, each
// section a subkey, the empty section the application key itself.
#pragma once

#include "framework/win32.h"

#include <string>

#include "store/profile_store.h"
#include "framework/unique_handle.h"

namespace blenker {

// The registry key name under "Software" that holds the maker's programs.
inline constexpr char kRegistryKeyName[] = "Vorlen";

class RegistryProfileStore : public ProfileStore {
  public:
    RegistryProfileStore(std::string company, std::string application);

    // The store of the running executable: the application is its base name.
    static RegistryProfileStore ForThisExecutable();

    int ReadNumber(const std::string& section, const std::string& key, int def) override;
    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& def) override;
    bool WriteNumber(const std::string& section, const std::string& key, int value) override;
    bool WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override;

    // "Software\<company>\<application>", relative to HKEY_CURRENT_USER.
    const std::string& ApplicationKeyPath() const { return m_appKeyPath; }

  private:
    // Opens (creating it when missing) the key of a section.
    UniqueRegKey OpenSection(const std::string& section) const;

    std::string m_appKeyPath;
};

}  // namespace blenker
