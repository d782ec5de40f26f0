// Resource ids of Blenker.rc, shared by the resource script and the program. Dialogs, bitmaps
// and strings share one number space, as they always have in this program.
#pragma once

// Dialog templates.
#define IDD_MAIN 102
#define IDD_HELP 103
#define IDD_MESSAGE 183
#define IDD_SETTINGS_STARTUP 186
#define IDD_SETTINGS_MISC 187
#define IDD_SETTINGS_ABOUT 189
#define IDD_NEW_VERSION 191
#define IDD_SETTINGS_TITLES 193
#define IDD_LANGUAGE 195
#define IDD_COLOR_PALETTE 5100

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

// The same bitmaps and lamps drawn for 150 % and 200 % display scale (res/art/*_150.*, *_200.*):
// a resource of the same type whose id is the 100 % picture's + one of these (ArtResourceId in
// src/framework/dpi_scale.h picks them by the same numbers).
#define ART_150_OFFSET 1000
#define ART_200_OFFSET 2000

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
#define IDC_BANNER 1050  // the title banner, drawn anew for the window's DPI
// The dialog's hidden "Exit" button is IDOK (1), the command of the notification menu's Exit.

// Commands of the notification icon and its menu, sent to the main dialog as WM_COMMAND.
#define ID_TRAY_ENABLED 1025   // switch scanning
#define ID_TRAY_MINIMIZE 1026  // hide the window
#define WM_BLENK_RESTORE 1027  // show the window (a left press on the icon, or "Open")

// Message window (183) and language dialog (195).
#define IDC_MESSAGE_TEXT 1053
#define IDC_ENGLISH 1093
#define IDC_FRENCH 1094
#define IDC_LANGUAGE_PICTURE_LEFT 1103   // the switch's pictures, drawn for the dialog's DPI
#define IDC_LANGUAGE_PICTURE_RIGHT 1104

// New-release window (191).
#define IDC_NEW_VERSION_TEXT 1070
#define IDC_DOWNLOAD_LINK 1072
#define IDC_RELEASE_NOTES 1073
#define IDC_NEW_VERSION_TITLE 1085

// About page (189).
#define IDC_ABOUT_CREDIT 1024
#define IDC_ABOUT_VERSION 1046
#define IDC_ABOUT_WEB 1052
#define IDC_ABOUT_MAIL 1053
#define IDC_ABOUT_REQUEST 1065

// Misc page (187).
#define IDC_MISC_RESET 1006
#define IDC_MISC_LANGUAGE 1007
#define IDC_MISC_TOTAL_LABEL 1014
#define IDC_MISC_CLOSED_GROUP 1015
#define IDC_MISC_RUN_LABEL 1016
#define IDC_MISC_TOTAL 1021
#define IDC_MISC_RUN 1022
#define IDC_MISC_SOUND_GROUP 1026
#define IDC_MISC_LANGUAGE_NAME 1027
#define IDC_MISC_LANGUAGE_GROUP 1028
#define IDC_MISC_COLORS_GROUP 1029
#define IDC_MISC_TEXT_LABEL 1030
#define IDC_MISC_BG_LABEL 1031
#define IDC_MISC_SOUND_ON 1054
#define IDC_MISC_SOUND_FILE 1056
#define IDC_MISC_SOUND_LABEL 1057
#define IDC_MISC_TEST_SOUND 1066
#define IDC_MISC_BROWSE 1067
#define IDC_MISC_TEXT_COLOR 1101
#define IDC_MISC_BG_COLOR 1102

// Startup page (186).
#define IDC_STARTUP_MINIMIZE 1029
#define IDC_STARTUP_STATE_LABEL 1060
#define IDC_STARTUP_DISABLED 1061
#define IDC_STARTUP_ENABLED 1062
#define IDC_STARTUP_PREVIOUS 1063
#define IDC_STARTUP_UPDATE 1064
#define IDC_STARTUP_SHORTCUTS_GROUP 1094
#define IDC_STARTUP_TO_STARTUP 1095
#define IDC_STARTUP_TO_START_MENU 1096
#define IDC_STARTUP_TO_DESKTOP 1097
#define IDC_STARTUP_SHORTCUTS_LABEL 1098
#define IDC_STARTUP_STARTUP_LABEL 1099
#define IDC_STARTUP_START_MENU_LABEL 1100
#define IDC_STARTUP_DESKTOP_LABEL 1101

