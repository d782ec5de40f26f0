// A property sheet that takes the size of the page shown instead of its largest page's: at
// initialisation and at every change of tab it fits the tab control, the page and itself to the
// active page and puts OK and Cancel under the tab control. Its tabs stay in one row and it
// has no Help button.
#pragma once

#include "framework/property_sheet.h"

namespace blenker {

class CResizeablePropertySheet : public PropertySheet {
  public:
    using PropertySheet::PropertySheet;

    void FitToActivePage();

  protected:
    void OnInitDialog() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace blenker
