// A modal property sheet of the system (comctl32) over pages of the program. The system makes
// the sheet window inside PropertySheet(), so a hook catches it as it is created and subclasses
// it there: its messages, WM_INITDIALOG included, reach the C++ object first; what the object
// leaves goes to the system's own handling (Default).
#pragma once

#include <vector>

#include "framework/property_page.h"
#include "framework/subclassed_window.h"
#include "framework/win32.h"

#include <prsht.h>

namespace blenker {

class PropertySheet : public SubclassedWindow {
  public:
    PropertySheet(HWND parent, int startPage);
    PropertySheet(const PropertySheet&) = delete;
    PropertySheet& operator=(const PropertySheet&) = delete;

    // Pages go in tab order, before the sheet runs.
    void AddPage(PropertyPage& page) { m_pages.push_back(&page); }
    // Header flags, such as PSH_NOAPPLYNOW.
    void AddFlags(DWORD flags) { m_flags |= flags; }

    // Runs the sheet modally: IDOK when it ended with OK, IDCANCEL otherwise, -1 when it could
    // not be made.
    INT_PTR DoModal();

    HWND Item(int id) const { return ::GetDlgItem(Hwnd(), id); }
    HWND TabControl() const;
    // The page shown, null before the first page exists.
    PropertyPage* ActivePage() const;

  protected:
    // The sheet's own initialisation has run: the tab control and the first page exist.
    virtual void OnInitDialog() {}
    // Every message of the sheet. The default is the system's handling, followed by
    // OnInitDialog for WM_INITDIALOG.
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);

    HWND m_parent;
    int m_startPage;
    DWORD m_flags = 0;
    std::vector<PropertyPage*> m_pages;
};

}  // namespace blenker
