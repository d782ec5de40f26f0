// A window that another party makes (a control of a dialog template, the system's property
// sheet) whose messages go to a C++ object first: the window is subclassed through comctl32, and
// what the object leaves goes on to the window's own procedure (Default).
#pragma once

#include "framework/win32.h"

namespace blenker {

class SubclassedWindow {
  public:
    SubclassedWindow() = default;
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;
    // Gives the window back to its own procedure if it still exists.
    virtual ~SubclassedWindow();

    // Ties the object to the window; false when the object has one already or the system
    // refuses.
    bool Subclass(HWND window);
    HWND Hwnd() const { return m_hwnd; }

  protected:
    // Every message of the window; the default is the window's own handling.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void Detach();

    HWND m_hwnd = nullptr;
};

}  // namespace blenker
