// The scan schedule's host on a real window: timer 1 of the window and its caption. The lamp
// (which every host must draw) and the controls belong to the main dialog.
#pragma once

#include "framework/win32.h"

#include "scan/scan_schedule.h"

namespace blenker {

class WindowScanHost : public ScanHost {
  public:
    explicit WindowScanHost(HWND window = nullptr) : m_window(window) {}

    void Attach(HWND window) { m_window = window; }

    unsigned SetScanTimer(int periodMs) override;
    void KillScanTimer() override;
    void SetCaption(const std::string& caption) override;
    void RefreshControls() override {}

  private:
    HWND m_window;
};

}  // namespace blenker
