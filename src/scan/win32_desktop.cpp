#include "scan/win32_desktop.h"

#include <mmsystem.h>

#include <iterator>

#include "framework/text.h"
#include "scan/window_title.h"
#include "scan/scan_engine.h"

namespace blenker {

namespace {

BOOL CALLBACK VisitWindow(HWND hwnd, LPARAM visit) {
    const auto& visitor = *reinterpret_cast<const std::function<bool(WindowRef)>*>(visit);
    try {
        return visitor(Win32Desktop::FromHwnd(hwnd)) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;  // no exception crosses the system's code: the pass ends here
    }
}

}  // namespace

void Win32Desktop::EnumTopLevel(const std::function<bool(WindowRef)>& visit) {
    ::EnumWindows(&VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

std::string Win32Desktop::Title(WindowRef window) {
    // One unit more than the pass keeps, so that the cut sees whether the last unit it keeps
    // begins a surrogate pair, which it then drops whole (ScanEngine::ReadTitle).
    wchar_t title[kMaxTitleUnits + 2];
    const int length = ::GetWindowTextW(ToHwnd(window), title, static_cast<int>(std::size(title)));
    return ToUtf8(std::wstring_view(title, length > 0 ? static_cast<std::size_t>(length) : 0));
}

std::string Win32Desktop::ClassName(WindowRef window) {
    wchar_t name[256];
    const int length = ::GetClassNameW(ToHwnd(window), name, static_cast<int>(std::size(name)));
    return ToUtf8(std::wstring_view(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

ClientSize Win32Desktop::ClientArea(WindowRef window) {
    RECT client{};
    ::GetClientRect(ToHwnd(window), &client);
    return {client.right, client.bottom};
}

CloseRequest Win32Desktop::RequestClose(WindowRef window) {
    // A window whose thread does not answer must not freeze the program: the request waits a
    // few seconds at most, and not at all for a thread the system sees as hung.
    DWORD_PTR result = 0;
    ::SetLastError(ERROR_SUCCESS);
    if (::SendMessageTimeoutW(ToHwnd(window), WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG,
                              kCloseTimeoutMs, &result) != 0) {
        return CloseRequest::Delivered;
    }
    // A time-out may leave no error behind. Any other failure is a request that never arrived:
    // the system shields a window of an elevated program from a normal one (access denied).
    const DWORD error = ::GetLastError();
    return error == ERROR_TIMEOUT || error == ERROR_SUCCESS ? CloseRequest::TimedOut
                                                            : CloseRequest::Refused;
}

void Win32Desktop::PlayWave(const std::string& path) {
    ::PlaySoundW(ToUtf16(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

}  // namespace blenker
