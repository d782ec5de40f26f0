// The settings store in the real registry.
#include <gtest/gtest.h>

#include "store/settings.h"
#include "win_test_support.h"

namespace blenker {
namespace {

using test::ReadRawValue;

class RegistryStoreTest : public ::testing::Test {
  protected:
    RegistryStoreTest() : store("BlenkerRegistryTest") {}

    void PutRaw(const std::string& section, const char* name, DWORD type, const void* data,
                DWORD size) {
        const std::string path =
            store.ApplicationKeyPath() + (section.empty() ? "" : "\\" + section);
        UniqueRegKey key;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                    nullptr, key.Put(), nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
    }

    test::ScopedRegistryStore store;
};

TEST_F(RegistryStoreTest, WritesTypedValuesUnderTheApplicationKey) {
    // Nothing exists yet: reads give the defaults and create the keys on demand.
    EXPECT_EQ(ReadInt(store, Setting::Delay), 1000);
    EXPECT_EQ(ReadString(store, Setting::SoundFile), "Blenked.wav");
    UniqueRegKey settings;
    EXPECT_EQ(
        ::RegOpenKeyExA(HKEY_CURRENT_USER, (store.ApplicationKeyPath() + "\\Settings").c_str(), 0,
                        KEY_READ, settings.Put()),
        ERROR_SUCCESS);

    WriteInt(store, Setting::Version, 2005);
    WriteString(store, Setting::Location, "C:\\Tools\\Blenker.exe");
    WriteInt(store, Setting::Closed, -2);
    const auto version = ReadRawValue(store.ApplicationKeyPath(), "Version");
    EXPECT_EQ(version.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(version.Number(), 2005u);
    const auto location = ReadRawValue(store.ApplicationKeyPath(), "Location");
    EXPECT_EQ(location.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(location.bytes, std::string("C:\\Tools\\Blenker.exe", 21));
    EXPECT_EQ(ReadRawValue(store.ApplicationKeyPath() + "\\Stat", "Closed").Number(), 0xFFFFFFFEu);

    EXPECT_EQ(ReadInt(store, Setting::Version), 2005);
    EXPECT_EQ(ReadString(store, Setting::Location), "C:\\Tools\\Blenker.exe");
    EXPECT_EQ(ReadInt(store, Setting::Closed), -2);
}

TEST_F(RegistryStoreTest, ValuesOfTheWrongTypeReadAsDefaults) {
    PutRaw("Settings", "Delay", REG_SZ, "500", 4);
    const BYTE shortBinary[2] = {1, 2};
    PutRaw("Settings", "InitialState", REG_BINARY, shortBinary, sizeof shortBinary);
    const DWORD four = 4;
    PutRaw("Settings", "PreviousState", REG_BINARY, &four, sizeof four);
    PutRaw("Settings", "SoundFile", REG_DWORD, &four, sizeof four);
    PutRaw("", "Location", REG_BINARY, "abc", 3);

    EXPECT_EQ(ReadInt(store, Setting::Delay), 1000);
    EXPECT_EQ(ReadInt(store, Setting::InitialState), 1);
    EXPECT_TRUE(ReadFlag(store, Setting::PreviousState));
    EXPECT_EQ(ReadString(store, Setting::SoundFile), "Blenked.wav");
    EXPECT_EQ(ReadString(store, Setting::Location), "");
}

TEST_F(RegistryStoreTest, TextsWithoutTerminatorReadWhole) {
    PutRaw("Settings", "SoundFile", REG_SZ, "pop.wav", 7);
    EXPECT_EQ(ReadString(store, Setting::SoundFile), "pop.wav");
    PutRaw("Settings", "SoundFile", REG_SZ, "", 0);
    EXPECT_EQ(ReadString(store, Setting::SoundFile), "");
}

TEST_F(RegistryStoreTest, TextsKeepEveryCharacterAsUtf16WithItsTerminator) {
    // Cyrillic, Chinese and an emoji (a surrogate pair): none is in an ANSI code page.
    const std::string path = "C:\\Звуки\\声音\\😀.wav";
    const std::wstring wide = L"C:\\Звуки\\声音\\😀.wav";
    const std::string ascii = store.ApplicationKeyPath() + "\\Settings";
    const std::wstring section(ascii.begin(), ascii.end());
    WriteString(store, Setting::SoundFile, path);
    wchar_t stored[64] = {};
    DWORD type = 0;
    DWORD size = sizeof stored;
    ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, section.c_str(), L"SoundFile", RRF_RT_ANY, &type,
                             stored, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, (wide.size() + 1) * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(stored), wide);
    EXPECT_EQ(ReadString(store, Setting::SoundFile), path);

    // A text another program stored, without its terminator, reads back the same.
    UniqueRegKey key;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, KEY_SET_VALUE, key.Put()),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExW(key.Get(), L"SoundFile", 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(wide.data()),
                               static_cast<DWORD>(wide.size() * sizeof(wchar_t))),
              ERROR_SUCCESS);
    EXPECT_EQ(ReadString(store, Setting::SoundFile), path);
}

TEST(RegistryStoreNameTest, TheStoreIsNamedAfterTheExecutable) {
    const auto store = RegistryProfileStore::ForThisExecutable();
    EXPECT_EQ(store.ApplicationKeyPath(), "Software\\Vorlen\\blenker_win_tests");
}

}  // namespace
}  // namespace blenker
