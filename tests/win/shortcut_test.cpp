// The program's shortcuts, made by the Startup page's buttons: real shell links, in the folders
// the user's Shell Folders name, kept whatever becomes of the sheet.
#include "settings_sheet_fixture.h"

#include <shlobj.h>

#include <array>
#include <filesystem>
#include <iterator>
#include <optional>
#include <utility>

#include "store/registry_profile_store.h"
#include "app/win_app.h"
#include "app/settings/shortcut.h"
#include "framework/com_ptr.h"
#include "framework/text.h"

namespace blenker {
namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::array<const char*, 3> kValueNames = {"Desktop", "Start Menu", "Startup"};

bool Exists(const std::string& path) {
    return ::GetFileAttributesW(ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string LinkIn(const std::string& folder) {
    return folder + "\\The Blenker.lnk";
}

// Sets a Shell Folders value to these bytes, or removes it when it is not `found`.
void PutShellFolder(const char* name, const test::RawValue& value) {
    UniqueRegKey key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_SET_VALUE, key.Put()),
              ERROR_SUCCESS);
    if (!value.found) {
        ::RegDeleteValueA(key.Get(), name);
        return;
    }
    ::RegSetValueExA(key.Get(), name, 0, value.type,
                     reinterpret_cast<const BYTE*>(value.bytes.data()),
                     static_cast<DWORD>(value.bytes.size()));
}

class ShortcutTest : public test::SettingsSheetFixture {
  protected:
    ShortcutTest() {
        m_comReady = SUCCEEDED(::CoInitialize(nullptr));
        for (std::size_t i = 0; i < kValueNames.size(); ++i) {
            m_original[i] = test::ReadRawValue(kShellFolders, kValueNames[i]);
            folders[i] = dir.File(kValueNames[i]);
            ::CreateDirectoryA(folders[i]->c_str(), nullptr);
        }
    }
    ~ShortcutTest() override {
        for (std::size_t i = 0; i < kValueNames.size(); ++i) {
            PutShellFolder(kValueNames[i], m_original[i]);
        }
        for (const std::string& file : outside) {
            ::DeleteFileA(file.c_str());
        }
        if (m_comReady) {
            ::CoUninitialize();
        }
    }

    // Points the Shell Folders values at `folders` (Wine rewrites them whenever it saves a link)
    // and makes the shortcut for that folder; the message boxes shown go to `shown`.
    void MakeOne(int folder) {
        for (std::size_t i = 0; i < kValueNames.size(); ++i) {
            const std::string& path = folders[i].value_or("");
            PutShellFolder(kValueNames[i],
                           {REG_SZ, {path.c_str(), path.size() + 1}, folders[i].has_value()});
        }
        if (!dialog) {
            Open("");
            target = app.m_strExePath;
        }
        constexpr int kButtons[] = {IDC_STARTUP_TO_DESKTOP, IDC_STARTUP_TO_START_MENU,
                                    IDC_STARTUP_TO_STARTUP};
        shown = RunSheet([&](HWND sheet) {
            SelectTab(sheet, 2);
            ClickIn(Page(sheet), kButtons[folder]);
            End(sheet, IDCANCEL);
        });
    }

    // The target, as the shell resolves it from the link's item list (which holds its names in
    // UTF-16; this Wine keeps the raw path only in the ANSI code page), and the description.
    static std::pair<std::string, std::string> ReadLink(const std::string& path) {
        ComPtr<IShellLinkW> link;
        ComPtr<IPersistFile> file;
        if (FAILED(link.CoCreate(CLSID_ShellLink)) || FAILED(link.QueryInterface(file)) ||
            FAILED(file->Load(ToUtf16(path).c_str(), STGM_READ))) {
            return {};
        }
        wchar_t linkTarget[MAX_PATH] = {};
        wchar_t description[MAX_PATH] = {};
        PIDLIST_ABSOLUTE items = nullptr;
        if (SUCCEEDED(link->GetIDList(&items)) && items != nullptr) {
            ::SHGetPathFromIDListW(items, linkTarget);
            ::CoTaskMemFree(items);
        }
        link->GetDescription(description, MAX_PATH);
        return {ToUtf8(linkTarget), ToUtf8(description)};
    }

    std::string target;
    std::array<std::optional<std::string>, 3> folders;
    std::vector<std::string> shown;
    std::vector<std::string> outside;  // links made outside `dir`, removed at the end

  private:
    std::array<test::RawValue, 3> m_original;
    bool m_comReady = false;
};

TEST_F(ShortcutTest, MakesEachLinkInItsShellFolder) {
    for (int folder = 0; folder < 3; ++folder) {
        SCOPED_TRACE(kValueNames[folder]);
        MakeOne(folder);
        const std::string link = LinkIn(*folders[folder]);
        ASSERT_TRUE(Exists(link));
        EXPECT_EQ(ReadLink(link), std::pair(target, std::string("TBK")));
        EXPECT_TRUE(shown.empty());
    }
    // Made again: replaced.
    MakeOne(0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(*folders[0]), {}), 1);
    EXPECT_TRUE(shown.empty());
}

TEST_F(ShortcutTest, ALinkInACyrillicAndChineseFolderLeadsToTheProgramThere) {
    const std::string folder = dir.File("Программы 程序");
    ASSERT_TRUE(::CreateDirectoryW(ToUtf16(folder).c_str(), nullptr));
    const std::string exe = folder + "\\Блинкер 程序.exe";
    const HANDLE created = ::CreateFileW(ToUtf16(exe).c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    ::CloseHandle(created);
    test::ModalCloser closer;  // a failure says so in a message box
    EXPECT_EQ(CreateLink(nullptr, exe, LinkIn(folder), "TBK"), S_OK);
    EXPECT_EQ(ReadLink(LinkIn(folder)), std::pair(exe, std::string("TBK")));
    EXPECT_TRUE(closer.Seen().empty());
}

TEST_F(ShortcutTest, MissingOrTooLongValueFallsBackToTheShellsFolder) {
    char shellDesktop[MAX_PATH] = {};
    ASSERT_EQ(::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT,
                                 shellDesktop),
              S_OK);
    const std::string fallback = LinkIn(shellDesktop);
    ASSERT_FALSE(Exists(fallback));
    outside.push_back(fallback);

    folders[0].reset();
    MakeOne(0);
    EXPECT_TRUE(Exists(fallback));
    ::DeleteFileA(fallback.c_str());

    // 99 characters and the terminator fit in the 100 bytes; one more does not.
    const std::string longest = dir.File(std::string(99 - dir.Path().size() - 1, 'x'));
    const std::string tooLong = longest + "y";
    ASSERT_EQ(longest.size(), 99u);
    for (const std::string* path : {&longest, &tooLong}) {
        ::CreateDirectoryA(path->c_str(), nullptr);
        folders[0] = *path;
        MakeOne(0);
    }
    EXPECT_TRUE(Exists(LinkIn(longest)));
    EXPECT_FALSE(Exists(LinkIn(tooLong)));
    EXPECT_TRUE(Exists(fallback));
    EXPECT_TRUE(shown.empty());
}

TEST_F(ShortcutTest, AFolderThatDoesNotExistSaysSaveFailed) {
    folders[0] = dir.File("missing");
    MakeOne(0);
    EXPECT_FALSE(Exists(*folders[0]));
    EXPECT_FALSE(Exists(LinkIn(*folders[0])));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("blenker_win_tests | ", 0), 0u) << shown[0];
    EXPECT_NE((shown[0] + " |").find(" | Save failed ! |"), std::string::npos) << shown[0];
}

}  // namespace
}  // namespace blenker
