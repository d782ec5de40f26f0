// The settings sheet opened from the real main dialog's settings button and driven, inside its
// modal loop, by the messages a user's clicks send.
#include "settings_sheet_fixture.h"

namespace blenker {
namespace {

using test::RectIn;
using test::WindowText;

using SettingsSheetTest = test::SettingsSheetFixture;

// The whole way through: the sheet as it opens, each page fitted, values changed on two pages
// and stored by OK, and the title file written when the sheet closes.
TEST_F(SettingsSheetTest, OpensFitsEachPageAndStoresWhatOkConfirms) {
    Open("Kept\r\n");
    ::DeleteFileA(dir.File("Blenked.txt").c_str());
    int heights[4] = {};
    RunSheet([&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Settings for The Blenker");
        EXPECT_EQ(TabCtrl_GetItemCount(Tabs(sheet)), 4);
        EXPECT_EQ(TabText(sheet, 0) + "|" + TabText(sheet, 1) + "|" + TabText(sheet, 2) + "|" +
                      TabText(sheet, 3),
                  "About...|Misc|Startup|Titles");
        const HWND apply = ::GetDlgItem(sheet, 0x3021);
        EXPECT_TRUE(apply == nullptr || !::IsWindowVisible(apply));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet, IDHELP)));
        EXPECT_EQ((::GetWindowLongA(Tabs(sheet), GWL_STYLE) & TCS_MULTILINE), 0);
        // The About page.
        const HWND about = Page(sheet);
        EXPECT_EQ(WindowText(::GetDlgItem(about, IDC_ABOUT_VERSION)), "2.005");
        EXPECT_EQ(WindowText(::GetDlgItem(about, IDC_ABOUT_MAIL)), app.m_strMail);
        EXPECT_EQ(WindowText(::GetDlgItem(about, IDC_ABOUT_WEB)), app.m_strWebSite);
        // Dragged by the body: below the tabs, left of OK.
        const RECT ok = RectIn(::GetDlgItem(sheet, IDOK), sheet);
        POINT body{ok.left - 20, ok.top + 3};
        ::ClientToScreen(sheet, &body);
        EXPECT_EQ(::SendMessageA(sheet, WM_NCHITTEST, 0, MAKELPARAM(body.x, body.y)), HTCAPTION);

        for (int tab = 0; tab < 4; ++tab) {
            SCOPED_TRACE(tab);
            SelectTab(sheet, tab);
            const RECT tabs = RectIn(Tabs(sheet), sheet);
            const RECT cancel = RectIn(::GetDlgItem(sheet, IDCANCEL), sheet);
            const RECT okNow = RectIn(::GetDlgItem(sheet, IDOK), sheet);
            EXPECT_EQ(cancel.top, tabs.bottom + 7);
            EXPECT_EQ(okNow.top, tabs.bottom + 7);
            EXPECT_EQ(cancel.right, tabs.right);
            EXPECT_EQ(okNow.right + 15, cancel.left);
            RECT page{};
            ::GetWindowRect(Page(sheet), &page);
            EXPECT_EQ(tabs.bottom - tabs.top, page.bottom - page.top + 27);
            RECT whole{};
            ::GetWindowRect(sheet, &whole);
            heights[tab] = whole.bottom - whole.top;
            if (tab == 2) {
                const HWND startup = Page(sheet);
                ClickIn(startup, IDC_STARTUP_MINIMIZE);
                ClickIn(startup, IDC_STARTUP_PREVIOUS);
                ClickIn(startup, IDC_STARTUP_UPDATE);
            } else if (tab == 3) {
                ClickIn(Page(sheet), IDC_TITLES_STRICT);
                ClickIn(Page(sheet), IDC_TITLES_REMOVE_APP);
            }
        }
        End(sheet, IDOK);
    });
    // About 161, Misc and Startup 170, Titles 203 dialog units high.
    EXPECT_LT(heights[0], heights[1]);
    EXPECT_EQ(heights[1], heights[2]);
    EXPECT_LT(heights[2], heights[3]);
    EXPECT_EQ(Stored("Settings", "MinimizeAtStartup"), 1u);
    EXPECT_EQ(Stored("Settings", "InitialState"), 2u);
    EXPECT_EQ(Stored("Settings", "UpdateExe"), 1u);  // the fixture stores 0
    EXPECT_EQ(Stored("Settings", "Strict"), 1u);
    EXPECT_EQ(Stored("Settings", "RemoveAppName"), 0u);
    EXPECT_EQ(Stored("Settings", "SoundOn"), 1u);
    EXPECT_EQ(test::ReadFileBytes(dir.File("Blenked.txt")), "Kept\r\n");
}

