// The Titles page's theme update in the real settings sheet, against the test's loopback server
// reached through the user's proxy setting, as the program reaches the maker's site.
#include <algorithm>

#include "loopback_http_server.h"
#include "loopback_tls_proxy.h"
#include "settings_sheet_fixture.h"

namespace blenker {
namespace {

using test::WindowText;

constexpr char kPath[] = "/blenker/tbk_titles.txt";
constexpr char kThemes[] =
    "@Doc\r\n1\r\n@File\r\n1\r\n@Themes\r\ncasino Casino ads#Publicit\xE9s casino\r\n"
    "ghost Nothing#Rien\r\n\r\n@casino\r\nFree Slots\r\nOnline Casino\r\nPlay Blackjack\r\n\r\n";
constexpr char kInternetSettings[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

class TitlesUpdateTest : public test::SettingsSheetFixture {
  protected:
    TitlesUpdateTest() { UseProxy(siteProxy.Address()); }
    ~TitlesUpdateTest() override {
        ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyEnable");
        ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer");
    }
    static void UseProxy(const std::string& address) {
        const DWORD on = 1;
        ::RegSetKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyEnable", REG_DWORD, &on,
                          sizeof on);
        ::RegSetKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer", REG_SZ,
                          address.c_str(), static_cast<DWORD>(address.size() + 1));
    }

    // Opens the Titles page; `inside` gets it, then the sheet ends with Cancel. The message
    // window's and message boxes' texts are kept in `seen`.
    void OnTitlesPage(const std::function<void(HWND page)>& inside) {
        onDialog = [&](HWND found) {
            const HWND text = ::GetDlgItem(found, IDC_MESSAGE_TEXT);
            seen.push_back(text ? WindowText(text) : test::WindowTexts(found));
            ::PostMessageA(found, WM_COMMAND, IDOK, 0);
        };
        RunSheet([&](HWND sheet) {
            SelectTab(sheet, 3);
            inside(Page(sheet));
            End(sheet, IDCANCEL);
        });
    }
    // Clicks "Upd" and waits until the reply is handled.
    std::string Update(HWND page) {
        ClickIn(page, IDC_TITLES_UPDATE);
        const HWND status = ::GetDlgItem(page, IDC_TITLES_STATUS);
        const std::string asking = WindowText(status);
        const std::size_t before = seen.size();
        test::PumpUntil([&] { return WindowText(status) != asking || seen.size() > before; });
        return asking + " > " + WindowText(status);
    }
    static std::vector<std::string> Themes(HWND page) {
        return test::ListBoxTexts(::GetDlgItem(page, IDC_TITLES_THEMES));
    }
    // Double-clicks the list's first entry, as the mouse does.
    static void DoubleClickFirst(HWND page) {
        const HWND list = ::GetDlgItem(page, IDC_TITLES_THEMES);
        const LPARAM at = MAKELPARAM(10, 5);
        for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
            ::SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
        }
    }

    test::LoopbackHttpServer server;
    // The system's proxy in front of it, which speaks TLS when the site does.
    test::LoopbackTlsProxy siteProxy{server};
    std::vector<std::string> seen;
};

TEST_F(TitlesUpdateTest, ThemesOfferTheNewTitlesAndADoubleClickAddsThem) {
    server.Serve(kPath, 200, kThemes);
    Open("Play Blackjack\r\n");
    OnTitlesPage([&](HWND page) {
        EXPECT_EQ(WindowText(::GetDlgItem(page, IDC_TITLES_STATUS)),
                  "Click button to start downloading...");
        EXPECT_EQ(Update(page),
                  "Retrieving infos... > Double click on a theme to add its "
                  "titles to your list");
        EXPECT_EQ(Themes(page), (std::vector<std::string>{"Casino ads - 2 new titles",
                                                          "Nothing - No new title"}));
        DoubleClickFirst(page);
        EXPECT_EQ(ListBox(),
                  (std::vector<std::string>{"Free Slots", "Online Casino", "Play Blackjack"}));
        EXPECT_EQ(test::ReadFileBytes(dir.File("Blenked.txt")), "Play Blackjack\r\n");
        EXPECT_EQ(Themes(page), (std::vector<std::string>{"Casino ads - No new title",
                                                          "Nothing - No new title"}));
        DoubleClickFirst(page);
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"\n\n\n2 new titles were added to your list.",
                                              "\n\n\n0 new titles were added to your list."}));
    EXPECT_EQ(ListBox().size(), 3u);
    EXPECT_EQ(test::ReadFileBytes(dir.File("Blenked.txt")),
              "Free Slots\r\nOnline Casino\r\nPlay Blackjack\r\n");
    EXPECT_EQ(server.Requests(), std::vector<std::string>{kPath});
}

