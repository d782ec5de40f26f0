// The application object: start-up, the data every window reads from it (paths, version,
// release number, the maker's addresses, the language), the settings store and the
// language-dependent strings. It reads what the platform knows and leaves the decisions to
// AppState.
#pragma once

#include <string>

#include "app/app_state.h"

namespace blenker {

// A string of the program's resources; empty when it is missing.
std::string LoadResString(int id);

class VWinApp : public AppState {
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
    std::string LoadLangString(int id) const { return LoadResString(LangStringId(id)); }
};

// The one application object of the process (set while it exists).
VWinApp& TheApp();

// A string in the user's language: as LoadLangString of the application object, in English
// while none exists (a window made on its own).
std::string LoadUserString(int id);

}  // namespace blenker
