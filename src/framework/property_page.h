// A page of a property sheet: a dialog from a template of the resources, made by the system's
// property sheet when its tab is first shown. The sheet's notifications become virtual calls.
#pragma once

#include "framework/dialog.h"

#include <prsht.h>

namespace blenker {

class PropertyPage : public Dialog {
  public:
    explicit PropertyPage(int templateId);

    // What the system's property sheet makes the page from, for a sheet shown at this DPI; the
    // object travels in lParam.
    PROPSHEETPAGEW Describe(int dpi);

  protected:
    // OK was pressed: the sheet sends this to every page whose window exists.
    virtual void OnOK() {}
    // The sheet's buttons end it, not a page: commands do nothing unless a page handles them.
    void OnCommand(int, int, HWND) override {}
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;

  private:
    std::vector<std::uint8_t> m_template;  // the page's template, as Describe made it

    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace blenker
