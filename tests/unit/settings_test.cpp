#include "store/settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "store/app_paths.h"
#include "app/text_format.h"
#include "memory_profile_store.h"

namespace blenker {
namespace {

TEST(SettingsTest, AnEmptyStoreReadsEveryDefault) {
    MemoryProfileStore store;
    EXPECT_EQ(ReadInt(store, Setting::Version), 0);
    EXPECT_EQ(ReadString(store, Setting::Location), "");
    EXPECT_EQ(ReadInt(store, Setting::Language), 0);
    EXPECT_EQ(ReadInt(store, Setting::ColorText), 0xFFFFFF);
    EXPECT_EQ(ReadInt(store, Setting::ColorBg), 0x000000);
    EXPECT_TRUE(ReadFlag(store, Setting::SoundOn));
    EXPECT_EQ(ReadString(store, Setting::SoundFile), "Blenked.wav");
    EXPECT_TRUE(ReadFlag(store, Setting::RemoveAppName));
    EXPECT_FALSE(ReadFlag(store, Setting::SmartBlenk));
    EXPECT_FALSE(ReadFlag(store, Setting::Strict));
    EXPECT_FALSE(ReadFlag(store, Setting::NeedBrowser));
    EXPECT_FALSE(ReadFlag(store, Setting::CaseSensitive));
    EXPECT_TRUE(ReadFlag(store, Setting::InstantBlenk));
    EXPECT_FALSE(ReadFlag(store, Setting::MinimizeAtStartup));
    EXPECT_TRUE(ReadFlag(store, Setting::UpdateExe));
    EXPECT_EQ(ReadInt(store, Setting::InitialState), 1);
    EXPECT_TRUE(ReadFlag(store, Setting::PreviousState));
    EXPECT_EQ(ReadInt(store, Setting::Delay), 1000);
    EXPECT_EQ(ReadInt(store, Setting::Closed), 0);
    // Reading never writes a default back.
    EXPECT_EQ(store.WriteCount(), 0);
}

TEST(SettingsTest, NamesAreUniqueAndInTheirSections) {
    std::set<std::pair<std::string, std::string>> names;
    for (const SettingInfo& info : kSettings) {
        EXPECT_TRUE(names.emplace(info.section, info.key).second) << info.key;
    }
    EXPECT_STREQ(Describe(Setting::Version).section, "");
    EXPECT_STREQ(Describe(Setting::Location).section, "");
    EXPECT_STREQ(Describe(Setting::Closed).section, "Stat");
    EXPECT_STREQ(Describe(Setting::Delay).section, "Settings");
}

TEST(SettingsTest, WrittenValuesReadBackAndFlagsReadAnyNonZeroAsOn) {
    MemoryProfileStore store;
    WriteInt(store, Setting::Language, 5);
    WriteInt(store, Setting::SmartBlenk, 5);
    WriteInt(store, Setting::ColorBg, 0x00BDBDF7);
    WriteString(store, Setting::Location, "C:\\Tools\\Blenker.exe");
    EXPECT_EQ(ReadInt(store, Setting::Language), 5);
    EXPECT_TRUE(ReadFlag(store, Setting::SmartBlenk));
    EXPECT_EQ(ReadInt(store, Setting::ColorBg), 0x00BDBDF7);
    EXPECT_EQ(ReadString(store, Setting::Location), "C:\\Tools\\Blenker.exe");
    EXPECT_EQ(store.ReadText("", "Location", "?"), "C:\\Tools\\Blenker.exe");
    WriteInt(store, Setting::Closed, -1);
    EXPECT_EQ(ReadInt(store, Setting::Closed), -1);
}

// Remembers the order of the writes.
class RecordingStore : public MemoryProfileStore {
  public:
    bool WriteNumber(const std::string& section, const std::string& key, int value) override {
        written.push_back(key);
        return MemoryProfileStore::WriteNumber(section, key, value);
    }
    bool WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override {
        written.push_back(key);
        return MemoryProfileStore::WriteText(section, key, value);
    }
    std::vector<std::string> written;
};

TEST(SettingsTest, BoundMembersReadDefaultsAndWriteBackInTheirOrder) {
    RecordingStore store;
    store.Put("Settings", "ColorBg", std::uint32_t{0x00BDBDF7});
    unsigned long text = 1;
    unsigned long background = 1;
    int initialState = 7;
    std::string soundFile = "x";
    const SettingBinding bindings[] = {
        {Setting::ColorText, &text},
        {Setting::ColorBg, &background},
        {Setting::SoundFile, &soundFile},
        {Setting::InitialState, &initialState},
    };
    ReadBound(store, bindings);
    EXPECT_EQ(text, 0xFFFFFFul);
    EXPECT_EQ(background, 0xBDBDF7ul);
    EXPECT_EQ(soundFile, "Blenked.wav");
    EXPECT_EQ(initialState, 1);
    EXPECT_TRUE(store.written.empty());

    text = 0x00FF8000;
    initialState = 2;
    WriteBound(store, bindings);
    EXPECT_EQ(store.written,
              (std::vector<std::string>{"ColorText", "ColorBg", "SoundFile", "InitialState"}));
    EXPECT_EQ(std::get<std::uint32_t>(*store.Find("Settings", "ColorText")), 0x00FF8000u);
    EXPECT_EQ(std::get<std::string>(*store.Find("Settings", "SoundFile")), "Blenked.wav");
    EXPECT_EQ(ReadInt(store, Setting::InitialState), 2);
}

TEST(AppPathsTest, BaseNameDropsDirectoryAndExtension) {
    EXPECT_EQ(ExecutableBaseName("C:\\Program Files\\Vorlen\\Blenker.exe"), "Blenker");
    EXPECT_EQ(ExecutableBaseName("Blenker.exe"), "Blenker");
    EXPECT_EQ(ExecutableBaseName("C:\\dir.d\\my.copy.exe"), "my.copy");
    EXPECT_EQ(ExecutableBaseName("Z:/tmp/Blenker_e2e_1.EXE"), "Blenker_e2e_1");
    EXPECT_EQ(ExecutableBaseName("C:\\dir.d\\noext"), "noext");
}

}  // namespace
}  // namespace blenker
