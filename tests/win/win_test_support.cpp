#include "win_test_support.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "framework/text.h"
#include "messages.h"

namespace blenker::test {

void PumpMessages(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (condition()) {
            return true;
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                    static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                    QS_ALLINPUT);
    }
}

TestPopup::TestPopup(const char* title, int width, int height, bool visible, HWND owner) {
    Create(title, WS_POPUP | (visible ? WS_VISIBLE : 0), 60, 60, width, height, 0, owner);
}

std::string TestBinDir() {
    char exe[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path(exe, length);
    path.resize(path.find_last_of('\\') + 1);
    return path;
}

UniqueKernelHandle StartProcess(const std::string& exe, const std::string& arguments,
                                const std::string& workDir) {
    std::wstring line = ToUtf16("\"" + exe + "\" " + arguments);
    const std::wstring dir = ToUtf16(workDir);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(ToUtf16(exe).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          dir.empty() ? nullptr : dir.c_str(), &startup, &info)) {
        return UniqueKernelHandle();
    }
    ::CloseHandle(info.hThread);
    return UniqueKernelHandle(info.hProcess);
}

bool StartMachineProgram(const std::string& unixPath, std::string commandLine) {
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Drive Z: is the machine's root.
    if (!::CreateProcessA(("Z:" + unixPath).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &info)) {
        return false;
    }
    // Wine gives no process handle here, and a thread "handle" that is not one: closing it closed
    // a handle of ours, a socket of another test (seen here).
    if (info.hProcess != nullptr) {
        ::CloseHandle(info.hThread);
        ::CloseHandle(info.hProcess);
    }
    return true;
}

namespace {

// Runs a shell command of this machine that leaves its result in "file" (a Unix path; the command
// writes it whole before it names it so) and waits for it, messages dispatched meanwhile: Wine
// gives no process handle to wait on. The file's path for this process; empty on failure.
std::string RunForFile(const std::string& command, const std::string& file) {
    const std::string winePath = "Z:" + file;
    const bool done =
        StartMachineProgram("/bin/sh", "sh -c \"" + command + "\"") &&
        PumpUntil([&] { return ::GetFileAttributesA(winePath.c_str()) != INVALID_FILE_ATTRIBUTES; },
                  10000);
    return done ? winePath : std::string();
}

// A file name of this process's own under /tmp.
std::string TempName(const char* kind) {
    static int counter = 0;
    return "/tmp/blenker-" + std::string(kind) + "-" + std::to_string(::GetCurrentProcessId()) +
           "-" + std::to_string(++counter);
}

}  // namespace

std::vector<COLORREF> XScreenPixels(const RECT& area) {
    // ImageMagick's import reads the root window in one request, as the screen holds it. Not
    // xwd: it rebuilds the picture window by window, and paints a window of Wine's that lies
    // wholly inside another one black (measured), whatever the screen shows.
    const std::string file = TempName("xscreen");
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const std::string geometry = std::to_string(width) + "x" + std::to_string(height) + "+" +
                                 std::to_string(area.left) + "+" + std::to_string(area.top);
    const std::string winePath =
        RunForFile("import -silent -window root -crop " + geometry +
                       " +repage -depth 8 rgb:" + file + ".part && mv " + file + ".part " + file,
                   file);
    if (winePath.empty()) {
        return {};
    }
    const std::string bytes = ReadFileBytes(winePath);
    ::DeleteFileA(winePath.c_str());
    if (bytes.size() != static_cast<std::size_t>(width) * height * 3) {
        return {};
    }
    std::vector<COLORREF> pixels;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const auto channel = [&](std::size_t k) { return static_cast<BYTE>(bytes[i + k]); };
        pixels.push_back(RGB(channel(0), channel(1), channel(2)));
    }
    return pixels;
}

HelperPopup::HelperPopup(const std::string& title, int width, int height, Mode mode)
    : m_title(title),
      m_process(StartProcess(TestBinDir() + "popup_helper.exe",
                             "\"" + title + "\" " + std::to_string(width) + " " +
                                 std::to_string(height) +
                                 (mode == Mode::Hidden ? " hidden"
                                  : mode == Mode::Hung ? " hang"
                                                       : ""),
                             "")) {}

HelperPopup::~HelperPopup() {
    if (m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.Get(), 9);
        ::WaitForSingleObject(m_process.Get(), 5000);
    }
}

HWND HelperPopup::WaitForWindow() {
    HWND found = nullptr;
    const std::wstring title = ToUtf16(m_title);
    PumpUntil([&] { return (found = ::FindWindowW(nullptr, title.c_str())) != nullptr; });
    return found;
}

DWORD HelperPopup::WaitForExit(DWORD timeoutMs) {
    if (!m_process) {
        return STILL_ACTIVE;
    }
    DWORD code = STILL_ACTIVE;
    PumpUntil([&] { return ::WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0; },
              timeoutMs);
    ::GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

namespace {
ModalCloser* g_closer = nullptr;

BOOL CALLBACK AppendText(HWND child, LPARAM texts) {
    const std::string text = WholeWindowText(child);
    if (!text.empty()) {
        *reinterpret_cast<std::string*>(texts) += " | " + text;
    }
    return TRUE;
}

struct ShownSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectShown(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<ShownSearch*>(data);
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (::IsWindowVisible(window) && ::lstrcmpiA(name, search.className) == 0) {
        search.found.push_back(window);
    }
    return TRUE;
}
}  // namespace

std::vector<HWND> ShownThreadWindows(const char* className) {
    ShownSearch search{className, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectShown, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

COLORREF WindowPixel(HWND window, int x, int y) {
    const HDC dc = ::GetDC(window);
    const COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return color;
}

void RealClick(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    EXPECT_EQ(::SendInput(2, inputs, sizeof(INPUT)), 2u);
}

POINT CentreOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

HWND CaptureInThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndCapture;
}

namespace {

BOOL NotifyIcon(DWORD message, HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    return ::Shell_NotifyIconW(message, &data);
}

}  // namespace

bool TrayIconExists(HWND owner) {
    return NotifyIcon(NIM_MODIFY, owner) != FALSE;
}

void DeleteTrayIcon(HWND owner) {
    NotifyIcon(NIM_DELETE, owner);
}

std::vector<std::string> ListBoxTexts(HWND list) {
    std::vector<std::string> entries;
    const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)),
                          L'\0');
        ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        entries.push_back(ToUtf8(text));
    }
    return entries;
}

