#include "app/settings/shortcut.h"

#include <shlobj.h>

#include <algorithm>
#include <span>

#include "app/app_message_box.h"
#include "framework/com_ptr.h"
#include "framework/unique_handle.h"

namespace blenker {

namespace {

constexpr char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

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
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_QUERY_VALUE, key.Put()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    char buffer[kFolderValueBytes] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    // ERROR_MORE_DATA too: a longer value is never used cut.
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                           &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return FolderFromValue(
        type == REG_SZ || type == REG_EXPAND_SZ,
        std::span<const char>(buffer, std::min<std::size_t>(size, sizeof buffer)));
}

std::wstring Utf16FromAnsi(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.pop_back();  // the terminator
    return wide;
}

}  // namespace

std::optional<std::string> ShortcutFolder(ShortcutKind kind) {
    if (auto path = ShellFoldersValue(ShellFoldersValueName(kind))) {
        return path;
    }
    char path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CsidlOf(kind), nullptr, SHGFP_TYPE_CURRENT, path))) {
        return std::nullopt;
    }
    return std::string(path);
}

HRESULT CreateLink(HWND owner, const std::string& target, const std::string& linkPath,
                   const std::string& description) {
    ComPtr<IShellLinkA> link;
    HRESULT hr = link.CoCreate(CLSID_ShellLink);
    if (FAILED(hr)) {
        ::MessageBoxA(owner, "Cannot connect to interface !", "Memo Settings", MB_ICONSTOP | MB_OK);
        return hr;
    }
    // Declared after the link: released before it.
    ComPtr<IPersistFile> file;
    hr = link.QueryInterface(file);
    if (FAILED(hr)) {
        return hr;
    }
    hr = link->SetPath(target.c_str());
    if (FAILED(hr)) {
        AppMessageBox(owner, "SetPath failed!");
    }
    hr = link->SetDescription(description.c_str());
    if (FAILED(hr)) {
        AppMessageBox(owner, "SetDescription failed!");
    }
    const std::wstring widePath = Utf16FromAnsi(linkPath);
    hr = file->Save(widePath.c_str(), TRUE);
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
