// The third page of the settings sheet: the three start-up values, and three buttons that each
// put a shortcut to the program into the user's Startup folder, Start Menu or Desktop at once,
// whatever becomes of the sheet.
#pragma once

#include "app/settings/resizeable_property_page.h"
#include "ui/bitmap_button.h"

namespace blenker {

class CTBKSettings;

class CTBKSettingsStartup : public CResizeablePropertyPage {
  public:
    explicit CTBKSettingsStartup(CTBKSettings& sheet);

    void SetTexts() override;

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;

  private:
    CTBKSettings& m_sheet;
    BitmapButton m_btnDesktop;
    BitmapButton m_btnStartMenu;
    BitmapButton m_btnStartup;
};

}  // namespace blenker
