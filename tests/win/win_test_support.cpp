#include "win_test_support.h"

#include <cstring>
#include <vector>

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

HelperPopup::HelperPopup(const std::string& title, int width, int height, Mode mode)
    : m_title(title) {
    char exe[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path(exe, length);
    path.resize(path.find_last_of('\\') + 1);
    path += "popup_helper.exe";
    std::string command = "\"" + path + "\" \"" + title + "\" " + std::to_string(width) + " " +
                          std::to_string(height) +
                          (mode == Mode::Hidden ? " hidden"
                           : mode == Mode::Hung ? " hang"
                                                : "");
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (::CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &info)) {
        ::CloseHandle(info.hThread);
        m_process.Reset(info.hProcess);
    }
}

HelperPopup::~HelperPopup() {
    if (m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.Get(), 9);
        ::WaitForSingleObject(m_process.Get(), 5000);
    }
}

HWND HelperPopup::WaitForWindow() {
    HWND found = nullptr;
    PumpUntil([&] { return (found = ::FindWindowA(nullptr, m_title.c_str())) != nullptr; });
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
        key.Release();
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

}  // namespace blenker::test
