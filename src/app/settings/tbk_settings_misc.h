// The second page of the settings sheet: the language, the two dialog colours, the sound of a
// closed window, and the two close counters with their reset button. It shows and edits the
// sheet's values; the page never touches the settings store itself.
#pragma once

#include "app/settings/resizeable_property_page.h"
#include "ui/bitmap_button.h"
#include "ui/color_button.h"

namespace blenker {

class CTBKSettings;

class CTBKSettingsMisc : public CResizeablePropertyPage {
  public:
    explicit CTBKSettingsMisc(CTBKSettings& sheet);

    void SetTexts() override;

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

  private:
    void ShowCounters();
    void BrowseSoundFile();

    CColorButton m_btnTextColor;
    CColorButton m_btnBgColor;
    CTBKSettings& m_sheet;
    BitmapButton m_btnBrowse;
    BitmapButton m_btnTestSound;
    BitmapButton m_btnReset;
    BitmapButton m_btnLanguage;
};

}  // namespace blenker
