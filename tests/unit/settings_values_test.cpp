#include "app/settings/settings_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "memory_profile_store.h"

namespace blenker {
namespace {

constexpr const char* kKeys[] = {"ColorText",         "ColorBg",       "SoundOn",
                                 "RemoveAppName",     "SmartBlenk",    "Strict",
                                 "NeedBrowser",       "CaseSensitive", "InstantBlenk",
                                 "MinimizeAtStartup", "UpdateExe",     "InitialState"};

// Every value the sheet edits, stored with a value other than its default.
MemoryProfileStore EditedStore() {
    constexpr std::uint32_t kEdited[] = {0x112233, 0x445566, 0, 0, 1, 1, 1, 1, 0, 1, 0, 2};
    MemoryProfileStore store;
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        store.Put("Settings", kKeys[i], kEdited[i]);
    }
    store.Put("Settings", "SoundFile", std::string("ding.wav"));
    return store;
}

// A value missing from the load is saved as its default; one missing from the save is absent.
TEST(SettingsValuesTest, EveryValueIsLoadedAndSaved) {
    MemoryProfileStore edited = EditedStore();
    const SettingsValues v = SettingsValues::Load(edited);
    MemoryProfileStore saved;
    v.Save(saved);
    for (const char* key : {"ColorText", "ColorBg", "SoundOn", "SoundFile", "RemoveAppName",
                            "SmartBlenk", "Strict", "NeedBrowser", "CaseSensitive", "InstantBlenk",
                            "MinimizeAtStartup", "UpdateExe", "InitialState"}) {
        EXPECT_EQ(saved.Find("Settings", key), edited.Find("Settings", key)) << key;
    }
}

TEST(SettingsValuesTest, OnlyOkStoresAndAnyOtherEndGivesTheStoredColoursBack) {
    MemoryProfileStore store = EditedStore();
    SettingsValues v = SettingsValues::Load(store);
    v.textColour = 0x0000FF;
    v.backgroundColour = 0x00FF00;
    const int before = store.WriteCount();
    const auto restored = EndSettings(store, v, false);
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(restored->text, 0x112233ul);
    EXPECT_EQ(restored->background, 0x445566ul);
    EXPECT_EQ(store.WriteCount(), before);

    EXPECT_FALSE(EndSettings(store, v, true).has_value());
    EXPECT_EQ(store.WriteCount(), before + 13);
    EXPECT_EQ(ReadInt(store, Setting::ColorBg), 0x00FF00);
}

}  // namespace
}  // namespace blenker