// Cancel stores nothing of what the pages changed; OK without visiting a page writes all thirteen
// values, the defaults where they were absent. The title file is written either way.
TEST_F(SettingsSheetTest, CancelStoresNothingAndOkAloneWritesEveryValue) {
    Open("Kept\r\n");
    ::DeleteFileA(dir.File("Blenked.txt").c_str());
    RunSheet([&](HWND sheet) {
        SelectTab(sheet, 2);
        ClickIn(Page(sheet), IDC_STARTUP_MINIMIZE);
        SelectTab(sheet, 3);
        ClickIn(Page(sheet), IDC_TITLES_CASE);
        End(sheet, IDCANCEL);
    });
    EXPECT_EQ(test::ReadFileBytes(dir.File("Blenked.txt")), "Kept\r\n");
    for (const char* key : {"MinimizeAtStartup", "CaseSensitive", "ColorBg", "SoundFile"}) {
        EXPECT_FALSE(Written(key)) << key;
    }

    RunSheet([&](HWND sheet) { End(sheet, IDOK); });
    const std::pair<const char*, DWORD> expected[] = {
        {"ColorText", 0xFFFFFF},  {"ColorBg", 0},       {"SoundOn", 1},
        {"RemoveAppName", 1},     {"SmartBlenk", 0},    {"Strict", 0},
        {"NeedBrowser", 0},       {"CaseSensitive", 0}, {"InstantBlenk", 1},
        {"MinimizeAtStartup", 0}, {"UpdateExe", 0},     {"InitialState", 1},
    };
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(Stored("Settings", key), value) << key;
    }
    EXPECT_EQ(test::ReadRawValue(std::string(test::kAppKey) + "\\Settings", "SoundFile").bytes,
              std::string("Blenked.wav\0", 12));
}

// A stored start-up state that none of the three radio buttons shows is kept by OK.
TEST_F(SettingsSheetTest, AStartupStateOutsideTheRadioButtonsIsKept) {
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
        .WriteNumber("Settings", "InitialState", 7);
    Open("");
    RunSheet([&](HWND sheet) {
        SelectTab(sheet, 2);
        for (const int radio : {IDC_STARTUP_DISABLED, IDC_STARTUP_ENABLED, IDC_STARTUP_PREVIOUS}) {
            EXPECT_EQ(::IsDlgButtonChecked(Page(sheet), radio), BST_UNCHECKED) << radio;
        }
        End(sheet, IDOK);
    });
    EXPECT_EQ(Stored("Settings", "InitialState"), 7u);
}

// "Instant blenk" sits in the scanning group with its tip, checked by default and then as stored;
// a click reaches the store only with OK.
TEST_F(SettingsSheetTest, InstantBlenkShowsTheStoredValueAndOnlyOkStoresIt) {
    Open("");
    const auto showThenClick = [&](int button) {
        bool checked = false;
        RunSheet([&](HWND sheet) {
            SelectTab(sheet, 3);
            const HWND page = Page(sheet);
            const HWND box = ::GetDlgItem(page, IDC_TITLES_INSTANT_BLENK);
            EXPECT_EQ(WindowText(box), "Instant blenk");
            EXPECT_EQ(PageTip(page, IDC_TITLES_INSTANT_BLENK),
                      "A matching window is closed as soon as it appears, instead of at the next "
                      "scan");
            RECT group = RectIn(::GetDlgItem(page, IDC_TITLES_SCANNING_GROUP), page), both{};
            const RECT boxRect = RectIn(box, page);
            ::UnionRect(&both, &group, &boxRect);
            EXPECT_TRUE(::EqualRect(&both, &group));
            EXPECT_LT(group.bottom, RectIn(::GetDlgItem(page, IDC_TITLES_UPDATE_GROUP), page).top);
            checked = ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
            ClickIn(page, IDC_TITLES_INSTANT_BLENK);
            End(sheet, button);
        });
        return checked;
    };
    EXPECT_TRUE(showThenClick(IDCANCEL));  // the default
    EXPECT_FALSE(Written("InstantBlenk"));
    EXPECT_TRUE(dialog->Schedule().Listening());
    EXPECT_TRUE(showThenClick(IDOK));
    EXPECT_EQ(Stored("Settings", "InstantBlenk"), 0u);
    EXPECT_FALSE(dialog->Schedule().Listening());  // in force at once
    EXPECT_FALSE(showThenClick(IDOK));
    EXPECT_EQ(Stored("Settings", "InstantBlenk"), 1u);
    EXPECT_TRUE(dialog->Schedule().Listening());
}

