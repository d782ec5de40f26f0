// The thirteen values the settings sheet edits, held once while the sheet is open: loaded from the
// settings store when the sheet is made, edited by the pages, and stored by an end with OK.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "store/profile_store.h"
#include "store/settings.h"

namespace blenker {

struct SettingsValues {
    // The dialog colours, 0x00BBGGRR.
    unsigned long textColour = 0;
    unsigned long backgroundColour = 0;
    // The sound of a closed window.
    int soundOn = 0;
    std::string soundFile;
    // How titles are added and windows matched.
    int removeAppName = 0;
    int smartBlenk = 0;
    int strict = 0;
    int needBrowser = 0;
    int caseSensitive = 0;
    // A matching window is closed as soon as it appears, not at the next scan.
    int instantBlenk = 0;
    // The start of the program.
    int minimizeAtStartup = 0;
    int updateExe = 0;
    int initialState = 0;

    // Every value from the store, its default where it is absent.
    static SettingsValues Load(ProfileStore& store);
    // Every value into the store, in the order of the table.
    void Save(ProfileStore& store) const;

  private:
    std::array<SettingBinding, 13> Bindings();
};

// The colours every dialog of the program shows.
struct DialogColours {
    unsigned long background;
    unsigned long text;
};

// The end of the sheet. OK (accepted) stores every value and leaves the colours shown as they
// are; any other end stores nothing and returns the stored colours, which replace a preview.
std::optional<DialogColours> EndSettings(ProfileStore& store, const SettingsValues& values,
                                         bool accepted);

}  // namespace blenker
