#include "mainwnd/main_buttons.h"

#include "app/control_texts.h"
#include "resource.h"

namespace blenker {

namespace {

constexpr ControlText kTexts[] = {{IDC_DELAY_LABEL, IDS_DELAY_LABEL}, {IDC_ENABLE, IDS_ENABLE}};

// The tool of each control and its tip.
constexpr ControlText kTips[] = {
    {IDC_ADD, IDS_ADD_TIP},           {IDC_REMOVE, IDS_REMOVE_TIP},
    {IDC_MINIMIZE, IDS_MINIMIZE_TIP}, {IDC_CLOSE, IDS_CLOSE_TIP},
    {IDC_DELAY_UP, IDS_DELAY_UP_TIP}, {IDC_DELAY_DOWN, IDS_DELAY_DOWN_TIP},
    {IDC_SETTINGS, IDS_SETTINGS_TIP}, {IDC_HELP_BUTTON, IDS_HELP_TIP},
    {IDC_ENABLE, IDS_ENABLE_TIP},     {IDC_TARGET, IDS_TARGET_TIP},
};

}  // namespace

CMainButtons::CMainButtons()
    : m_buttons{{{IDC_SETTINGS, IDB_SETTINGS_UP, IDB_SETTINGS_DOWN},
                 {IDC_HELP_BUTTON, IDB_HELP_UP, IDB_HELP_DOWN},
                 {IDC_ADD, IDB_ADD_UP, IDB_ADD_DOWN},
                 {IDC_REMOVE, IDB_REMOVE_UP, IDB_REMOVE_DOWN},
                 {IDC_MINIMIZE, IDB_MINIMIZE_UP, IDB_MINIMIZE_DOWN},
                 {IDC_CLOSE, IDB_CLOSE_UP, IDB_CLOSE_DOWN},
                 {IDC_DELAY_DOWN, IDB_DELAY_DOWN_UP, IDB_DELAY_DOWN_DOWN},
                 {IDC_DELAY_UP, IDB_DELAY_UP_UP, IDB_DELAY_UP_DOWN}}} {}

void CMainButtons::SetTexts(HWND dialog) {
    SetLangTexts(dialog, kTexts);
    SetToolTips(m_toolTip, dialog, kTips);
}

}  // namespace blenker
