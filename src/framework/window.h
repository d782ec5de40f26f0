// A top-level or child window whose messages go to a C++ object.
#pragma once

#include <string>

#include "framework/geometry.h"
#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

// The whole text of a window: its caption, or a control's text.
std::string WholeWindowText(HWND window);

// A window's rectangle in the client coordinates of another window (the screen's with null).
RECT WindowRectIn(HWND window, HWND parent);

// The work area (the screen without the taskbar) of the monitor that shows most of the window.
Rect WorkAreaOf(HWND window);

inline Rect ToRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}
inline RECT ToRECT(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

inline HFONT GetFont(HWND window) {
    return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}
inline void SetFont(HWND window, HFONT font, bool redraw) {
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}
// A font of the same size and weight as this one in "MS Shell Dlg", the face that the system
// maps to a TrueType font linked to fonts of other scripts (the bitmap "MS Sans Serif" of the
// dialogs has Western letters only): for controls that show text in any script.
UniqueFont AnyScriptFont(HFONT like);

// The window's pictures on its caption, the task switcher and the taskbar.
inline void SetIcons(HWND window, HICON big, HICON small) {
    ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

// An icon of the program's resources at a given size (0: the size of the resource's picture).
inline UniqueIcon LoadIconResource(int id, int size) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                        IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// Whether the window is of this class (a system control's name, such as L"Button"), and, with a
// style mask, whether its style has exactly `style` under it.
bool IsOfClass(HWND window, const wchar_t* className, LONG mask = 0, LONG style = 0);

// For the drag-by-body rule: the system's hit test `hit` with the client area turned into the
// caption, except over the window `except`, which keeps its own button-down.
LRESULT HitTestAsCaption(LRESULT hit, LPARAM lParam, HWND except = nullptr);

// How the program's C++ objects are tied to their windows. The Win32 classes leave three ways,
// and each is used where it alone works:
// - Window: a window of the program's own class, tied at WM_NCCREATE through the creation data,
//   so that the messages sent before CreateWindowEx returns reach the object;
// - Dialog (and PropertyPage): a dialog made from a template, tied at WM_INITDIALOG by the
//   dialog procedure, which must answer through DWLP_MSGRESULT;
// - SubclassedWindow (framework/subclassed_window.h): a window another party makes (a control of
//   a template, the system's property sheet, caught by a hook as it is created).
// Each detaches the object at WM_NCDESTROY and lets no exception cross the system's code, and
// each grants WM_QUERYENDSESSION at once, before the object sees it: the session may always end.

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys the window if it still exists; its later messages get the default handling.
    virtual ~Window();

    // Creates the window of the program's plain window class; false on failure.
    bool Create(const char* title, DWORD style, int x, int y, int width, int height,
                DWORD exStyle = 0, HWND parent = nullptr);

    HWND Hwnd() const { return m_window.Get(); }

  protected:
    // One handler for every message; the default is the system's handling.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow m_window;
};

}  // namespace blenker
