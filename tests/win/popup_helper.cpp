// popup_helper "<title>" [width height] [hidden|hang|utf8]
// Opens one borderless window (its client area is width x height) and ends with exit code 0
// when the window is destroyed, or 3 when nobody closed it within 30 seconds. With "hang" the
// thread blocks for 20 seconds before it handles any message, as a hung program does. With
// "utf8" the title is UTF-8 and the window is a Unicode one holding it in UTF-16, as today's
// browsers' windows do (so a character with no ANSI byte stays in the title).
#include "framework/win32.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/window.h"

namespace {

constexpr UINT_PTR kGiveUpTimer = 7;
constexpr UINT kGiveUpMs = 30000;

class Popup : public blenker::Window {
  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == kGiveUpTimer) {
            ::ExitProcess(3);
        }
        if (message == WM_DESTROY) {
            ::PostQuitMessage(0);
        }
        return Window::OnMessage(message, wParam, lParam);
    }
};

LRESULT CALLBACK WidePopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kGiveUpTimer) {
        ::ExitProcess(3);
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

std::wstring FromUtf8(const char* text) {
    std::wstring wide(std::strlen(text), L'\0');
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), static_cast<int>(wide.size()) + 1);
    wide.resize(length > 0 ? static_cast<std::size_t>(length) - 1 : 0);
    return wide;
}

// A window of a Unicode class, titled with the UTF-8 text.
blenker::UniqueWindow CreateWidePopup(const char* utf8Title, int width, int height) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &WidePopupProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"BlenkerWidePopup";
    ::RegisterClassW(&windowClass);
    return blenker::UniqueWindow(::CreateWindowExW(
        0, windowClass.lpszClassName, FromUtf8(utf8Title).c_str(), WS_POPUP | WS_VISIBLE, 40, 40,
        width, height, nullptr, nullptr, windowClass.hInstance, nullptr));
}

int RunMessageLoop(HWND window, bool hang) {
    ::SetTimer(window, kGiveUpTimer, kGiveUpMs, nullptr);
    if (hang) {
        ::Sleep(20000);
    }
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    const int width = argc >= 4 ? std::atoi(argv[2]) : 200;
    const int height = argc >= 4 ? std::atoi(argv[3]) : 100;
    const char* mode = argc >= 5 ? argv[4] : "";
    if (std::strcmp(mode, "utf8") == 0) {
        blenker::UniqueWindow popup = CreateWidePopup(argv[1], width, height);
        return popup ? RunMessageLoop(popup.Get(), false) : 2;
    }
    Popup popup;
    const bool hidden = std::strcmp(mode, "hidden") == 0;
    if (!popup.Create(argv[1], WS_POPUP | (hidden ? 0 : WS_VISIBLE), 40, 40, width, height)) {
        return 2;
    }
    return RunMessageLoop(popup.Hwnd(), std::strcmp(mode, "hang") == 0);
}
