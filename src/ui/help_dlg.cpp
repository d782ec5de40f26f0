#include "ui/help_dlg.h"

#include "app/control_texts.h"
#include "app/win_app.h"
#include "resource.h"

namespace blenker {

namespace {

// Each picture's label and its text, in the current language.
constexpr ControlText kLabels[] = {
    {1040, IDS_MINIMIZE_TIP},   {1035, IDS_CLOSE_WINDOW_TIP}, {1038, IDS_ADD_TIP},
    {1039, IDS_REMOVE_TIP},     {1036, IDS_SETTINGS_TIP},     {1037, IDS_HELP_TIP},
    {1046, IDS_RESET_TIP},      {1048, IDS_LANGUAGE_TIP},     {1041, IDS_DELAY_UP_TIP},
    {1042, IDS_DELAY_DOWN_TIP},
};

// The help text of each language, Windows-1252.
constexpr const char* kText[] = {
    "The mission of The Blenker (TBK) is to automatically close any kind of windows on your "
    "desktop, and especially the popup ad banners which never stop from opening while surfing the "
    "Net.\n"
    "\n"
    "To close a window, TBK reads opened windows title bar texts and compare them to its list of "
    "titles (or beginning of titles) of windows to kill.\n"
    "\n"
    "At regular intervals, which you can set between 0.1 and 2 seconds, TBK scans opened windows "
    "and closes those whose titles match one of the list titles.\n"
    "\n"
    "To add a title to the list, there are 2 possible ways :\n"
    "- Fill in the text field and hit the button '+'\n"
    "- Drag the target cursor and drop it over the title bar of the window you want to close",
    "The Blenker (TBK) sert \xE0 fermer automatiquement n'importe quelle fen\xEAtre de Windows, et "
    "en particulier les fen\xEAtres de publicit\xE9s qui apparaissent sans arr\xEAt quand vous "
    "surfez sur Internet.\n"
    "\n"
    "Pour fermer une fen\xEAtre, TBK regarde les textes des barres de titres des fen\xEAtres "
    "ouvertes qu'il compare \xE0 sa liste de titres (ou des d\xE9"
    "buts de titre) des fen\xEAtres  \xE0 exterminer.\n"
    "\n"
    "A intervalle r\xE9gulier, que vous pouvez changer entre 0.1 et 2 secondes, TBK scanne les "
    "fen\xEAtres actuellement ouvertes et ferme celle qui font partie de sa liste.\n"
    "\n"
    "Pour ajouter un titre, vous avez deux fa\xE7ons :\n"
    "- Taper son texte dans le champ pr\xE9vu et appuyer sur le bouton '+'\n"
    "- Glisser le curseur en forme de cible sur la barre de titre de la fen\xEAtre que vous "
    "souhaitez fermer.",
};
constexpr const char* kTitle[] = {"How to use The Blenker", "Comment utiliser The Blenker"};
constexpr const char* kGroup[] = {"Buttons signification", "Signification des bouttons"};

}  // namespace

CHelpDlg::CHelpDlg(HWND parent)
    : Dialog(IDD_HELP, parent),
      m_buttons{{{1011, IDB_MINIMIZE_UP, 0},
                 {1010, IDB_CLOSE_UP, 0},
                 {1009, IDB_ADD_UP, 0},
                 {1008, IDB_REMOVE_UP, 0},
                 {1007, IDB_SETTINGS_UP, 0},
                 {1006, IDB_HELP_UP, 0},
                 {1014, IDB_RESET_UP, IDB_RESET_DOWN},
                 {1012, IDB_LANGUAGE_UP, IDB_LANGUAGE_DOWN},
                 {1032, IDB_DELAY_UP_UP, 0},
                 {1033, IDB_DELAY_DOWN_UP, 0},
                 {IDC_HELP_CLOSE, IDB_CLOSE_UP, IDB_CLOSE_DOWN}}} {
    for (BitmapButton& button : m_buttons) {
        AddControl(button);
    }
}

BOOL CHelpDlg::OnInitDialog() {
    SetLangTexts(Hwnd(), kLabels);
    const int language = TheApp().GetLanguage() != 0 ? 1 : 0;
    SetItemText(IDC_HELP_TITLE, kTitle[language]);
    SetItemText(IDC_HELP_GROUP, kGroup[language]);
    SetItemText(IDC_HELP_TEXT, kText[language]);
    constexpr ControlText kTips[] = {{IDC_HELP_CLOSE, IDS_CLOSE_WINDOW_TIP}};
    SetToolTips(m_toolTip, Hwnd(), kTips);
    return TRUE;
}

void CHelpDlg::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_HELP_CLOSE) {
        ::PostMessageA(Hwnd(), WM_CLOSE, 0, 0);  // ends it as Cancel
        return;
    }
    // The pictures do nothing; Escape ends the window.
    Dialog::OnCommand(id, notifyCode, control);
}

}  // namespace blenker
