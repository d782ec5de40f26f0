// The system's window events for the instant blenk: two out-of-context hooks, without the
// program's own windows, on the thread of the window that asks for them. Each event that counts
// is handed to that window as a posted WM_WINDOW_APPEARED (wParam: the window), so that it is
// handled in turn with the window's other messages, as a tick of the scan timer is.
#pragma once

#include <vector>

#include "framework/unique_handle.h"
#include "framework/win32.h"
#include "messages.h"

namespace blenker {

class WindowEventHooks {
  public:
    WindowEventHooks() = default;
    ~WindowEventHooks() { Listen(false, nullptr); }
    WindowEventHooks(const WindowEventHooks&) = delete;
    WindowEventHooks& operator=(const WindowEventHooks&) = delete;

    // Sets the hooks, which hand their events to "target" (true), or removes them (false);
    // false when they could not all be set.
    bool Listen(bool on, HWND target);

  private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                                 LONG childId, DWORD thread, DWORD time);

    std::vector<UniqueWinEventHook> m_hooks;
};

}  // namespace blenker
