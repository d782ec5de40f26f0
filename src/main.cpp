// Blenker.exe. For now the program is its scan engine on a small window: the window's caption
// tells whether scanning is on, the scan timer runs one pass per tick with the stored delay and
// options, and closing the window stores the delay, the state and the close count. The title
// list, its file and the main dialog come next.
#include "framework/win32.h"

#include "app/registry_profile_store.h"
#include "app/settings.h"
#include "app/version.h"
#include "framework/window.h"
#include "scan/scan_engine.h"
#include "scan/scan_schedule.h"
#include "scan/win32_desktop.h"
#include "scan/window_scan_host.h"
#include "titles/title_list.h"

namespace blenker {
namespace {

class ScanWindow : public Window {
  public:
    explicit ScanWindow(ProfileStore& store)
        : m_engine(m_titles, store), m_schedule(m_host, store, m_engine, kVersionText) {}

    bool Start() {
        if (!Create("The Blenker", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 360, 120)) {
            return false;
        }
        m_host.Attach(Hwnd());
        m_engine.LoadOptions();
        m_schedule.StartupState();
        ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
        return true;
    }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_TIMER:
                if (m_engine.OnTimer(m_desktop, static_cast<unsigned>(wParam))) {
                    return 0;
                }
                break;
            case WM_CLOSE:
                m_schedule.End();
                ::DestroyWindow(Hwnd());
                return 0;
            case WM_DESTROY:
                ::PostQuitMessage(0);
                return 0;
            default:
                break;
        }
        return Window::OnMessage(message, wParam, lParam);
    }

  private:
    TitleList m_titles;
    Win32Desktop m_desktop;
    WindowScanHost m_host;
    ScanEngine m_engine;
    ScanSchedule m_schedule;
};

}  // namespace
}  // namespace blenker

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    auto store = blenker::RegistryProfileStore::ForThisExecutable();
    blenker::ScanWindow window(store);
    if (!window.Start()) {
        return 1;
    }
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
