#include "app/settings/shortcut.h"

#include <shlobj.h>

#include <algorithm>
#include <iterator>
#include <span>

#include "app/app_message_box.h"
#include "framework/com_ptr.h"
#include "framework/text.h"
#include "framework/unique_handle.h"

namespace blenker {

namespace {

constexpr wchar_t kShellFoldersKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The shell's own folder of each kind.
int CsidlOf(ShortcutKind kind) {
    switch (kind) {
        case ShortcutKind::Desktop:
            return CSIDL_DESKTOPDIRECTORY;
        case ShortcutKind::StartMenu:
            return CSIDL_STARTMENU;
        case ShortcutKind::Startup:
            break;
    }
    return CSIDL_STARTUP;
}

// The user's "Shell Folders" value of that name, when it is there and usable.
std::optional<std::string> ShellFoldersValue(const char* name) {
    UniqueRegKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_QUERY_VALUE, key.Put()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    wchar_t buffer[kFolderValueChars] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;  // in bytes
    // ERROR_MORE_DATA too: a longer value is never used cut.
    if (::RegQueryValueExW(key.Get(), ToUtf16(name).c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const auto folder = FolderFromValue(
        type == REG_SZ || type == REG_EXPAND_SZ,
        std::span<const wchar_t>(buffer,
                                 std::min<std::size_t>(size / sizeof(wchar_t), std::size(buffer))));
    return folder ? std::optional(ToUtf8(*folder)) : std::nullopt;
}

}  // namespace

std::optional<std::string> ShortcutFolder(ShortcutKind kind) {
    if (auto path = ShellFoldersValue(ShellFoldersValueName(kind))) {
        return path;
    }
    wchar_t path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CsidlOf(kind), nullptr, SHGFP_TYPE_CURRENT, path))) {
        return std::nullopt;
    }
    return ToUtf8(path);
}

HRESULT CreateLink(HWND owner, const std::string& target, const std::string& linkPath,
                   const std::string& description) {
    ComPtr<IShellLinkW> link;
    HRESULT hr = link.CoCreate(CLSID_ShellLink);
    if (FAILED(hr)) {
        ::MessageBoxW(owner, L"Cannot connect to interface !", L"Memo Settings",
                      MB_ICONSTOP | MB_OK);
        return hr;
    }
    // Declared after the link: released before it.
    ComPtr<IPersistFile> file;
    hr = link.QueryInterface(file);
    if (FAILED(hr)) {
        return hr;
    }
    hr = link->SetPath(ToUtf16(target).c_str());
    if (FAILED(hr)) {
        AppMessageBox(owner, "SetPath failed!");
    }
    hr = link->SetDescription(ToUtf16(description).c_str());
    if (FAILED(hr)) {
        AppMessageBox(owner, "SetDescription failed!");
    }
    hr = file->Save(ToUtf16(linkPath).c_str(), TRUE);
    if (FAILED(hr)) {
        AppMessageBox(owner, "Save failed !");
    }
    return hr;
}

void MakeShortcut(HWND owner, ShortcutKind kind, const std::string& exePath) {
    const auto path = ShortcutFolder(kind);
    if (!path) {
        AppMessageBox(owner, "Cannot find the folder for the shortcut !");
        return;
    }
    CreateLink(owner, exePath, LinkPathIn(*path), "TBK");
}

}  // namespace blenker
