#include "framework/subclassed_window.h"

#include <commctrl.h>

namespace blenker {

namespace {
constexpr UINT_PTR kSubclassId = 1;
}  // namespace

SubclassedWindow::~SubclassedWindow() {
    Detach();
}

bool SubclassedWindow::Subclass(HWND window) {
    if (m_hwnd != nullptr || window == nullptr ||
        !::SetWindowSubclass(window, &SubclassedWindow::SubclassProc, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    m_hwnd = window;
    return true;
}

void SubclassedWindow::Detach() {
    if (m_hwnd != nullptr) {
        ::RemoveWindowSubclass(m_hwnd, &SubclassedWindow::SubclassProc, kSubclassId);
        m_hwnd = nullptr;
    }
}

LRESULT SubclassedWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT SubclassedWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::DefSubclassProc(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedWindow::SubclassProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto& object = *reinterpret_cast<SubclassedWindow*>(self);
    if (message == WM_NCDESTROY) {
        object.Detach();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (message == WM_QUERYENDSESSION) {
        return TRUE;  // the session may always end: no window refuses it or waits first
    }
    try {
        return object.OnMessage(message, wParam, lParam);
    } catch (...) {
        // No exception crosses the system's code: the window handles the message itself.
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace blenker
