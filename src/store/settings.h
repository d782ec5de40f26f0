// Every value the program keeps in its settings store, with its section, key, type and
// default. Callers name a value from this table, so no default is written anywhere else.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <variant>

#include "store/profile_store.h"

namespace blenker {

enum class Setting {
    Version,
    Location,
    Language,
    ColorText,
    ColorBg,
    SoundOn,
    SoundFile,
    RemoveAppName,
    SmartBlenk,
    Strict,
    NeedBrowser,
    CaseSensitive,
    InstantBlenk,
    MinimizeAtStartup,
    UpdateExe,
    InitialState,
    PreviousState,
    Delay,
    Closed,
};

enum class SettingType {
    Int,     // a REG_DWORD number
    String,  // a REG_SZ text
    Colour,  // a REG_DWORD COLORREF, 0x00BBGGRR
    Flag,    // a REG_DWORD, 0 off, any other value on
};

struct SettingInfo {
    Setting id;
    const char* section;  // "" is the application key itself
    const char* key;
    SettingType type;
    int intDefault;
    const char* stringDefault;
};

inline constexpr SettingInfo kSettings[] = {
    {Setting::Version, "", "Version", SettingType::Int, 0, nullptr},
    {Setting::Location, "", "Location", SettingType::String, 0, ""},
    {Setting::Language, "Settings", "Language", SettingType::Int, 0, nullptr},
    {Setting::ColorText, "Settings", "ColorText", SettingType::Colour, 0xFFFFFF, nullptr},
    {Setting::ColorBg, "Settings", "ColorBg", SettingType::Colour, 0x000000, nullptr},
    {Setting::SoundOn, "Settings", "SoundOn", SettingType::Flag, 1, nullptr},
    {Setting::SoundFile, "Settings", "SoundFile", SettingType::String, 0, "Blenked.wav"},
    {Setting::RemoveAppName, "Settings", "RemoveAppName", SettingType::Flag, 1, nullptr},
    {Setting::SmartBlenk, "Settings", "SmartBlenk", SettingType::Flag, 0, nullptr},
    {Setting::Strict, "Settings", "Strict", SettingType::Flag, 0, nullptr},
    {Setting::NeedBrowser, "Settings", "NeedBrowser", SettingType::Flag, 0, nullptr},
    {Setting::CaseSensitive, "Settings", "CaseSensitive", SettingType::Flag, 0, nullptr},
    {Setting::InstantBlenk, "Settings", "InstantBlenk", SettingType::Flag, 1, nullptr},
    {Setting::MinimizeAtStartup, "Settings", "MinimizeAtStartup", SettingType::Flag, 0, nullptr},
    {Setting::UpdateExe, "Settings", "UpdateExe", SettingType::Flag, 1, nullptr},
    {Setting::InitialState, "Settings", "InitialState", SettingType::Int, 1, nullptr},
    {Setting::PreviousState, "Settings", "PreviousState", SettingType::Flag, 1, nullptr},
    {Setting::Delay, "Settings", "Delay", SettingType::Int, 1000, nullptr},
    {Setting::Closed, "Stat", "Closed", SettingType::Int, 0, nullptr},
};

inline constexpr std::size_t kSettingCount = sizeof(kSettings) / sizeof(kSettings[0]);

const SettingInfo& Describe(Setting setting);

// Reads of a number, colour or flag; a flag reads 0 or 1 (any non-zero value is on).
int ReadInt(ProfileStore& store, Setting setting);
bool ReadFlag(ProfileStore& store, Setting setting);
std::string ReadString(ProfileStore& store, Setting setting);

bool WriteInt(ProfileStore& store, Setting setting, int value);
bool WriteString(ProfileStore& store, Setting setting, const std::string& value);

// A stored value and the member that holds it while a window edits it: a number or flag, a
// colour (0x00BBGGRR, the type of the platform's colours), or a text.
struct SettingBinding {
    Setting setting;
    std::variant<int*, unsigned long*, std::string*> member;
};

// Reads each value into its member, in the order given, with its default when absent.
void ReadBound(ProfileStore& store, std::span<const SettingBinding> bindings);
// Writes each member to its value, in the order given.
void WriteBound(ProfileStore& store, std::span<const SettingBinding> bindings);

}  // namespace blenker
