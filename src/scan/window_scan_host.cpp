#include "scan/window_scan_host.h"

#include "scan/scan_engine.h"

namespace blenker {

unsigned WindowScanHost::SetScanTimer(int periodMs) {
    return static_cast<unsigned>(
        ::SetTimer(m_window, kScanTimerId, static_cast<UINT>(periodMs), nullptr));
}

void WindowScanHost::KillScanTimer() {
    ::KillTimer(m_window, kScanTimerId);
}

void WindowScanHost::SetCaption(const std::string& caption) {
    ::SetWindowTextA(m_window, caption.c_str());
}

}  // namespace blenker
