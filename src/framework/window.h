// A top-level or child window whose messages go to a C++ object.
#pragma once

#include <string>

#include "framework/win32.h"

namespace blenker {

// The whole text of a window: its caption, or a control's text.
std::string WholeWindowText(HWND window);

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

    HWND Hwnd() const { return m_hwnd; }

  protected:
    // One handler for every message; the default is the system's handling.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
};

}  // namespace blenker
