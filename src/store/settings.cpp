#include "store/settings.h"

#include <cassert>
#include <cstdint>

namespace blenker {

namespace {

// The table is indexed by the enumeration: its rows must stand in the same order.
constexpr bool RowsInEnumOrder() {
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        if (static_cast<std::size_t>(kSettings[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInEnumOrder());

}  // namespace

const SettingInfo& Describe(Setting setting) {
    return kSettings[static_cast<std::size_t>(setting)];
}

int ReadInt(ProfileStore& store, Setting setting) {
    const SettingInfo& info = Describe(setting);
    assert(info.type != SettingType::String);
    return store.ReadNumber(info.section, info.key, info.intDefault);
}

bool ReadFlag(ProfileStore& store, Setting setting) {
    assert(Describe(setting).type == SettingType::Flag);
    return ReadInt(store, setting) != 0;
}

std::string ReadString(ProfileStore& store, Setting setting) {
    const SettingInfo& info = Describe(setting);
    assert(info.type == SettingType::String);
    return store.ReadText(info.section, info.key, info.stringDefault);
}

bool WriteInt(ProfileStore& store, Setting setting, int value) {
    const SettingInfo& info = Describe(setting);
    assert(info.type != SettingType::String);
    return store.WriteNumber(info.section, info.key, value);
}

bool WriteString(ProfileStore& store, Setting setting, const std::string& value) {
    const SettingInfo& info = Describe(setting);
    assert(info.type == SettingType::String);
    return store.WriteText(info.section, info.key, value);
}

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

}  // namespace

void ReadBound(ProfileStore& store, std::span<const SettingBinding> bindings) {
    for (const SettingBinding& binding : bindings) {
        std::visit(Overloaded{
                       [&](int* number) { *number = ReadInt(store, binding.setting); },
                       [&](unsigned long* colour) {
                           *colour = static_cast<std::uint32_t>(ReadInt(store, binding.setting));
                       },
                       [&](std::string* text) { *text = ReadString(store, binding.setting); },
                   },
                   binding.member);
    }
}

void WriteBound(ProfileStore& store, std::span<const SettingBinding> bindings) {
    for (const SettingBinding& binding : bindings) {
        std::visit(Overloaded{
                       [&](int* number) { WriteInt(store, binding.setting, *number); },
                       [&](unsigned long* colour) {
                           WriteInt(store, binding.setting, static_cast<int>(*colour));
                       },
                       [&](std::string* text) { WriteString(store, binding.setting, *text); },
                   },
                   binding.member);
    }
}

}  // namespace blenker
