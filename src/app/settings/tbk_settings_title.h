// The fourth page of the settings sheet: the five options that shape how titles are added and
// how windows are matched, and the place of the themed title update.
#pragma once

#include "app/settings/resizeable_property_page.h"
#include "framework/bitmap_button.h"

namespace blenker {

class CTBKSettings;

class CTBKSettingsTitle : public CResizeablePropertyPage {
  public:
    explicit CTBKSettingsTitle(CTBKSettings& sheet);

    void SetTexts();
    void UpdateData(bool fromControls);

    int m_bRemoveAppName = 0;
    int m_bSmartBlenk = 0;
    int m_bNeedBrowser = 0;
    int m_bStrict = 0;
    int m_bCaseSensitive = 0;

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

  private:
    CTBKSettings& m_sheet;
    BitmapButton m_btnUpdate;
};

}  // namespace blenker
