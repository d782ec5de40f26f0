// The main dialog driven in-process by the messages a user's clicks and keys send.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "app/language_dlg.h"
#include "app/win_app.h"
#include "mainwnd/blenker_dlg.h"
#include "resource.h"
#include "loopback_http_server.h"
#include "loopback_tls_proxy.h"
#include "main_dialog_fixture.h"

namespace blenker {
namespace {

using test::ModalCloser;
using test::ReadFileBytes;
using test::ReadRawValue;

using BlenkerDlgTest = test::MainDialogFixture;
using test::kAppKey;
using test::kTenTitles;

TEST_F(BlenkerDlgTest, AddKeepsRefusedTitlesInTheFieldAndSavesAcceptedOnes) {
    Open("Info iFrance\r\n");
    Type("info ifrance");
    Click(IDC_ADD);
    EXPECT_EQ(Field(IDC_TITLE_EDIT), "info ifrance");
    Type("The Blenker 2.005 - On");
    Click(IDC_ADD);
    EXPECT_EQ(Field(IDC_TITLE_EDIT), "The Blenker 2.005 - On");

    Type("  Annoying ad  ");
    Click(IDC_ADD);
    EXPECT_EQ(Field(IDC_TITLE_EDIT), "");
    EXPECT_EQ(ListBox(), (std::vector<std::string>{"Annoying ad", "Info iFrance"}));
    EXPECT_EQ(ReadFileBytes(dir.File("Blenked.txt")), "Annoying ad\r\nInfo iFrance\r\n");
}

// The order a sorted list box of the system gives these titles.
std::vector<std::string> SystemSorted(const std::vector<std::string>& titles) {
    const HWND box = ::CreateWindowExW(0, L"LISTBOX", L"", LBS_SORT | LBS_HASSTRINGS, 0, 0, 100,
                                       100, nullptr, nullptr, nullptr, nullptr);
    for (const std::string& title : titles) {
        ::SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(title).c_str()));
    }
    const std::vector<std::string> sorted = test::ListBoxTexts(box);
    ::DestroyWindow(box);
    return sorted;
}

TEST_F(BlenkerDlgTest, TheListAndTheFileFollowTheSystemsOrder) {
    // A file in the order of the former A-to-Z fold.
    Open("-dash\r\nRe-run\r\nReader\r\nZut\r\n~x\r\n\xC9t\xE9\r\n");
    for (const char* title : {"eta", "Reader 2", "rerun", "été 2", "zut"}) {
        Type(title);
        Click(IDC_ADD);
    }
    const std::vector<std::string> shown = ListBox();
    EXPECT_EQ(shown, SystemSorted(shown));
    EXPECT_EQ(shown, (std::vector<std::string>{"~x", "-dash", "eta", "Été", "été 2", "Reader",
                                               "Reader 2", "rerun", "Re-run", "Zut"}));
    // Every title has a byte in the code page: the file stays one that earlier releases read.
    EXPECT_EQ(ReadFileBytes(dir.File("Blenked.txt")),
              "~x\r\n-dash\r\neta\r\n\xC9t\xE9\r\n\xE9t\xE9 2\r\nReader\r\nReader "
              "2\r\nrerun\r\nRe-run\r\n"
              "Zut\r\n");
}

TEST_F(BlenkerDlgTest, EnterAddsNothingAndKeepsTheWindow) {
    Open("Info iFrance\r\n");
    Type("Typed popup");
    Key(IDC_TITLE_EDIT, VK_RETURN);
    EXPECT_EQ(ListBox(), (std::vector<std::string>{"Info iFrance"}));
    EXPECT_EQ(Field(IDC_TITLE_EDIT), "Typed popup");
    EXPECT_TRUE(::IsWindowVisible(dialog->Hwnd()));
    EXPECT_EQ(dialog->Schedule().m_nTimer != 0, true);
}

