// popup_helper "<title>" [width height] [hidden|hang]
// Opens one borderless window (its client area is width x height) and ends with exit code 0
// when the window is destroyed, or 3 when nobody closed it within 30 seconds. With "hang" the
// thread blocks for 20 seconds before it handles any message, as a hung program does.
#include "framework/win32.h"

#include <cstdlib>
#include <cstring>

#include "framework/window.h"

namespace {

constexpr UINT_PTR kGiveUpTimer = 7;

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    const int width = argc >= 4 ? std::atoi(argv[2]) : 200;
    const int height = argc >= 4 ? std::atoi(argv[3]) : 100;
    const bool hidden = argc >= 5 && std::strcmp(argv[4], "hidden") == 0;
    const bool hang = argc >= 5 && std::strcmp(argv[4], "hang") == 0;
    Popup popup;
    if (!popup.Create(argv[1], WS_POPUP | (hidden ? 0 : WS_VISIBLE), 40, 40, width, height)) {
        return 2;
    }
    ::SetTimer(popup.Hwnd(), kGiveUpTimer, 30000, nullptr);
    if (hang) {
        ::Sleep(20000);
    }
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    return 0;
}