// Titles page (193).
#define IDC_TITLES_REMOVE_APP 1055
#define IDC_TITLES_STRICT 1056
#define IDC_TITLES_NEED_BROWSER 1057
#define IDC_TITLES_CASE 1058
#define IDC_TITLES_UPDATE 1068
#define IDC_TITLES_UPDATE_GROUP 1073
#define IDC_TITLES_STATUS 1074
#define IDC_TITLES_THEMES 1076
#define IDC_TITLES_THEMES_LABEL 1077
#define IDC_TITLES_SMART 1086
#define IDC_TITLES_MAIL_US 1087
#define IDC_TITLES_INSTANT_BLENK 1088
#define IDC_TITLES_ADDING_GROUP 1091
#define IDC_TITLES_SCANNING_GROUP 1092

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
// The settings sheet and its pages.
#define IDS_RESET_TIP 213
#define IDS_LANGUAGE_TIP 216
#define IDS_ABOUT_CREDIT 217
#define IDS_ABOUT_REQUEST 218
#define IDS_CLOSED_GROUP 219
#define IDS_RUN_LABEL 220
#define IDS_LANGUAGE_GROUP 221
#define IDS_LANGUAGE_NAME 222
#define IDS_SOUND_GROUP 236
#define IDS_SOUND_LABEL 237
#define IDS_SOUND_ON 238
#define IDS_TAB_MISC 239
#define IDS_TAB_STARTUP 240
#define IDS_MINIMIZE_AT_STARTUP 241
#define IDS_STATE_LABEL 242
#define IDS_STATE_DISABLED 243
#define IDS_STATE_ENABLED 244
#define IDS_STATE_PREVIOUS 245
#define IDS_UPDATE_EXE 246
#define IDS_TAB_ABOUT 248
#define IDS_TAB_TITLES 249
#define IDS_REMOVE_APP 250
#define IDS_SETTINGS_CAPTION 256
#define IDS_UPDATE_GROUP 259
// The theme update's status texts 0..3.
#define IDS_THEMES_IDLE 260
#define IDS_THEMES_RETRIEVING 261
#define IDS_THEMES_READY 262
#define IDS_THEMES_FAILED 263
#define IDS_TITLE_ADDED 264
#define IDS_NO_NEW_TITLE 265
#define IDS_NEW_TITLES 266
#define IDS_TITLES_ADDED 267
#define IDS_TEST_SOUND_TIP 271
#define IDS_BROWSE_TIP 272
#define IDS_UPDATE_TIP 273
#define IDS_SMART_TIP 274
#define IDS_MAIL_US 275
#define IDS_STRICT 276
#define IDS_NEED_BROWSER 277
#define IDS_CASE 278
#define IDS_STRICT_TIP 279
#define IDS_NEED_BROWSER_TIP 280
#define IDS_CASE_TIP 281
#define IDS_REMOVE_APP_TIP 282
#define IDS_ADDING_GROUP 283
#define IDS_SCANNING_GROUP 284
#define IDS_SHORTCUTS_GROUP 285
#define IDS_SHORTCUTS_LABEL 286
#define IDS_COLORS_GROUP 287
#define IDS_BG_LABEL 288
#define IDS_TEXT_LABEL 289
#define IDS_INSTANT_BLENK 290
#define IDS_INSTANT_BLENK_TIP 291

// The colour palette window: cells 5101..5120, row by row, then "Other...".
#define IDC_PALETTE_FIRST_CELL 5101
#define IDC_PALETTE_OTHER 5121

// The help window: its title, text, group of button pictures and close button, each picture of a
// main-window button and the label beside it.
#define IDC_HELP_TEXT 1034
#define IDC_HELP_GROUP 1043
#define IDC_HELP_CLOSE 1044
#define IDC_HELP_TITLE 1045
#define IDC_HELP_PICTURE_HELP 1006
#define IDC_HELP_PICTURE_SETTINGS 1007
#define IDC_HELP_PICTURE_REMOVE 1008
#define IDC_HELP_PICTURE_ADD 1009
#define IDC_HELP_PICTURE_CLOSE 1010
#define IDC_HELP_PICTURE_MINIMIZE 1011
#define IDC_HELP_PICTURE_LANGUAGE 1012
#define IDC_HELP_PICTURE_RESET 1014
#define IDC_HELP_PICTURE_DELAY_UP 1032
#define IDC_HELP_PICTURE_DELAY_DOWN 1033
#define IDC_HELP_LABEL_CLOSE 1035
#define IDC_HELP_LABEL_SETTINGS 1036
#define IDC_HELP_LABEL_HELP 1037
#define IDC_HELP_LABEL_ADD 1038
#define IDC_HELP_LABEL_REMOVE 1039
#define IDC_HELP_LABEL_MINIMIZE 1040
#define IDC_HELP_LABEL_DELAY_UP 1041
#define IDC_HELP_LABEL_DELAY_DOWN 1042
#define IDC_HELP_LABEL_RESET 1046
#define IDC_HELP_LABEL_LANGUAGE 1048