TEST_F(BlenkerDlgTest, RemovesTheSelectedEntriesAndSelectionFillsTheField) {
    Open(kTenTitles);
    const HWND list = dialog->Item(IDC_TITLE_LIST);
    for (int index : {2, 5, 7}) {
        ::SendMessageA(list, LB_SETSEL, TRUE, index);
    }
    Click(IDC_REMOVE);
    const std::vector<std::string> left{"a0", "b1", "d3", "e4", "g6", "i8", "j9"};
    EXPECT_EQ(ListBox(), left);
    EXPECT_EQ(dialog->Titles().Titles(), left);
    // The removal is saved at once.
    EXPECT_EQ(ReadFileBytes(dir.File("Blenked.txt")), "a0\r\nb1\r\nd3\r\ne4\r\ng6\r\ni8\r\nj9\r\n");

    // A click on the fourth entry copies it into the field.
    RECT item{};
    ::SendMessageA(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 4, item.top + 2);
    ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(list, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(Field(IDC_TITLE_EDIT), "e4");
}

TEST_F(BlenkerDlgTest, DelayStepsRefreshTheFieldsAndOverwriteUnsavedTyping) {
    Open("");
    EXPECT_EQ(Field(IDC_DELAY), "1.0");
    Type("not added yet");
    Click(IDC_DELAY_UP);
    EXPECT_EQ(Field(IDC_DELAY), "1.5");
    EXPECT_EQ(Field(IDC_TITLE_EDIT), "");
    EXPECT_EQ(Stored("Settings", "Delay"), 1500u);
    Click(IDC_DELAY_DOWN);
    Click(IDC_DELAY_DOWN);
    EXPECT_EQ(Field(IDC_DELAY), "0.9");
}

TEST_F(BlenkerDlgTest, AQuickSecondClickOnADelayButtonCountsToo) {
    Open("");
    const HWND up = dialog->Item(IDC_DELAY_UP);
    const LPARAM at = MAKELPARAM(2, 2);
    for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        ::SendMessageA(up, press, MK_LBUTTON, at);
        ::SendMessageA(up, WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(Field(IDC_DELAY), "2.0");
}

TEST_F(BlenkerDlgTest, TheCheckBoxSwitchesScanning) {
    Open("");
    EXPECT_EQ(Caption(), "The Blenker 2.005 - On");
    EXPECT_EQ(::IsDlgButtonChecked(dialog->Hwnd(), IDC_ENABLE), BST_CHECKED);
    Click(IDC_ENABLE);
    EXPECT_EQ(Caption(), "The Blenker 2.005 - Off");
    EXPECT_EQ(Stored("Settings", "PreviousState"), 0u);
    EXPECT_EQ(dialog->Schedule().m_nTimer, 0u);
    Click(IDC_ENABLE);
    EXPECT_EQ(Caption(), "The Blenker 2.005 - On");
    EXPECT_EQ(Stored("Settings", "PreviousState"), 1u);
}

TEST_F(BlenkerDlgTest, FrenchTextsWhileTheTipsStayEnglish) {
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
        .WriteNumber("Settings", "Language", 1);
    Open("");
    EXPECT_EQ(Field(IDC_DELAY_LABEL), "Délai :");
    EXPECT_EQ(Field(IDC_ENABLE), "Active le blenk");
    EXPECT_EQ(dialog->ToolTips().TipText(dialog->Item(IDC_ADD)),
              "Add the beginning of a new popup title to the list");
    EXPECT_EQ(dialog->ToolTips().TipText(dialog->Item(IDC_TARGET)),
              "Drag this icon over a window title bar to add its title to the list");

    // A picture button's name, which a screen reader reads, is its tip in the user's language.
    EXPECT_EQ(Field(IDC_ADD), "Ajoute le début de titre d'une fenêtre à la liste");

    app.ToggleLanguage();
    dialog->UpdateTexts();
    EXPECT_EQ(Field(IDC_ADD), "Add the beginning of a new popup title to the list");
    EXPECT_EQ(Field(IDC_DELAY_LABEL), "Delay :");
    EXPECT_EQ(Field(IDC_ENABLE), "Enable annihilation");
    EXPECT_EQ(Stored("Settings", "Language"), 0u);
}

// The dialog's own timer: a popup per tick while on, none while off or on another timer's
// tick, and the count stored at the end.
TEST_F(BlenkerDlgTest, ItsTimerClosesPopupsOnlyWhileOn) {
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
        .WriteNumber("Settings", "Delay", 100);
    Open("Timed popup\r\n");
    test::TestPopup first("Timed popup 1");
    test::TestPopup second("Timed popup 2");
    ASSERT_TRUE(test::PumpUntil([&] { return !first.Alive() && !second.Alive(); }, 3000));

    Click(IDC_ENABLE);
    test::TestPopup waiting("Timed popup 3");
    ::SendMessageA(dialog->Hwnd(), WM_TIMER, 2, 0);
    test::PumpMessages(600);
    EXPECT_TRUE(waiting.Alive());
    Click(IDC_ENABLE);
    EXPECT_TRUE(test::PumpUntil([&] { return !waiting.Alive(); }, 3000));

    ::DestroyWindow(dialog->Hwnd());
    EXPECT_EQ(Stored("Stat", "Closed"), 3u);
}

// Esc, the close button and the "Exit" command all end the loop; destroying the window then
// stores the delay, the state, the counter and the title file.
TEST_F(BlenkerDlgTest, EveryWayOutStoresEverything) {
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        Open("Kept title\r\n");
        Click(IDC_DELAY_DOWN);
        ::DeleteFileA(dir.File("Blenked.txt").c_str());
        RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
            .WriteNumber("Settings", "Delay", 1);
        const HWND window = dialog->Hwnd();
        if (way == 0) {
            ::PostMessageA(dialog->Item(IDC_TITLE_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
        } else if (way == 1) {
            ::PostMessageA(dialog->Item(IDC_CLOSE), BM_CLICK, 0, 0);
        } else {
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
        EXPECT_EQ(dialog->RunModalLoop(false), way == 2 ? IDOK : IDCANCEL);
        ::DestroyWindow(window);
        EXPECT_EQ(Stored("Settings", "Delay"), 900u);
        EXPECT_EQ(Stored("Settings", "PreviousState"), 1u);
        EXPECT_EQ(Stored("Stat", "Closed"), 0u);
        EXPECT_TRUE(ReadRawValue(std::string(kAppKey) + "\\Stat", "Closed").found);
        EXPECT_EQ(ReadFileBytes(dir.File("Blenked.txt")), "Kept title\r\n");
        dialog.reset();
        test::DeleteKeyTree(kAppKey);
    }
}

TEST_F(BlenkerDlgTest, AMissingFileIsAnnouncedAndStartsWithTheBuiltInTitles) {
    ModalCloser closer;
    Open(nullptr);
    ASSERT_EQ(closer.Seen().size(), 1u);
    EXPECT_NE(closer.Seen()[0].find("The file 'Blenked.txt' has been created. It is used to save "
                                    "the titles to blenk.\n\nLe fichier 'Blenked.txt' a été "
                                    "crée"),
              std::string::npos)
        << closer.Seen()[0];
    EXPECT_EQ(ListBox(), (std::vector<std::string>{
                             "Bienvenue sur la page perso d'un membre Tripod !",
                             "Bienvenue sur une page perso MultiMania",
                             "Info iFrance",
                             "Les Pages Perso de Club-Internet",
                             "Les sponsors de Chez",
                             "Some words from one of our sponsors",
                             "Welcome to a Tripod Member Page",
                             "Window refreshes every",
                         }));
    // The file is written before the message says so.
    EXPECT_NE(ReadFileBytes(dir.File("Blenked.txt")).find("Info iFrance\r\n"), std::string::npos);
    Type("Fresh popup");
    Click(IDC_ADD);
    EXPECT_NE(ReadFileBytes(dir.File("Blenked.txt")).find("Fresh popup\r\nInfo iFrance\r\n"),
              std::string::npos);
}

TEST_F(BlenkerDlgTest, AReadErrorPartWayKeepsTheLinesReadThenAddsTheBuiltIns) {
    // The file's first block, then a read error in the middle of its third line.
    openTitleFile = [](const std::string& path) -> ReadBytesFn {
        EXPECT_EQ(path, "Blenked.txt");
        auto calls = std::make_shared<int>(0);
        return [calls](char* buffer, std::size_t size, bool& failed) -> std::size_t {
            const std::string_view block = "Zebra ad\r\nAardvark ad\r\nCut sh";
            if ((*calls)++ == 0 && size >= block.size()) {
                block.copy(buffer, block.size());
                return block.size();
            }
            failed = true;
            return 0;
        };
    };
    ModalCloser closer;
    const char* const onDisk = "Zebra ad\r\nAardvark ad\r\nCut short\r\nUnread ad\r\n";
    Open(onDisk);
    ASSERT_EQ(closer.Seen().size(), 1u);
    EXPECT_NE(closer.Seen()[0].find("The file 'Blenked.txt' has been created."), std::string::npos);
    // A file that is there is not rewritten with the part that could be read.
    EXPECT_EQ(ReadFileBytes(dir.File("Blenked.txt")), onDisk);
    const std::vector<std::string> list = ListBox();
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front(), "Aardvark ad");
    EXPECT_EQ(list.back(), "Zebra ad");
    EXPECT_EQ(std::count(list.begin(), list.end(), "Info iFrance"), 1);
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const std::string& title) { return title.rfind("Cut", 0) == 0; }),
              0);
}

