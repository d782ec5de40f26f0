// The fourth page of the settings sheet: the five options that shape how titles are added and
// how windows are matched, whether a matching window is closed as soon as it appears ("Instant
// blenk"), and the themed title update: "Upd" downloads the maker's themes, the
// list shows each with the number of its titles the user does not have yet, and a double click
// adds them to the main window's list.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "app/settings/resizeable_property_page.h"
#include "ui/bitmap_button.h"
#include "net/download_request.h"
#include "net/theme_status.h"
#include "net/themes.h"

namespace blenker {

class CTBKSettings;

class CTBKSettingsTitle : public CResizeablePropertyPage {
  public:
    explicit CTBKSettingsTitle(CTBKSettings& sheet);

    void SetTexts() override;

  protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void StartUpdate();
    // Lists the themes of the pending request's reply and tells what it brought.
    ThemesReply ReadThemes(const CWebDownload& reply);
    // Adds the theme's entry to the sorted list, carrying its record; returns its index.
    int ListTheme(Theme& theme);
    void OnThemeDoubleClick();
    void ShowStatus();
    void FreeThemes();

    CTBKSettings& m_sheet;
    BitmapButton m_btnUpdate;
    DownloadRequest m_request;
    ThemeUpdateStatus m_status;
    // The records of the themes list's entries (each entry's item data points to its own).
    std::vector<std::unique_ptr<Theme>> m_themes;
};

}  // namespace blenker
