// popup_helper "<title>" [width height] [hidden|hang]
// Opens one borderless window (its client area is width x height) and ends with exit code 0
// when the window is destroyed, or 3 when nobody closed it within 30 seconds. With "hang" the
// thread blocks for 20 seconds before it handles any message, as a hung program does. The
// title comes from the UTF-16 command line, so a window in any script can be opened.
#include "framework/win32.h"

#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/text.h"
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

int RunMessageLoop(HWND window, bool hang) {
    ::SetTimer(window, kGiveUpTimer, kGiveUpMs, nullptr);
    if (hang) {
        ::Sleep(20000);
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    std::vector<std::string> argv;
    for (int i = 0; i < argc; ++i) {
        argv.push_back(blenker::ToUtf8(wide[i]));
    }
    ::LocalFree(wide);
    if (argc < 2) {
        return 2;
    }
    const int width = argc >= 4 ? std::atoi(argv[2].c_str()) : 200;
    const int height = argc >= 4 ? std::atoi(argv[3].c_str()) : 100;
    const std::string mode = argc >= 5 ? argv[4] : "";
    Popup popup;
    const DWORD style = WS_POPUP | (mode == "hidden" ? 0 : WS_VISIBLE);
    if (!popup.Create(argv[1].c_str(), style, 40, 40, width, height)) {
        return 2;
    }
    return RunMessageLoop(popup.Hwnd(), mode == "hang");
}
