// The settings window: a modal sheet of four pages (About, Misc, Startup, Titles). It loads
// every value the user edits when it opens, saves them all when it ends with OK and otherwise
// undoes the colour preview; it carries the two close counters to and from the main window,
// paints its body in the chosen background colour and moves when its body is dragged.
#pragma once

#include <array>

#include "app/main_window.h"
#include "store/profile_store.h"
#include "store/settings.h"
#include "app/settings/resizeable_property_sheet.h"
#include "app/settings/tbk_settings_about.h"
#include "app/settings/tbk_settings_misc.h"
#include "app/settings/tbk_settings_startup.h"
#include "app/settings/tbk_settings_title.h"

namespace blenker {

class CTBKSettings : public CResizeablePropertySheet {
  public:
    CTBKSettings(HWND parent, MainWindow& mainWindow, ProfileStore& store, int startPage = 0);

    // Runs the sheet; on its end saves the values (OK) or restores the stored colours.
    INT_PTR DoModal();

    // The caption and the tab titles in the current language.
    void SetTexts();
    // After a language switch: the sheet, every page made so far, and the main window.
    void RefreshLanguage();

    MainWindow& Main() { return m_main; }
    CTBKSettingsMisc& Misc() { return m_misc; }

    int m_nClosedTotal = 0;
    int m_nClosedRun = 0;
    BOOL m_bAccepted = FALSE;

  protected:
    void OnInitDialog() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The stored values and the page members that hold them, in the order they are read and
    // written.
    std::array<SettingBinding, 12> Bindings();
    void OnPaint();

    MainWindow& m_main;
    ProfileStore& m_store;
    CTBKSettingsAbout m_about;
    CTBKSettingsMisc m_misc;
    CTBKSettingsStartup m_startup;
    CTBKSettingsTitle m_title;
};

}  // namespace blenker
