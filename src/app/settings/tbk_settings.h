// The settings window: a modal sheet of four pages (About, Misc, Startup, Titles). It loads
// every value the user edits when it is made, the pages edit that one copy, and its end decides
// by the sheet's result: OK saves them all, any other end undoes the colour preview. It carries the
// two close counters to and from the main window, paints its body in the chosen background colour
// and moves when its body is dragged.
#pragma once

#include "app/main_window.h"
#include "store/profile_store.h"
#include "app/settings/resizeable_property_sheet.h"
#include "app/settings/settings_values.h"
#include "app/settings/tbk_settings_about.h"
#include "app/settings/tbk_settings_misc.h"
#include "app/settings/tbk_settings_startup.h"
#include "app/settings/tbk_settings_title.h"

namespace blenker {

class CTBKSettings : public CResizeablePropertySheet {
  public:
    // Opens on the About page.
    CTBKSettings(HWND parent, MainWindow& mainWindow, ProfileStore& store);

    // The caption and the tab titles in the current language.
    void SetTexts();
    // After a language switch: the sheet, every page made so far, and the main window.
    void RefreshLanguage();

    MainWindow& Main() { return m_main; }
    // The values the pages show and edit.
    SettingsValues& Values() { return m_values; }

    int m_nClosedTotal = 0;
    int m_nClosedRun = 0;

  protected:
    void OnInitDialog() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Saves the values (OK) or restores the stored colours.
    void OnEnded(INT_PTR result) override;

  private:
    void OnPaint();

    MainWindow& m_main;
    ProfileStore& m_store;
    SettingsValues m_values;
    CTBKSettingsAbout m_about;
    CTBKSettingsMisc m_misc;
    CTBKSettingsStartup m_startup;
    CTBKSettingsTitle m_title;
};

}  // namespace blenker
