// The language choice of the very first run. Whichever way it is closed, the choice applies.
#pragma once

#include <array>

#include "framework/dialog.h"
#include "framework/static_picture.h"

namespace blenker {

class CLanguageDlg : public Dialog {
  public:
    explicit CLanguageDlg(HWND parent);

  protected:
    BOOL OnInitDialog() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::array<StaticPicture, 2> m_switches;  // the two pictures of a switch, at the dialog's DPI
};

}  // namespace blenker