TEST_F(TitlesUpdateTest, AThemeFileInUtf8OffersAndAddsItsTitlesWhole) {
    server.Serve(kPath, 200,
                 "\xEF\xBB\xBF@Doc\r\n1\r\n@File\r\n1\r\n@Themes\r\nru Реклама 🔥#Pub\r\n\r\n"
                 "@ru\r\nКазино онлайн\r\n限时优惠\r\n\r\n");
    Open("");
    OnTitlesPage([&](HWND page) {
        Update(page);
        EXPECT_EQ(Themes(page), std::vector<std::string>{"Реклама 🔥 - 2 new titles"});
        DoubleClickFirst(page);
        std::vector<std::string> added = ListBox();
        std::sort(added.begin(), added.end());
        EXPECT_EQ(added, (std::vector<std::string>{"Казино онлайн", "限时优惠"}));
    });
}

TEST_F(TitlesUpdateTest, InFrenchTheThemesAndTheMessageAreFrench) {
    server.Serve(kPath, 200, kThemes);
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
        .WriteNumber("Settings", "Language", 1);
    Open("");
    OnTitlesPage([&](HWND page) {
        Update(page);
        EXPECT_EQ(WindowText(::GetDlgItem(page, IDC_TITLES_STATUS)),
                  "Double cliquez sur un thème pour rajouter ses titres dans votre liste.");
        EXPECT_EQ(Themes(page).front(), "Publicités casino - 3 titres à ajouter");
        DoubleClickFirst(page);
    });
    EXPECT_EQ(seen,
              std::vector<std::string>{"\n\n\n3 nouveaux titres ont été ajoutés à votre liste."});
}

TEST_F(TitlesUpdateTest, FailuresAndATooOldFileOfferNothing) {
    Open("");
    OnTitlesPage([&](HWND page) {
        EXPECT_EQ(Update(page), "Retrieving infos... > Connection failed !");  // 404
        server.Serve(kPath, 200, "@Doc\r\n1\r\n\r\n@File\r\n1\r\n@Themes\r\na A#B\r\n\r\n");
        EXPECT_EQ(Update(page), "Retrieving infos... > Retrieving infos...");
        EXPECT_TRUE(Themes(page).empty());
        UseProxy("127.0.0.1:" + std::to_string(test::LoopbackHttpServer::ClosedPort()));
        EXPECT_EQ(Update(page), "Retrieving infos... > Connection failed !");
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_NE(seen[0].find("Your Blenker release is too old. Download the latest release !"),
              std::string::npos);
}

// A click while a reply is already on its way: that reply is not the pending request's, and
// only the second request's fills the list.
TEST_F(TitlesUpdateTest, OnlyTheLatestClickIsAnswered) {
    server.Serve(kPath, 200, kThemes);
    Open("");
    OnTitlesPage([&](HWND page) {
        ClickIn(page, IDC_TITLES_UPDATE);
        ASSERT_TRUE(server.WaitForAnswers(1));
        ::Sleep(300);  // the first reply reaches the page's queue meanwhile
        EXPECT_EQ(Update(page),
                  "Retrieving infos... > Double click on a theme to add its "
                  "titles to your list");
        test::PumpMessages(300);
        EXPECT_EQ(Themes(page).size(), 2u);
    });
}

}  // namespace
}  // namespace blenker
