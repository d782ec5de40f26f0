#include "framework/dpi.h"

#include "framework/gdi.h"
#include "framework/unique_handle.h"

namespace blenker {

namespace {

// A function of user32 that older systems lack, or null.
template <typename Function>
Function User32Function(const char* name) {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
               : nullptr;
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return ScreenDpi();
}

int PointDpi(POINT point) {
    // Shcore's GetDpiForMonitor (Windows 8.1 and later); the screen's DPI before.
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const UniqueModule shcore(::LoadLibraryW(L"shcore.dll"));
    static const auto forMonitor =
        shcore ? reinterpret_cast<GetDpiForMonitorFn>(
                     reinterpret_cast<void*>(::GetProcAddress(shcore.Get(), "GetDpiForMonitor")))
               : nullptr;
    UINT dpiX = 0;
    UINT dpiY = 0;
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    if (forMonitor != nullptr &&
        SUCCEEDED(forMonitor(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), kEffectiveDpi,
                             &dpiX, &dpiY)) &&
        dpiY != 0) {
        return static_cast<int>(dpiY);
    }
    return ScreenDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        return forDpi(index, static_cast<UINT>(dpi));
    }
    // One DPI for the screen: the system's value is for that DPI.
    return ::MulDiv(::GetSystemMetrics(index), dpi, ScreenDpi());
}

void LayOutOwnDpiChanges(HWND dialog) {
    using SetBehaviorFn =
        BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static const auto setBehavior = User32Function<SetBehaviorFn>("SetDialogDpiChangeBehavior");
    if (setBehavior != nullptr) {
        setBehavior(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    }
}

}  // namespace blenker
