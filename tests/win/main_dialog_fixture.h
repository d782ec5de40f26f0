// The main dialog of the program, created in the test process over a title file and a settings
// store of the test's own, driven by the messages a user's clicks and keys send.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/win_app.h"
#include "framework/dialog_colors.h"
#include "mainwnd/blenker_dlg.h"
#include "resource.h"
#include "win_test_support.h"

namespace blenker::test {

inline constexpr char kAppKey[] = "Software\\Vorlen\\blenker_win_tests";
inline constexpr char kTenTitles[] = "a0\r\nb1\r\nc2\r\nd3\r\ne4\r\nf5\r\ng6\r\nh7\r\ni8\r\nj9\r\n";

class MainDialogFixture : public ::testing::Test {
  protected:
    MainDialogFixture() {
        DeleteKeyTree(kAppKey);
        ::SetFileAttributesA(dir.File("Blenked.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    ~MainDialogFixture() override {
        ::SetFileAttributesA(dir.File("Blenked.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
        if (dialog && dialog->Hwnd()) {
            ::DestroyWindow(dialog->Hwnd());
        }
        dialog.reset();
        DeleteKeyTree(kAppKey);
        SetDialogColors(RGB(0, 0, 0), RGB(255, 255, 255));  // a test may have changed them
    }

    // Starts the application object and creates the main dialog, shown, over this title file
    // (none: no file). "Version" is stored first unless this is to be a first run. The release
    // check is off unless a test sets releaseCheck: these tests stay off the network.
    void Open(const char* titleFile, bool firstRun = false, bool show = true) {
        if (titleFile) {
            WriteFileBytes(dir.File("Blenked.txt"), titleFile);
        }
        RegistryProfileStore store(kRegistryKeyName, "blenker_win_tests");
        store.WriteNumber("Settings", "UpdateExe", releaseCheck ? 1 : 0);
        if (!firstRun) {
            store.WriteNumber("", "Version", 2005);
        }
        app.InitInstance();
        dialog = std::make_unique<CBlenkerDlg>(openTitleFile, notifyIcon);
        ASSERT_TRUE(dialog->Create());
        if (show) {
            ::ShowWindow(dialog->Hwnd(), SW_SHOW);
        }
    }

    void Click(int id) { ::SendMessageA(dialog->Item(id), BM_CLICK, 0, 0); }
    void Type(const char* text) { dialog->SetItemText(IDC_TITLE_EDIT, text); }
    std::string Field(int id) { return dialog->ItemText(id); }
    std::string Caption() { return WindowText(dialog->Hwnd()); }
    // Keys reach the dialog through its loop's IsDialogMessage.
    void Key(int id, WPARAM key) {
        MSG msg{dialog->Item(id), WM_KEYDOWN, key, 0, 0, {}};
        ::IsDialogMessageA(dialog->Hwnd(), &msg);
    }
    std::vector<std::string> ListBox() { return ListBoxTexts(dialog->Item(IDC_TITLE_LIST)); }
    DWORD Stored(const char* section, const char* key) {
        return ReadRawValue(std::string(kAppKey) + (*section ? "\\" : "") + section, key).Number();
    }

    ScopedWorkDir dir;
    bool releaseCheck = false;  // Open starts the release check as a user's setting would
    OpenBytesFn openTitleFile = &OpenFileBytes;      // how the dialog reads "Blenked.txt"
    NotifyIconFn notifyIcon = &::Shell_NotifyIconW;  // where the icon's data goes
    VWinApp app;
    std::unique_ptr<CBlenkerDlg> dialog;
};

}  // namespace blenker::test