std::string WindowText(HWND window) {
    return WholeWindowText(window);
}

std::string WindowTexts(HWND window) {
    std::string texts = WholeWindowText(window);
    ::EnumChildWindows(window, &AppendText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

ModalCloser::ModalCloser(Action action) : m_action(std::move(action)) {
    g_closer = this;
    m_timer = ::SetTimer(nullptr, 0, 50, &ModalCloser::Tick);
}

ModalCloser::~ModalCloser() {
    ::KillTimer(nullptr, m_timer);
    g_closer = nullptr;
}

void CALLBACK ModalCloser::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_closer != nullptr) {
        g_closer->Check();
    }
}

void ModalCloser::Check() {
    for (HWND dialog : ShownThreadWindows("#32770")) {
        if (std::find(m_ignored.begin(), m_ignored.end(), dialog) != m_ignored.end()) {
            continue;
        }
        m_ignored.push_back(dialog);  // once each
        m_seen.push_back(WindowTexts(dialog));
        if (m_action) {
            m_action(dialog);
        } else {
            ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
    }
}

ScopedWorkDir::ScopedWorkDir(const std::string& inner) {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    m_top = ToUtf8(temp) + "blenker_test_" + std::to_string(::GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    m_path = inner.empty() ? m_top : m_top + "\\" + inner;
    std::error_code ignored;
    std::filesystem::create_directories(ToUtf16(m_path), ignored);
    wchar_t current[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, current);
    m_previous = current;
    ::SetCurrentDirectoryW(ToUtf16(m_path).c_str());
}

ScopedWorkDir::~ScopedWorkDir() {
    ::SetCurrentDirectoryW(m_previous.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(ToUtf16(m_top), ignored);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(std::filesystem::path(ToUtf16(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(ToUtf16(path)), std::ios::binary) << bytes;
}

ScopedRegistryStore::ScopedRegistryStore(const std::string& application)
    : RegistryProfileStore(kRegistryKeyName, application) {
    DeleteKeyTree(ApplicationKeyPath());
}

ScopedRegistryStore::~ScopedRegistryStore() {
    DeleteKeyTree(ApplicationKeyPath());
}

void DeleteKeyTree(const std::string& path) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
}

DWORD RawValue::Number() const {
    DWORD number = 0;
    if (bytes.size() == sizeof number) {
        std::memcpy(&number, bytes.data(), sizeof number);
    }
    return number;
}

RawValue ReadRawValue(const std::string& keyPath, const char* name) {
    RawValue value;
    UniqueRegKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, key.Put()) !=
        ERROR_SUCCESS) {
        return value;
    }
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), name, nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return value;
    }
    value.bytes.resize(size);
    value.found =
        ::RegQueryValueExA(key.Get(), name, nullptr, &value.type,
                           reinterpret_cast<BYTE*>(value.bytes.data()), &size) == ERROR_SUCCESS;
    return value;
}

std::size_t FreeGdiObjects() {
    std::vector<UniqueGdiObject> brushes;
    brushes.reserve(70'000);
    while (brushes.size() < kGdiCountCap) {
        UniqueGdiObject brush(::CreateSolidBrush(0x123456));
        if (!brush) {
            break;
        }
        brushes.push_back(std::move(brush));
    }
    return brushes.size();
}

namespace {
constexpr char kInternetSettings[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
}  // namespace

ScopedProxy::ScopedProxy(const std::string& address) {
    const DWORD on = 1;
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyEnable", REG_DWORD, &on,
                      sizeof on);
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer", REG_SZ, address.c_str(),
                      static_cast<DWORD>(address.size() + 1));
}

ScopedProxy::~ScopedProxy() {
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyEnable");
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer");
}

::testing::AssertionResult GdiObjectCount::Usable() const {
    if (m_before >= kGdiCountCap) {
        return ::testing::AssertionFailure()
               << m_before << " free GDI objects: no limit of GDI objects to count against";
    }
    if (m_before <= 1000) {
        return ::testing::AssertionFailure() << "only " << m_before << " free GDI objects";
    }
    return ::testing::AssertionSuccess() << m_before << " free GDI objects";
}

std::size_t GdiObjectCount::Added() const {
    const std::size_t after = FreeGdiObjects();
    return m_before > after ? m_before - after : 0;
}

namespace {
BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<std::size_t*>(count);
    return TRUE;
}
}  // namespace

std::size_t ThreadWindowCount() {
    std::size_t count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

bool XInput(const std::string& arguments) {
    const std::string marker = TempName("xinput");
    const std::string winePath = RunForFile("xdotool " + arguments + "; touch " + marker, marker);
    ::DeleteFileA(winePath.c_str());
    return !winePath.empty();
}

}  // namespace blenker::test
