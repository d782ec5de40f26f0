// What the end-to-end tests share: a copy of the real Blenker.exe with a settings store and a
// folder of its own, started and closed as a user does, and the windows it shows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/text.h"
#include "resource.h"
#include "store/registry_profile_store.h"
#include "win_test_support.h"

namespace blenker {

struct Found {
    DWORD process;
    int control;
    HWND dialog;
    bool hiddenToo = false;
};

inline BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    auto& found = *reinterpret_cast<Found*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char name[16] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (owner == found.process && (found.hiddenToo || ::IsWindowVisible(window)) &&
        std::string(name) == "#32770" &&
        (found.control == 0 || ::GetDlgItem(window, found.control) != nullptr)) {
        found.dialog = window;
        return FALSE;
    }
    return TRUE;
}

// A visible dialog of the process that holds this control (any dialog for 0), or null; with
// hiddenToo, a hidden one too.
inline HWND DialogOf(DWORD process, int control, bool hiddenToo = false) {
    Found found{process, control, nullptr, hiddenToo};
    ::EnumWindows(&FindDialog, reinterpret_cast<LPARAM>(&found));
    return found.dialog;
}

inline HWND WaitForDialog(DWORD process, int control, bool hiddenToo = false) {
    HWND dialog = nullptr;
    test::PumpUntil([&] { return (dialog = DialogOf(process, control, hiddenToo)) != nullptr; },
                    15000);
    return dialog;
}

inline bool WaitForExit(HANDLE process, DWORD timeoutMs) {
    return ::WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
}

// A copy of Blenker.exe under a name of its own, in an empty folder of its own (or in the
// folders "inner" inside it): a fresh settings store and no title file, as on a user's first
// start.
class ProgramCopy {
  public:
    explicit ProgramCopy(const std::string& inner = "") : m_dir(inner) {
        static int counter = 0;
        m_name = "Blenker_e2e_" + std::to_string(::GetCurrentProcessId()) + "_" +
                 std::to_string(++counter);
        m_exe = m_dir.File(m_name + ".exe");
        ::CopyFileW(ToUtf16(test::TestBinDir() + "..\\..\\Blenker.exe").c_str(),
                    ToUtf16(m_exe).c_str(), FALSE);
        test::DeleteKeyTree(Key());
    }
    ~ProgramCopy() {
        for (auto& process : m_processes) {
            if (!WaitForExit(process.Get(), 0)) {
                ::TerminateProcess(process.Get(), 9);
                WaitForExit(process.Get(), 5000);
            }
        }
        test::DeleteKeyTree(Key());
    }

    // Starts the program in its folder; returns its process handle. With a proxy address
    // ("host:port"), the program's system proxy setting names it.
    HANDLE Start(const std::string& proxy = "") {
        if (!proxy.empty()) {
            ::SetEnvironmentVariableA("http_proxy", ("http://" + proxy).c_str());
        }
        m_processes.push_back(test::StartProcess(m_exe, "", m_dir.Path()));
        if (!proxy.empty()) {
            ::SetEnvironmentVariableA("http_proxy", nullptr);
        }
        return m_processes.back().Get();
    }
    RegistryProfileStore Store() const { return RegistryProfileStore(kRegistryKeyName, m_name); }
    // A user who ran the program before: "Version" stored and a title file in place.
    void MakeReturningUser(const std::string& titles) {
        Store().WriteNumber("", "Version", 2005);
        test::WriteFileBytes(File("Blenked.txt"), titles);
    }
    std::string Key() const { return "Software\\Vorlen\\" + m_name; }
    std::string File(const std::string& name) const { return m_dir.File(name); }
    const std::string& Name() const { return m_name; }

  private:
    test::ScopedWorkDir m_dir;
    std::string m_name;
    std::string m_exe;
    std::vector<UniqueKernelHandle> m_processes;
};

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
    auto& [process, windows] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == process) {
        windows.push_back(window);
    }
    return TRUE;
}

// A returning user's program with these titles, shown, with no release check; its main window.
inline HWND StartShown(ProgramCopy& program, HANDLE& process,
                       const std::string& titles = "Some popup\r\n") {
    program.MakeReturningUser(titles);
    program.Store().WriteNumber("Settings", "UpdateExe", 0);
    process = program.Start();
    return WaitForDialog(::GetProcessId(process), IDC_TITLE_LIST);
}

// Closes the program by its main window; true once it ended.
inline bool CloseProgram(HWND main, HANDLE process) {
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    return WaitForExit(process, 10000);
}

// A returning user's program, shown, for a test that ends by closing it.
class ShownProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(main = StartShown(program, process), nullptr); }
    void TearDown() override { EXPECT_TRUE(main == nullptr || CloseProgram(main, process)); }

    ProgramCopy program;
    HANDLE process = nullptr;
    HWND main = nullptr;
};

// xdotool's move of the pointer to this point of the screen.
inline std::string MoveTo(POINT at) {
    return "mousemove " + std::to_string(at.x) + " " + std::to_string(at.y);
}

// A click of this button ("1" left, "3" right) at this point of the screen.
inline bool XClick(POINT at, int button) {
    return test::XInput(MoveTo(at) + " click " + std::to_string(button));
}

// The windows of class "#32768" or of the given class that the process shows (open menus).
inline std::vector<HWND> ShownWindowsOf(DWORD process, const char* className = "#32768") {
    std::pair<DWORD, std::vector<HWND>> found{process, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&found));
    std::erase_if(found.second, [&](HWND window) {
        char name[64] = {};
        ::GetClassNameA(window, name, sizeof name);
        return !::IsWindowVisible(window) || std::string(name) != className;
    });
    return found.second;
}

// The prefix's scale ("LogPixels" of HKCU\Control Panel\Desktop) for the programs started while
// the object lives (each process reads it as it starts); the value before comes back after.
class ScopedLogPixels {
  public:
    explicit ScopedLogPixels(DWORD dpi) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                          KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr);
        DWORD size = sizeof m_before;
        m_had = ::RegQueryValueExW(m_key, L"LogPixels", nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(&m_before), &size) == ERROR_SUCCESS;
        ::RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                         sizeof dpi);
    }
    ~ScopedLogPixels() {
        if (m_had) {
            ::RegSetValueExW(m_key, L"LogPixels", 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&m_before), sizeof m_before);
        } else {
            ::RegDeleteValueW(m_key, L"LogPixels");
        }
        ::RegCloseKey(m_key);
    }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

  private:
    HKEY m_key = nullptr;
    DWORD m_before = 0;
    bool m_had = false;
};

}  // namespace blenker
