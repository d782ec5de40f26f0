// The system's window events for the instant blenk: two out-of-context hooks, without the
// program's own windows, on the thread of the window that asks for them. Each event that counts
// is handed to that window as a posted WM_WINDOW_APPEARED (wParam: the window), so that it is
// handled in turn with the window's other messages, as a tick of the scan timer is.
#pragma once

#include <vector>

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

inline constexpr UINT WM_WINDOW_APPEARED = WM_USER + 1002;

class WindowEventHooks {
  public:
    explicit WindowEventHooks(HWND target = nullptr) : m_target(target) {}
    ~WindowEventHooks() { Listen(false); }
    WindowEventHooks(const WindowEventHooks&) = delete;
    WindowEventHooks& operator=(const WindowEventHooks&) = delete;

    void Attach(HWND target) { m_target = target; }
    // Sets the hooks (true) or removes them (false); false when they could not all be set.
    bool Listen(bool on);

  private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                                 LONG childId, DWORD thread, DWORD time);

    HWND m_target;
    std::vector<UniqueWinEventHook> m_hooks;
};

}  // namespace blenker