TEST_F(BlenkerDlgTest, AFailedSaveSaysSoAndKeepsThePreviousFile) {
    Open("Old one\r\nOld two\r\n");
    ASSERT_TRUE(::SetFileAttributesA(dir.File("Blenked.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    ModalCloser closer;
    closer.Ignore(dialog->Hwnd());
    Type("New title");
    Click(IDC_ADD);
    ASSERT_EQ(closer.Seen().size(), 1u);
    EXPECT_EQ(closer.Seen()[0].substr(0, 14), "The Blenker | ");
    EXPECT_NE(closer.Seen()[0].find("| The file 'Blenked.txt' couldn't been updated !"),
              std::string::npos);
    // The entry stays in the list; the file keeps what it had, and no temporary file is left.
    EXPECT_EQ(ListBox().size(), 3u);
    EXPECT_EQ(ReadFileBytes(dir.File("Blenked.txt")), "Old one\r\nOld two\r\n");
    EXPECT_EQ(::GetFileAttributesA(dir.File("Blenked.txt.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(BlenkerDlgTest, TheFirstRunAsksForTheLanguageAndEscKeepsTheChoice) {
    ModalCloser closer([](HWND found) {
        if (::GetDlgItem(found, IDC_FRENCH) != nullptr) {
            ::SendDlgItemMessageA(found, IDC_FRENCH, BM_CLICK, 0, 0);
            ::PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
        } else {
            ::PostMessageA(found, WM_COMMAND, IDOK, 0);
        }
    });
    Open("", /*firstRun=*/true);
    ASSERT_FALSE(closer.Seen().empty());
    EXPECT_EQ(closer.Seen()[0].substr(0, 11), "The Blenker");
    EXPECT_EQ(app.GetLanguage(), 1);
    EXPECT_EQ(Stored("Settings", "Language"), 1u);
    EXPECT_EQ(Field(IDC_DELAY_LABEL), "Délai :");
    EXPECT_EQ(Stored("", "Version"), 2005u);
}

// While the release check's request is pending (its answer held back), a reply that is not its
// own, stale or forged, opens nothing; its own reply opens the new-release window once, and a
// reply after it, with no request pending any more, opens nothing either.
TEST_F(BlenkerDlgTest, OnlyThePendingRequestsOwnReplyOpensTheNewReleaseWindow) {
    test::LoopbackHttpServer server;
    server.Serve("/blenker/tbk_update.txt", 200, "@VersionNumber\r\n2006\r\n");
    server.Hold("/blenker/tbk_update.txt");
    const test::LoopbackTlsProxy siteProxy(server);
    const test::ScopedProxy proxy(siteProxy.Address());
    ModalCloser closer;
    releaseCheck = true;
    Open(kTenTitles);
    closer.Ignore(dialog->Hwnd());
    ASSERT_TRUE(server.WaitForRequests(1, 10000));
    const auto forge = [&] {
        ::PostMessageA(dialog->Hwnd(), WM_DOWNLOAD_DONE, 1, 0);
        ::PostMessageA(dialog->Hwnd(), WM_DOWNLOAD_DONE, 0, kDownloadInternetError);
        test::PumpMessages(300);
    };
    forge();
    EXPECT_TRUE(closer.Seen().empty());

    server.Release();
    ASSERT_TRUE(test::PumpUntil([&] { return !closer.Seen().empty(); }, 10000));
    EXPECT_NE(closer.Seen()[0].find("New version of The Blenker !"), std::string::npos)
        << closer.Seen()[0];
    forge();
    EXPECT_EQ(closer.Seen().size(), 1u);
    EXPECT_TRUE(::IsWindow(dialog->Hwnd()));
}

}  // namespace
}  // namespace blenker
