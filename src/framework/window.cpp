#include "framework/window.h"

#include <windowsx.h>

#include <iterator>
#include <vector>

#include "framework/text.h"

namespace blenker {

namespace {
constexpr wchar_t kClassName[] = L"BlenkerWindow";
}  // namespace

std::string WholeWindowText(HWND window) {
    std::vector<wchar_t> text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1);
    const int length = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return ToUtf8(
        std::wstring_view(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0));
}

UniqueFont AnyScriptFont(HFONT like) {
    LOGFONTW description{};
    if (::GetObjectW(like, sizeof description, &description) == 0) {
        return UniqueFont();
    }
    ::lstrcpynW(description.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
    description.lfCharSet = DEFAULT_CHARSET;
    return UniqueFont(::CreateFontIndirectW(&description));
}

RECT WindowRectIn(HWND window, HWND parent) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

Rect WorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    }
    return ToRect(monitor.rcWork);
}

bool IsOfClass(HWND window, const wchar_t* className, LONG mask, LONG style) {
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return ::lstrcmpiW(name, className) == 0 &&
           (::GetWindowLongW(window, GWL_STYLE) & mask) == style;
}

LRESULT HitTestAsCaption(LRESULT hit, LPARAM lParam, HWND except) {
    RECT excluded{};
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (except != nullptr && ::GetWindowRect(except, &excluded) && ::PtInRect(&excluded, at)) {
        return hit;
    }
    return hit == HTCLIENT ? HTCAPTION : hit;
}

Window::~Window() {
    // Detach first: the destruction's messages must not reach a half-destroyed object.
    if (m_window) {
        ::SetWindowLongPtrW(m_window.Get(), GWLP_USERDATA, 0);
    }
}

bool Window::Create(const char* title, DWORD style, int x, int y, int width, int height,
                    DWORD exStyle, HWND parent) {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Window::WindowProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kClassName;
        return ::RegisterClassExW(&wc) != 0;
    }();
    if (!registered || m_window) {
        return false;
    }
    // The object travels in the creation data and is attached at WM_NCCREATE, so that the
    // messages sent before CreateWindowEx returns reach it too.
    return ::CreateWindowExW(exStyle, kClassName, ToUtf16(title).c_str(), style, x, y, width,
                             height, parent, nullptr, ::GetModuleHandleW(nullptr), this) != nullptr;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(Hwnd(), message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Window*>(created->lpCreateParams);
        self->m_window.Reset(hwnd);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_QUERYENDSESSION) {
        return TRUE;  // the session may always end: no window refuses it or waits first
    }
    LRESULT result = 0;
    try {
        result = self->OnMessage(message, wParam, lParam);
    } catch (...) {
        // No exception crosses the system's code: the message gets the default handling.
        result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_window.Release();
    }
    return result;
}

}  // namespace blenker
