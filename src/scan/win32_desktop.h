// The desktop of the running Windows session, as the scan pass sees it.
#pragma once

#include "framework/win32.h"

#include "scan/desktop.h"

namespace blenker {

class Win32Desktop : public Desktop {
  public:
    // How long a close request waits for a busy window before the pass goes on.
    static constexpr UINT kCloseTimeoutMs = 3000;

    void EnumTopLevel(const std::function<bool(WindowRef)>& visit) override;
    std::string Title(WindowRef window) override;
    std::string ClassName(WindowRef window) override;
    ClientSize ClientArea(WindowRef window) override;
    CloseRequest RequestClose(WindowRef window) override;
    void PlayWave(const std::string& path) override;

    static HWND ToHwnd(WindowRef window) { return reinterpret_cast<HWND>(window); }
    static WindowRef FromHwnd(HWND hwnd) { return reinterpret_cast<WindowRef>(hwnd); }
};

}  // namespace blenker
