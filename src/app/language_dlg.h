// The language choice of the very first run. Whichever way it is closed, the choice applies.
#pragma once

#include "framework/dialog.h"

namespace blenker {

class CLanguageDlg : public Dialog {
  public:
    explicit CLanguageDlg(HWND parent);

  protected:
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace blenker
