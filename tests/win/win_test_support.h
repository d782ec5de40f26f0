// Helpers of the Win32 tests: message pumping, popup windows in this process and in a helper
// process, and a registry settings store of the test's own.
#pragma once

#include "framework/win32.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "store/registry_profile_store.h"
#include "framework/unique_handle.h"
#include "framework/window.h"

namespace blenker::test {

// Dispatches this thread's messages for the given time.
void PumpMessages(DWORD milliseconds);
// Dispatches messages until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// A borderless window of this process: its client area is exactly width x height.
class TestPopup : public Window {
  public:
    explicit TestPopup(const char* title, int width = 200, int height = 100, bool visible = true,
                       HWND owner = nullptr);
    bool Alive() const { return Hwnd() != nullptr && ::IsWindow(Hwnd()); }
};

// The folder of the test programs (popup_helper.exe beside them), with a trailing backslash.
std::string TestBinDir();

// Starts a program; an empty handle when it cannot be started.
UniqueKernelHandle StartProcess(const std::string& exe, const std::string& arguments,
                                const std::string& workDir);

// Starts a program of this machine, not of Wine's (a Unix path such as "/bin/sh"; the command
// line names the program first). Wine gives no process handle for it: it reports by a file or a
// connection instead. False when it cannot be started.
bool StartMachineProgram(const std::string& unixPath, std::string commandLine);

// The X server's own picture of a part of the screen, row by row: what the user sees. Wine's GDI
// read of the screen returns its window surfaces, which need not be what reached the X server.
// Empty when it cannot be read within 10 s; messages are dispatched meanwhile.
std::vector<COLORREF> XScreenPixels(const RECT& area);

// A popup window in another process (popup_helper.exe beside the test executable).
class HelperPopup {
  public:
    enum class Mode { Shown, Hidden, Hung };
    explicit HelperPopup(const std::string& title, int width = 200, int height = 100,
                         Mode mode = Mode::Shown);
    ~HelperPopup();
    // The helper's window, once it exists (waits up to 5 s).
    HWND WaitForWindow();
    // The helper's exit code once it ended within the time, otherwise STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs = 5000);

  private:
    std::string m_title;
    UniqueKernelHandle m_process;
};

// A settings store under a key of its own, removed before and after the test.
class ScopedRegistryStore : public RegistryProfileStore {
  public:
    explicit ScopedRegistryStore(const std::string& application);
    ~ScopedRegistryStore() override;
};

// Closes the modal windows that this thread opens (dialogs and message boxes) while it lives:
// a thread timer, which fires inside their modal loops, hands each new visible dialog to the
// action (by default: press OK) and keeps the texts it showed.
class ModalCloser {
  public:
    using Action = std::function<void(HWND dialog)>;
    explicit ModalCloser(Action action = nullptr);
    ~ModalCloser();
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;

    // A window that stays open (the main dialog).
    void Ignore(HWND window) { m_ignored.push_back(window); }
    // The texts of the windows met: caption and controls, joined by " | ".
    const std::vector<std::string>& Seen() const { return m_seen; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Check();

    Action m_action;
    UINT_PTR m_timer = 0;
    std::vector<HWND> m_ignored;
    std::vector<std::string> m_seen;
};

// The user's system proxy setting names this address ("host:port") while it lives, so that the
// program's downloads go to a loopback server; the setting is removed afterwards.
class ScopedProxy {
  public:
    explicit ScopedProxy(const std::string& address);
    ~ScopedProxy();
    ScopedProxy(const ScopedProxy&) = delete;
    ScopedProxy& operator=(const ScopedProxy&) = delete;
};

// The entries of a list box of any process, in their order.
std::vector<std::string> ListBoxTexts(HWND list);

// The text of a window (its caption, or a control's text).
std::string WindowText(HWND window);

// The caption and every control text of a window, joined by " | ".
std::string WindowTexts(HWND window);

// A folder of its own under the temporary folder (or the folders "inner" inside it, named in
// UTF-8), the current directory while it lives.
class ScopedWorkDir {
  public:
    explicit ScopedWorkDir(const std::string& inner = "");
    ~ScopedWorkDir();
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

  private:
    std::string m_top;
    std::string m_path;
    std::wstring m_previous;
};

// Paths, titles and texts of these helpers are UTF-8.
// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// How many more GDI objects this process can create: brushes are made until the system refuses
// one, then all deleted again. The process's limit less this number is the number of GDI
// objects alive, which GetGuiResources does not report under Wine (it answers 0).
std::size_t FreeGdiObjects();
// The most that FreeGdiObjects counts: a system without a lower limit answers this.
inline constexpr std::size_t kGdiCountCap = 1'000'000;

// The GDI objects that a stretch of a test leaves alive: free objects counted at construction
// and again by Added. The first count must be usable: at the cap both counts come out equal and
// every leak would pass unseen, and almost no room left means the count measures nothing.
class GdiObjectCount {
  public:
    GdiObjectCount() : m_before(FreeGdiObjects()) {}
    ::testing::AssertionResult Usable() const;
    // Objects alive now that were not at construction (0 where some were freed meanwhile).
    std::size_t Added() const;

  private:
    std::size_t m_before;
};

// The colour a window shows at this point of its client area, as it was last painted.
COLORREF WindowPixel(HWND window, int x, int y);

// A user's left click at this point of the screen: the cursor moves there, then the button goes
// down and up through the system's input, so the capture and the hit test decide which window
// gets each message (messages posted to a window would bypass both).
void RealClick(POINT screen);
// The centre of a window on the screen.
POINT CentreOf(HWND window);
// The window holding the mouse capture in the thread of this window, null when none does.
HWND CaptureInThreadOf(HWND window);

// The visible top-level windows of this thread of a window class ("#32770": dialogs).
std::vector<HWND> ShownThreadWindows(const char* className);

// The number of top-level windows of this thread, tool tips included.
std::size_t ThreadWindowCount();

// Whether the program's notification icon of this window exists (a modification without
// flags fails when there is none), and its removal, as a restart of the shell does.
bool TrayIconExists(HWND owner);
void DeleteTrayIcon(HWND owner);

// Removes a key tree under HKEY_CURRENT_USER.
void DeleteKeyTree(const std::string& path);

// The raw registry value, to check what the store wrote: its type and bytes.
struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
    bool found = false;
    DWORD Number() const;
};
RawValue ReadRawValue(const std::string& keyPath, const char* name);

// Real input through the X server, as a user's hands give it: runs "xdotool <arguments>" (for
// example "mousemove 10 20 click 3" or "key Tab") and returns once it ended, messages dispatched
// meanwhile. Wine's own SendInput does not take the X server's way. False when it did not run.
bool XInput(const std::string& arguments);

}  // namespace blenker::test
