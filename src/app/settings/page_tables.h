// What each control of the settings sheet shows: the sheet's caption and tab titles, each page's
// texts and tips (string ids), the values its check boxes, radio buttons and text fields hold,
// and the Startup page's folder labels and shortcut buttons.
#pragma once

#include "app/control_text.h"
#include "app/settings/page_fields.h"
#include "app/settings/shortcut_place.h"
#include "resource.h"

namespace blenker::pages {

// The tab titles, in the order of the pages.
inline constexpr int kTabTitles[] = {IDS_TAB_ABOUT, IDS_TAB_MISC, IDS_TAB_STARTUP, IDS_TAB_TITLES};

inline constexpr ControlText kAboutTexts[] = {{IDC_ABOUT_CREDIT, IDS_ABOUT_CREDIT},
                                              {IDC_ABOUT_REQUEST, IDS_ABOUT_REQUEST}};

inline constexpr ControlText kMiscTexts[] = {
    {IDC_MISC_LANGUAGE_GROUP, IDS_LANGUAGE_GROUP},
    {IDC_MISC_LANGUAGE_NAME, IDS_LANGUAGE_NAME},
    {IDC_MISC_COLORS_GROUP, IDS_COLORS_GROUP},
    {IDC_MISC_TEXT_LABEL, IDS_TEXT_LABEL},
    {IDC_MISC_BG_LABEL, IDS_BG_LABEL},
    {IDC_MISC_SOUND_GROUP, IDS_SOUND_GROUP},
    {IDC_MISC_SOUND_ON, IDS_SOUND_ON},
    {IDC_MISC_SOUND_LABEL, IDS_SOUND_LABEL},
    {IDC_MISC_CLOSED_GROUP, IDS_CLOSED_GROUP},
    {IDC_MISC_RUN_LABEL, IDS_RUN_LABEL},
};
inline constexpr ControlText kMiscTips[] = {
    {IDC_MISC_LANGUAGE, IDS_LANGUAGE_TIP},
    {IDC_MISC_RESET, IDS_RESET_TIP},
    {IDC_MISC_TEST_SOUND, IDS_TEST_SOUND_TIP},
    {IDC_MISC_BROWSE, IDS_BROWSE_TIP},
};
inline constexpr CheckField kMiscChecks[] = {{IDC_MISC_SOUND_ON, &SettingsValues::soundOn}};
inline constexpr TextField kMiscTextFields[] = {{IDC_MISC_SOUND_FILE, &SettingsValues::soundFile}};
inline constexpr PageFields kMiscFields{kMiscChecks, kMiscTextFields, {}};

inline constexpr ControlText kStartupTexts[] = {
    {IDC_STARTUP_MINIMIZE, IDS_MINIMIZE_AT_STARTUP},
    {IDC_STARTUP_STATE_LABEL, IDS_STATE_LABEL},
    {IDC_STARTUP_DISABLED, IDS_STATE_DISABLED},
    {IDC_STARTUP_ENABLED, IDS_STATE_ENABLED},
    {IDC_STARTUP_PREVIOUS, IDS_STATE_PREVIOUS},
    {IDC_STARTUP_UPDATE, IDS_UPDATE_EXE},
    {IDC_STARTUP_SHORTCUTS_GROUP, IDS_SHORTCUTS_GROUP},
    {IDC_STARTUP_SHORTCUTS_LABEL, IDS_SHORTCUTS_LABEL},
};
// The radio buttons of the start-up states 0, 1 and 2.
inline constexpr int kStateRadios[] = {IDC_STARTUP_DISABLED, IDC_STARTUP_ENABLED,
                                       IDC_STARTUP_PREVIOUS};
inline constexpr CheckField kStartupChecks[] = {
    {IDC_STARTUP_UPDATE, &SettingsValues::updateExe},
    {IDC_STARTUP_MINIMIZE, &SettingsValues::minimizeAtStartup},
};
inline constexpr PageFields kStartupFields{
    kStartupChecks, {}, {kStateRadios, &SettingsValues::initialState}};

// The labels of the shortcut folders, in the user's language, and the picture button each names
// (for a screen reader); the folders themselves are always found by their English names.
struct FolderLabel {
    int control;
    int button;
    const char* english;
    const char* french;
};
inline constexpr FolderLabel kFolderLabels[] = {
    {IDC_STARTUP_STARTUP_LABEL, IDC_STARTUP_TO_STARTUP, "Startup", "Démarrage"},
    {IDC_STARTUP_START_MENU_LABEL, IDC_STARTUP_TO_START_MENU, "Start Menu", "Menu Démarrer"},
    {IDC_STARTUP_DESKTOP_LABEL, IDC_STARTUP_TO_DESKTOP, "Desktop", "Bureau"},
};

// The shortcut buttons and the folders they put a shortcut into.
struct ShortcutButton {
    int control;
    ShortcutKind kind;
};
inline constexpr ShortcutButton kShortcutButtons[] = {
    {IDC_STARTUP_TO_DESKTOP, ShortcutKind::Desktop},
    {IDC_STARTUP_TO_START_MENU, ShortcutKind::StartMenu},
    {IDC_STARTUP_TO_STARTUP, ShortcutKind::Startup},
};

inline constexpr ControlText kTitleTexts[] = {
    {IDC_TITLES_UPDATE_GROUP, IDS_UPDATE_GROUP},   {IDC_TITLES_MAIL_US, IDS_MAIL_US},
    {IDC_TITLES_REMOVE_APP, IDS_REMOVE_APP},       {IDC_TITLES_STRICT, IDS_STRICT},
    {IDC_TITLES_NEED_BROWSER, IDS_NEED_BROWSER},   {IDC_TITLES_CASE, IDS_CASE},
    {IDC_TITLES_ADDING_GROUP, IDS_ADDING_GROUP},   {IDC_TITLES_SCANNING_GROUP, IDS_SCANNING_GROUP},
    {IDC_TITLES_INSTANT_BLENK, IDS_INSTANT_BLENK},
};
inline constexpr ControlText kTitleTips[] = {
    {IDC_TITLES_UPDATE, IDS_UPDATE_TIP},
    {IDC_TITLES_REMOVE_APP, IDS_REMOVE_APP_TIP},
    {IDC_TITLES_SMART, IDS_SMART_TIP},
    {IDC_TITLES_STRICT, IDS_STRICT_TIP},
    {IDC_TITLES_NEED_BROWSER, IDS_NEED_BROWSER_TIP},
    {IDC_TITLES_CASE, IDS_CASE_TIP},
    {IDC_TITLES_INSTANT_BLENK, IDS_INSTANT_BLENK_TIP},
};
// The option check boxes.
inline constexpr CheckField kTitleChecks[] = {
    {IDC_TITLES_REMOVE_APP, &SettingsValues::removeAppName},
    {IDC_TITLES_SMART, &SettingsValues::smartBlenk},
    {IDC_TITLES_NEED_BROWSER, &SettingsValues::needBrowser},
    {IDC_TITLES_STRICT, &SettingsValues::strict},
    {IDC_TITLES_CASE, &SettingsValues::caseSensitive},
    {IDC_TITLES_INSTANT_BLENK, &SettingsValues::instantBlenk},
};
inline constexpr PageFields kTitleFields{kTitleChecks, {}, {}};

}  // namespace blenker::pages
