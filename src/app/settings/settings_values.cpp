#include "app/settings/settings_values.h"

namespace blenker {

std::array<SettingBinding, 13> SettingsValues::Bindings() {
    return {{
        {Setting::ColorText, &textColour},
        {Setting::ColorBg, &backgroundColour},
        {Setting::SoundOn, &soundOn},
        {Setting::SoundFile, &soundFile},
        {Setting::RemoveAppName, &removeAppName},
        {Setting::SmartBlenk, &smartBlenk},
        {Setting::Strict, &strict},
        {Setting::NeedBrowser, &needBrowser},
        {Setting::CaseSensitive, &caseSensitive},
        {Setting::InstantBlenk, &instantBlenk},
        {Setting::MinimizeAtStartup, &minimizeAtStartup},
        {Setting::UpdateExe, &updateExe},
        {Setting::InitialState, &initialState},
    }};
}

SettingsValues SettingsValues::Load(ProfileStore& store) {
    SettingsValues values;
    const auto bindings = values.Bindings();
    ReadBound(store, bindings);
    return values;
}

void SettingsValues::Save(ProfileStore& store) const {
    // The bindings point to members they may write; a copy keeps this one untouched.
    SettingsValues copy = *this;
    const auto bindings = copy.Bindings();
    WriteBound(store, bindings);
}

std::optional<DialogColours> EndSettings(ProfileStore& store, const SettingsValues& values,
                                         bool accepted) {
    if (accepted) {
        values.Save(store);
        return std::nullopt;
    }
    const SettingsValues stored = SettingsValues::Load(store);
    return DialogColours{stored.backgroundColour, stored.textColour};
}

}  // namespace blenker
