// What the help window shows: the picture of each main-window button with the string that
// explains it in the label beside it, and the window's own texts in each language.
#pragma once

#include <array>

#include "framework/geometry.h"
#include "resource.h"

namespace blenker {

struct HelpPicture {
    int button;         // the owner-drawn button that shows the picture
    int upBitmap;       // its picture
    int pressedBitmap;  // its picture while held; 0: the up picture in both states
    int label;          // the static beside it
    int text;           // the label's string, taken in the current language
};

inline constexpr std::array<HelpPicture, 10> kHelpPictures{{
    {IDC_HELP_PICTURE_MINIMIZE, IDB_MINIMIZE_UP, 0, IDC_HELP_LABEL_MINIMIZE, IDS_MINIMIZE_TIP},
    {IDC_HELP_PICTURE_CLOSE, IDB_CLOSE_UP, 0, IDC_HELP_LABEL_CLOSE, IDS_CLOSE_WINDOW_TIP},
    {IDC_HELP_PICTURE_ADD, IDB_ADD_UP, 0, IDC_HELP_LABEL_ADD, IDS_ADD_TIP},
    {IDC_HELP_PICTURE_REMOVE, IDB_REMOVE_UP, 0, IDC_HELP_LABEL_REMOVE, IDS_REMOVE_TIP},
    {IDC_HELP_PICTURE_SETTINGS, IDB_SETTINGS_UP, 0, IDC_HELP_LABEL_SETTINGS, IDS_SETTINGS_TIP},
    {IDC_HELP_PICTURE_HELP, IDB_HELP_UP, 0, IDC_HELP_LABEL_HELP, IDS_HELP_TIP},
    {IDC_HELP_PICTURE_RESET, IDB_RESET_UP, IDB_RESET_DOWN, IDC_HELP_LABEL_RESET, IDS_RESET_TIP},
    {IDC_HELP_PICTURE_LANGUAGE, IDB_LANGUAGE_UP, IDB_LANGUAGE_DOWN, IDC_HELP_LABEL_LANGUAGE,
     IDS_LANGUAGE_TIP},
    {IDC_HELP_PICTURE_DELAY_UP, IDB_DELAY_UP_UP, 0, IDC_HELP_LABEL_DELAY_UP, IDS_DELAY_UP_TIP},
    {IDC_HELP_PICTURE_DELAY_DOWN, IDB_DELAY_DOWN_UP, 0, IDC_HELP_LABEL_DELAY_DOWN,
     IDS_DELAY_DOWN_TIP},
}};

// The window's title, the title of its group of pictures and the help text, Windows-1252.
struct HelpTexts {
    const char* title;
    const char* group;
    const char* text;
};

// The texts in a language: 0 English, any other French.
const HelpTexts& HelpTextsIn(int language);

// Where the help window goes: centred over the main window ("owner"), then moved wholly inside
// the work area of the main window's monitor; a window larger than the area keeps its top-left
// corner inside.
Rect PlaceHelpWindow(const Rect& owner, Size window, const Rect& workArea);

}  // namespace blenker
