// The scan schedule's host on a real window: timer 1 of the window, its caption, and the window
// events handed to it. The lamp (which every host must draw) and the controls belong to the
// main dialog.
#pragma once

#include "framework/win32.h"

#include "scan/scan_schedule.h"
#include "scan/window_event_hooks.h"

namespace blenker {

class WindowScanHost : public ScanHost {
  public:
    explicit WindowScanHost(HWND window = nullptr) : m_window(window), m_hooks(window) {}

    void Attach(HWND window) {
        m_window = window;
        m_hooks.Attach(window);
    }

    unsigned SetScanTimer(int periodMs) override;
    void KillScanTimer() override;
    void SetCaption(const std::string& caption) override;
    void RefreshControls() override {}
    // The events come to the window as WM_WINDOW_APPEARED.
    bool ListenToWindowEvents(bool on) override { return m_hooks.Listen(on); }

  private:
    HWND m_window;
    WindowEventHooks m_hooks;
};

}  // namespace blenker
