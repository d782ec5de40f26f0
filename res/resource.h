// Resource ids of Blenker.rc, shared by the resource script and the program. Dialogs, bitmaps
// and strings share one number space, as they always have in this program.
#pragma once

// Dialog templates.
#define IDD_MAIN 102
#define IDD_MESSAGE 183
#define IDD_NEW_VERSION 191
#define IDD_LANGUAGE 195

// Icons and the drag cursor.
#define IDI_APP 128
#define IDI_TARGET 181
#define IDI_TARGET_DRAGGED 182
#define IDC_TARGET_CURSOR 182

// Bitmaps: up / pressed pictures of the push buttons, the banner.
#define IDB_ADD_UP 142
#define IDB_ADD_DOWN 143
#define IDB_REMOVE_DOWN 144
#define IDB_REMOVE_UP 145
#define IDB_CLOSE_UP 146
#define IDB_CLOSE_DOWN 147
#define IDB_BANNER 149
#define IDB_MINIMIZE_UP 150
#define IDB_MINIMIZE_DOWN 151
#define IDB_HELP_DOWN 157
#define IDB_HELP_UP 158
#define IDB_DELAY_UP_UP 159
#define IDB_DELAY_DOWN_UP 160
#define IDB_DELAY_DOWN_DOWN 161
#define IDB_DELAY_UP_DOWN 162
#define IDB_RESET_UP 165
#define IDB_RESET_DOWN 166
#define IDB_LANGUAGE_UP 167
#define IDB_LANGUAGE_DOWN 168
#define IDB_SETTINGS_UP 174
#define IDB_SETTINGS_DOWN 175
#define IDB_BROWSE_DOWN 193
#define IDB_BROWSE_UP 194
#define IDB_TEST_SOUND_UP 195
#define IDB_TEST_SOUND_DOWN 196
#define IDB_UPDATE_UP 197
#define IDB_UPDATE_DOWN 198
#define IDB_SHORTCUT_UP 199
#define IDB_SHORTCUT_DOWN 200

// The two lamp pictures, resources of type "GIF".
#define IDG_LAMP_ON 205
#define IDG_LAMP_OFF 206

// Controls of the main dialog (102).
#define IDC_TITLE_LIST 1000
#define IDC_TITLE_EDIT 1001
#define IDC_ADD 1002
#define IDC_REMOVE 1003
#define IDC_DELAY 1004
#define IDC_CLOSE 1005
#define IDC_ENABLE 1006
#define IDC_DELAY_LABEL 1008
#define IDC_MINIMIZE 1009
#define IDC_HELP_BUTTON 1011
#define IDC_SETTINGS 1012
#define IDC_DELAY_UP 1013
#define IDC_DELAY_DOWN 1014
#define IDC_TARGET 1048
#define IDC_DEFAULT 1049

// Message window (183) and language dialog (195).
#define IDC_MESSAGE_TEXT 1053
#define IDC_ENGLISH 1093
#define IDC_FRENCH 1094

// New-release window (191).
#define IDC_NEW_VERSION_TEXT 1070
#define IDC_DOWNLOAD_LINK 1072
#define IDC_RELEASE_NOTES 1073
#define IDC_NEW_VERSION_TITLE 1085

// Strings outside the language pairs.
#define IDS_VERSION 110
#define IDS_RELEASE 111
#define IDS_FILE_CREATED 114
#define IDS_UPDATE_URL 115
#define IDS_TITLES_URL 117
#define IDS_SOUND_FILTER 252

// Language-dependent strings: English at the id, French 300 above.
#define IDS_FRENCH_OFFSET 300
#define IDS_SETTINGS_TIP 201
#define IDS_TRAY_TIP 202
#define IDS_TITLE_FILE 203
#define IDS_ADD_TIP 204
#define IDS_REMOVE_TIP 205
#define IDS_DELAY_LABEL 207
#define IDS_MINIMIZE_TIP 208
#define IDS_CLOSE_TIP 209
#define IDS_DELAY_DOWN_TIP 210
#define IDS_DELAY_UP_TIP 211
#define IDS_ENABLE_TIP 212
#define IDS_CLOSE_WINDOW_TIP 214
#define IDS_ENABLE 215
#define IDS_HELP_TIP 234
#define IDS_TARGET_TIP 235
#define IDS_TRAY_ENABLED 224
#define IDS_TRAY_OPEN 225
#define IDS_TRAY_EXIT 226
#define IDS_TRAY_MINIMIZE 227
#define IDS_NEW_VERSION_TITLE 253
#define IDS_NEW_VERSION_TEXT 254
#define IDS_DOWNLOAD_LINK 255
