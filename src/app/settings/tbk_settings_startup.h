// The third page of the settings sheet: the three start-up values, and three buttons that each
// put a shortcut to the program into the user's Startup folder, Start Menu or Desktop at once,
// whatever becomes of the sheet.
#pragma once

#include <string>

#include "app/settings/resizeable_property_page.h"
#include "framework/bitmap_button.h"

namespace blenker {

class CTBKSettings;

class CTBKSettingsStartup : public CResizeablePropertyPage {
  public:
    explicit CTBKSettingsStartup(CTBKSettings& sheet);

    void SetTexts();
    void UpdateData(bool fromControls);

    // 0 the Desktop, 1 the Start Menu, any other value the Startup folder.
    void MakeShortcut(int folder);

    int m_nInitialState = 1;
    int m_bUpdateExe = TRUE;
    int m_bMinimizeAtStartup = FALSE;

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
