// What the application knows of itself while it runs, and the decisions taken at its start: its
// paths, its version and the release the settings store held before, the maker's addresses, the
// language, and the settings store itself. The platform part hands it what it read.
#pragma once

#include <memory>
#include <string>

#include "store/profile_store.h"

namespace blenker {

// What the platform reads at the start and hands over.
struct AppStart {
    std::string exePath;      // the running executable, as the system names it
    std::string version;      // the version text of the string table
    std::string releaseText;  // the release number of the string table, as text
    std::string mail;         // the maker's e-mail address
    std::string webSite;      // the maker's web site
};

class AppState {
  public:
    // Takes the store; notes the release that "Version" held and stores this one in its place;
    // reads the language and stores it at once.
    void Start(std::unique_ptr<ProfileStore> store, AppStart start);

    // The string id in English, id + 300 in French.
    int LangStringId(int id) const;
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
    std::unique_ptr<ProfileStore> m_store;
};

}  // namespace blenker
