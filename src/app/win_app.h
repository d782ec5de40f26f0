// The application object: start-up, the data every window reads from it (paths, version,
// release number, the maker's addresses, the language), the settings store and the
// language-dependent strings.
#pragma once

#include <memory>
#include <string>

#include "store/registry_profile_store.h"
#include "framework/win32.h"

namespace blenker {

// A string of the program's resources; empty when it is missing.
std::string LoadResString(int id);

class VWinApp {
  public:
    VWinApp();
    virtual ~VWinApp();
    VWinApp(const VWinApp&) = delete;
    VWinApp& operator=(const VWinApp&) = delete;

    // The maker's part of the start-up: version data, paths, the settings store, "Version",
    // the addresses and the language. Returns false, as the program's start-up always has: the
    // process ends after its own loop.
    virtual bool InitInstance();

    // The string id in English, id + 300 in French.
    std::string LoadLangString(int id) const;
    int GetLanguage() const { return m_nLanguage; }
    // Stores the language at once in "Settings"/"Language".
    void SetLanguage(int language);
    void ToggleLanguage();

    ProfileStore& Store() { return *m_store; }

    std::string m_strExePath;
    std::string m_strExeDir;
    std::string m_strVersion;
    int m_nRelease = 0;
    int m_nPrevRelease = 0;
    std::string m_strMail;
    std::string m_strWebSite;
    int m_nLanguage = -1;

  protected:
    std::unique_ptr<RegistryProfileStore> m_store;
};

// The one application object of the process (set while it exists).
VWinApp& TheApp();

// The message box the application shows for its own messages: its name as the caption, an
// exclamation icon and an OK button.
void AppMessageBox(HWND owner, const std::string& text);

}  // namespace blenker