// A title that the sheet adds (the Titles page's themes) is written once, when the sheet closes,
// whatever its end.
TEST_F(SettingsSheetTest, TitlesAddedMeanwhileAreSavedWhenTheSheetCloses) {
    Open("");
    RunSheet([&](HWND sheet) {
        EXPECT_TRUE(dialog->AddTitle("Added meanwhile"));
        EXPECT_EQ(test::ReadFileBytes(dir.File("Blenked.txt")), "");
        End(sheet, IDCANCEL);
    });
    EXPECT_EQ(test::ReadFileBytes(dir.File("Blenked.txt")), "Added meanwhile\r\n");
}

// The counters come from the main window; a reset reaches it only with OK.
TEST_F(SettingsSheetTest, ResetCountersTakesEffectOnlyWithOk) {
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests").WriteNumber("Stat", "Closed", 5);
    Open("");
    const auto resetThen = [&](int button) {
        RunSheet([&](HWND sheet) {
            SelectTab(sheet, 1);
            ClickIn(Page(sheet), IDC_MISC_RESET);
            EXPECT_EQ(WindowText(::GetDlgItem(Page(sheet), IDC_MISC_TOTAL)), "0");
            End(sheet, button);
        });
    };
    const auto shownTotal = [&] {
        std::string total;
        RunSheet([&](HWND sheet) {
            SelectTab(sheet, 1);
            total = WindowText(::GetDlgItem(Page(sheet), IDC_MISC_TOTAL)) + "/" +
                    WindowText(::GetDlgItem(Page(sheet), IDC_MISC_RUN));
            End(sheet, IDCANCEL);
        });
        return total;
    };
    EXPECT_EQ(shownTotal(), "5/0");
    resetThen(IDCANCEL);
    EXPECT_EQ(shownTotal(), "5/0");
    resetThen(IDOK);
    EXPECT_EQ(shownTotal(), "0/0");
}

TEST_F(SettingsSheetTest, FrenchTextsAndEnglishTips) {
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
        .WriteNumber("Settings", "Language", 1);
    Open("");
    RunSheet([&](HWND sheet) {
        EXPECT_EQ(WindowText(sheet), "Configuration de The Blenker");
        EXPECT_EQ(TabText(sheet, 0) + "|" + TabText(sheet, 1) + "|" + TabText(sheet, 2) + "|" +
                      TabText(sheet, 3),
                  "A propos...|Divers|Démarrage|Titres");
        EXPECT_EQ(WindowText(::GetDlgItem(Page(sheet), IDC_ABOUT_CREDIT)),
                  "The Blenker, écrit par Vorlen.");
        SelectTab(sheet, 1);
        const HWND misc = Page(sheet);
        EXPECT_EQ(WindowText(::GetDlgItem(misc, IDC_MISC_LANGUAGE_NAME)), "Français");
        EXPECT_EQ(WindowText(::GetDlgItem(misc, IDC_MISC_COLORS_GROUP)), "Couleurs");
        SelectTab(sheet, 2);
        const HWND startup = Page(sheet);
        EXPECT_EQ(WindowText(::GetDlgItem(startup, IDC_STARTUP_START_MENU_LABEL)), "Menu Démarrer");
        EXPECT_EQ(WindowText(::GetDlgItem(startup, IDC_STARTUP_DESKTOP_LABEL)), "Bureau");
        // The picture button's name for a screen reader is its label's.
        EXPECT_EQ(WindowText(::GetDlgItem(startup, IDC_STARTUP_TO_DESKTOP)), "Bureau");
        SelectTab(sheet, 3);
        EXPECT_EQ(WindowText(::GetDlgItem(Page(sheet), IDC_TITLES_CASE)), "Respecte la casse");
        EXPECT_EQ(WindowText(::GetDlgItem(Page(sheet), IDC_TITLES_INSTANT_BLENK)),
                  "Blenk immédiat");
        EXPECT_EQ(PageTip(Page(sheet), IDC_TITLES_INSTANT_BLENK).substr(0, 34),
                  "A matching window is closed as soo");
        End(sheet, IDCANCEL);
    });
}

// A hundred openings, each showing every page, leave no GDI object and no window behind.
TEST_F(SettingsSheetTest, OpeningAndClosingLeaksNothing) {
    Open("");
    const auto round = [&] {
        RunSheet([&](HWND sheet) {
            for (int tab = 1; tab < 4; ++tab) {
                SelectTab(sheet, tab);
            }
            End(sheet, IDCANCEL);
        });
    };
    round();  // the system's own first-use objects
    const std::size_t windows = test::ThreadWindowCount();
    const test::GdiObjectCount gdi;
    ASSERT_TRUE(gdi.Usable());
    for (int i = 0; i < 100; ++i) {
        round();
    }
    EXPECT_LT(gdi.Added(), 10u);
    EXPECT_EQ(test::ThreadWindowCount(), windows);
}

}  // namespace
}  // namespace blenker
