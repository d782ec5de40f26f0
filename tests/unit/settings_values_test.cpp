#include "app/settings/settings_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "store/memory_profile_store.h"

namespace blenker {
namespace {

// Every value the sheet edits, stored with a value other than its default.
MemoryProfileStore EditedStore() {
    MemoryProfileStore store;
    const char* const flags[] = {"SoundOn", "RemoveAppName", "UpdateExe"};
    const char* const options[] = {"SmartBlenk", "Strict", "NeedBrowser", "CaseSensitive",
                                   "MinimizeAtStartup"};
    for (const char* key : flags) {
        store.Put("Settings", key, std::uint32_t{0});
    }
    for (const char* key : options) {
        store.Put("Settings", key, std::uint32_t{1});
    }
    store.Put("Settings", "ColorText", std::uint32_t{0x112233});
    store.Put("Settings", "ColorBg", std::uint32_t{0x445566});
    store.Put("Settings", "SoundFile", std::string("ding.wav"));
    store.Put("Settings", "InitialState", std::uint32_t{2});
    return store;
}

TEST(SettingsValuesTest, AnEmptyStoreGivesTheDefaults) {
    MemoryProfileStore store;
    const SettingsValues v = SettingsValues::Load(store);
    EXPECT_EQ(v.textColour, 0xFFFFFFul);
    EXPECT_EQ(v.backgroundColour, 0ul);
    EXPECT_EQ(v.soundFile, "Blenked.wav");
    EXPECT_EQ((std::vector<int>{v.soundOn, v.removeAppName, v.smartBlenk, v.strict, v.needBrowser,
                                v.caseSensitive, v.minimizeAtStartup, v.updateExe, v.initialState}),
              (std::vector<int>{1, 1, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(store.WriteCount(), 0);
}

// A value missing from the load comes back as its default; one missing from the save is absent.
TEST(SettingsValuesTest, EveryValueIsLoadedAndSaved) {
    MemoryProfileStore edited = EditedStore();
    const SettingsValues v = SettingsValues::Load(edited);
    EXPECT_EQ(v.textColour, 0x112233ul);
    EXPECT_EQ(v.backgroundColour, 0x445566ul);
    EXPECT_EQ(v.soundFile, "ding.wav");
    EXPECT_EQ((std::vector<int>{v.soundOn, v.removeAppName, v.smartBlenk, v.strict, v.needBrowser,
                                v.caseSensitive, v.minimizeAtStartup, v.updateExe, v.initialState}),
              (std::vector<int>{0, 0, 1, 1, 1, 1, 1, 0, 2}));
    MemoryProfileStore saved;
    v.Save(saved);
    EXPECT_EQ(saved.WriteCount(), 12);
    for (const char* key :
         {"ColorText", "ColorBg", "SoundOn", "SoundFile", "RemoveAppName", "SmartBlenk", "Strict",
          "NeedBrowser", "CaseSensitive", "MinimizeAtStartup", "UpdateExe", "InitialState"}) {
        EXPECT_EQ(saved.Find("Settings", key), edited.Find("Settings", key)) << key;
    }
}

TEST(SettingsValuesTest, OnlyOkStoresAndAnyOtherEndGivesTheStoredColoursBack) {
    MemoryProfileStore store = EditedStore();
    SettingsValues v = SettingsValues::Load(store);
    v.textColour = 0x0000FF;
    v.backgroundColour = 0x00FF00;
    v.strict = 0;
    const int before = store.WriteCount();
    const auto restored = EndSettings(store, v, false);
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(restored->text, 0x112233ul);
    EXPECT_EQ(restored->background, 0x445566ul);
    EXPECT_EQ(store.WriteCount(), before);

    EXPECT_FALSE(EndSettings(store, v, true).has_value());
    EXPECT_EQ(store.WriteCount(), before + 12);
    EXPECT_EQ(ReadInt(store, Setting::ColorBg), 0x00FF00);
    EXPECT_FALSE(ReadFlag(store, Setting::Strict));
}

}  // namespace
}  // namespace blenker
