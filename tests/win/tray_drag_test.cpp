// The notification icon, its menu, hiding and restoring, and the target drag, driven by the
// messages the shell and the mouse send.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_dialog_fixture.h"

#include <commctrl.h>
#include <shellapi.h>

namespace blenker {
namespace {

using TrayTest = test::MainDialogFixture;
using test::ReadFileBytes;
using test::TrayIconExists;

struct MenuItem {
    UINT id;
    std::string text;
    bool checked;
    bool operator==(const MenuItem&) const = default;
};

std::vector<MenuItem>* g_menuItems = nullptr;
int g_menuTicks = 0;

// The open popup menu's window; closed menus may leave hidden ones behind.
HWND OpenMenuWindow() {
    HWND window = nullptr;
    while ((window = ::FindWindowExA(nullptr, window, "#32768", nullptr)) != nullptr) {
        if (::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// Fires inside the menu's own loop: reads the open menu's items, then closes it.
void CALLBACK ReadOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND window = OpenMenuWindow();
    if (window == nullptr || g_menuItems == nullptr) {
        if (++g_menuTicks > 30) {
            ::EndMenu();  // never hang on a menu that does not show
        }
        return;
    }
    const auto menu = reinterpret_cast<HMENU>(::SendMessageA(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_STATE | MIIM_ID | MIIM_FTYPE;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
        g_menuItems->push_back({info.wID, reinterpret_cast<const char*>(info.dwItemData),
                                (info.fState & MFS_CHECKED) != 0});
    }
    g_menuItems = nullptr;
    ::EndMenu();
}

// Right-clicks the icon as the shell reports it and returns what the menu offered.
std::vector<MenuItem> OpenTrayMenu(HWND dialog) {
    std::vector<MenuItem> items;
    g_menuItems = &items;
    g_menuTicks = 0;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &ReadOpenMenu);
    ::SendMessageA(dialog, WM_TRAY_NOTIFY, kTrayIconId, WM_RBUTTONDOWN);
    test::PumpUntil([&] { return g_menuItems == nullptr; }, 5000);
    ::KillTimer(nullptr, timer);
    g_menuItems = nullptr;
    return items;
}

TEST_F(TrayTest, ALeftPressOnTheIconShowsTheWindow) {
    Open("");
    EXPECT_TRUE(TrayIconExists(dialog->Hwnd()));
    Click(IDC_MINIMIZE);
    EXPECT_FALSE(::IsWindowVisible(dialog->Hwnd()));
    // Scanning goes on while hidden.
    EXPECT_NE(dialog->Schedule().m_nTimer, 0u);

    // The mouse passing over the icon leaves the window hidden; a press shows it.
    ::SendMessageA(dialog->Hwnd(), WM_TRAY_NOTIFY, kTrayIconId, WM_MOUSEMOVE);
    test::PumpMessages(200);
    EXPECT_FALSE(::IsWindowVisible(dialog->Hwnd()));
    ::SendMessageA(dialog->Hwnd(), WM_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(test::PumpUntil([&] { return ::IsWindowVisible(dialog->Hwnd()) != FALSE; }));
    EXPECT_EQ(OpenTrayMenu(dialog->Hwnd())[1].id, static_cast<UINT>(ID_TRAY_MINIMIZE));
    // A press while shown keeps it shown.
    ::SendMessageA(dialog->Hwnd(), WM_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    test::PumpMessages(200);
    EXPECT_TRUE(::IsWindowVisible(dialog->Hwnd()));
}

// What the notification icon was last given; the shell gets it too.
NOTIFYICONDATAW g_lastIconData{};
BOOL WINAPI RecordIconData(DWORD message, NOTIFYICONDATAW* data) {
    g_lastIconData = *data;
    return ::Shell_NotifyIconW(message, data);
}

TEST_F(TrayTest, TheTipIsTheCaptionCutTo63Characters) {
    notifyIcon = &RecordIconData;
    Open("");
    Click(IDC_ENABLE);
    EXPECT_EQ(g_lastIconData.uFlags & NIF_TIP, static_cast<UINT>(NIF_TIP));
    EXPECT_EQ(ToUtf8(g_lastIconData.szTip), Caption());
    EXPECT_EQ(Caption(), "The Blenker 2.005 - Off");
    const std::string longCaption = "0123456789abcdefghijklmnopqrstuvwxyz" + std::string(40, '!');
    dialog->SetTrayIcon(TrayAction::ChangeTip, longCaption);
    EXPECT_EQ(ToUtf8(g_lastIconData.szTip), longCaption.substr(0, 63));
    EXPECT_TRUE(TrayIconExists(dialog->Hwnd()));
}

TEST_F(TrayTest, ARestartedShellGetsTheIconBackWithTheCaptionAsTip) {
    notifyIcon = &RecordIconData;
    Open("");
    Click(IDC_ENABLE);
    test::DeleteTrayIcon(dialog->Hwnd());
    ASSERT_FALSE(TrayIconExists(dialog->Hwnd()));
    g_lastIconData = {};
    ::SendMessageA(dialog->Hwnd(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconExists(dialog->Hwnd()));
    EXPECT_EQ(ToUtf8(g_lastIconData.szTip), "The Blenker 2.005 - Off");
}

TEST_F(TrayTest, TheMenuOffersMinimizeOrOpenAndFollowsTheScanState) {
    Open("");
    EXPECT_EQ(OpenTrayMenu(dialog->Hwnd()),
              (std::vector<MenuItem>{
                  {1025, "Enabled", true}, {1026, "Minimize", false}, {IDOK, "Exit", false}}));
    Click(IDC_ENABLE);
    // The system minimise command hides the window instead of minimising it.
    ::SendMessageA(dialog->Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE | 2, 0);
    EXPECT_FALSE(::IsWindowVisible(dialog->Hwnd()));
    EXPECT_FALSE(::IsIconic(dialog->Hwnd()));
    EXPECT_EQ(OpenTrayMenu(dialog->Hwnd()),
              (std::vector<MenuItem>{
                  {1025, "Enabled", false}, {1027, "Open", false}, {IDOK, "Exit", false}}));
}

TEST_F(TrayTest, StartedHiddenTheMenuOffersOpen) {
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
        .WriteNumber("Settings", "MinimizeAtStartup", 1);
    Open("", /*firstRun=*/false, /*show=*/false);
    EXPECT_EQ(OpenTrayMenu(dialog->Hwnd()),
              (std::vector<MenuItem>{
                  {1025, "Enabled", true}, {1027, "Open", false}, {IDOK, "Exit", false}}));
    ::SendMessageA(dialog->Hwnd(), WM_TRAY_NOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(test::PumpUntil([&] { return ::IsWindowVisible(dialog->Hwnd()) != FALSE; }));
}

TEST_F(TrayTest, TheMenuSpeaksFrench) {
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
        .WriteNumber("Settings", "Language", 1);
    Open("");
    EXPECT_EQ(OpenTrayMenu(dialog->Hwnd()),
              (std::vector<MenuItem>{
                  {1025, "Actif", true}, {1026, "Réduire", false}, {IDOK, "Quitter", false}}));
    Click(IDC_MINIMIZE);
    EXPECT_EQ(OpenTrayMenu(dialog->Hwnd())[1], (MenuItem{1027, "Ouvrir", false}));
}

TEST_F(TrayTest, MenuCommandsSwitchHideAndShow) {
    Open("");
    Type("typed, not added");
    ::SendMessageA(dialog->Hwnd(), WM_COMMAND, ID_TRAY_ENABLED, 0);
    EXPECT_EQ(Caption(), "The Blenker 2.005 - Off");
    // The controls follow the members: the box is cleared, the typing is gone.
    EXPECT_EQ(::IsDlgButtonChecked(dialog->Hwnd(), IDC_ENABLE), BST_UNCHECKED);
    EXPECT_EQ(Field(IDC_TITLE_EDIT), "");

    ::SendMessageA(dialog->Hwnd(), WM_COMMAND, ID_TRAY_MINIMIZE, 0);
    EXPECT_FALSE(::IsWindowVisible(dialog->Hwnd()));
    ::SendMessageA(dialog->Hwnd(), WM_COMMAND, WM_BLENK_RESTORE, 0);
    EXPECT_TRUE(::IsWindowVisible(dialog->Hwnd()));
    EXPECT_EQ(OpenTrayMenu(dialog->Hwnd())[1].id, static_cast<UINT>(ID_TRAY_MINIMIZE));
}

TEST_F(TrayTest, ExitRemovesTheIconAndStoresEverything) {
    Open("Kept\r\n");
    Click(IDC_DELAY_UP);
    ::DeleteFileA(dir.File("Blenked.txt").c_str());
    const HWND window = dialog->Hwnd();
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(dialog->RunModalLoop(false), IDOK);
    EXPECT_EQ(ReadFileBytes(dir.File("Blenked.txt")), "Kept\r\n");
    ::DestroyWindow(window);
    EXPECT_FALSE(TrayIconExists(window));
    EXPECT_EQ(Stored("Settings", "Delay"), 1500u);
    EXPECT_EQ(Stored("Settings", "PreviousState"), 1u);
}

class TargetDrag : public test::MainDialogFixture {
  protected:
    // A mouse message at a screen point, in the dialog's client coordinates as the system
    // sends it.
    void Mouse(UINT message, POINT screen) {
        ::ScreenToClient(dialog->Hwnd(), &screen);
        ::SendMessageA(dialog->Hwnd(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                       MAKELPARAM(static_cast<short>(screen.x), static_cast<short>(screen.y)));
    }
    POINT CentreOf(HWND window) {
        RECT area{};
        ::GetWindowRect(window, &area);
        return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    }
    HICON TargetIcon() {
        return reinterpret_cast<HICON>(
            ::SendDlgItemMessageA(dialog->Hwnd(), IDC_TARGET, STM_GETICON, 0, 0));
    }
    // Presses on the target and releases over the point.
    void Drag(POINT drop) {
        const HICON atRest = TargetIcon();
        Mouse(WM_LBUTTONDOWN, CentreOf(dialog->Item(IDC_TARGET)));
        ASSERT_EQ(::GetCapture(), dialog->Hwnd());
        EXPECT_NE(TargetIcon(), atRest);
        Mouse(WM_LBUTTONUP, drop);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(TargetIcon(), atRest);
    }
};

TEST_F(TargetDrag, TakesTheTitleOfAnotherProgramsWindowWithoutItsAppName) {
    Open("");
    test::HelperPopup popup("Popup title - Netscape");
    const HWND window = popup.WaitForWindow();
    ASSERT_NE(window, nullptr);
    Drag(CentreOf(window));
    EXPECT_EQ(ListBox(), (std::vector<std::string>{"Popup title"}));
    EXPECT_EQ(ReadFileBytes(dir.File("Blenked.txt")), "Popup title\r\n");
}

TEST_F(TargetDrag, TakesAFirefoxWindowsTitleWithoutTheNameAfterItsEmDash) {
    Open("");
    test::HelperPopup popup("Big-Sale \u2014 Mozilla Firefox");
    const HWND window = popup.WaitForWindow();
    ASSERT_NE(window, nullptr);
    Drag(CentreOf(window));
    EXPECT_EQ(ListBox(), (std::vector<std::string>{"Big-Sale"}));
}

TEST_F(TargetDrag, KeepsTheWholeTitleWhenTheOptionIsOff) {
    RegistryProfileStore(kRegistryKeyName, "blenker_win_tests")
        .WriteNumber("Settings", "RemoveAppName", 0);
    Open("");
    test::HelperPopup popup("Popup title - Netscape");
    const HWND window = popup.WaitForWindow();
    ASSERT_NE(window, nullptr);
    Drag(CentreOf(window));
    EXPECT_EQ(ListBox(), (std::vector<std::string>{"Popup title - Netscape"}));
}

TEST_F(TargetDrag, DropsOnTheDialogItselfAndPressesBesideTheTarget) {
    Open("");
    // The dialog's own body: its caption is refused.
    RECT body{};
    ::GetWindowRect(dialog->Item(IDC_TITLE_LIST), &body);
    Drag({body.left - 2, body.top + 20});
    EXPECT_TRUE(ListBox().empty());

    // The title field: the text typed there.
    Type("Typed-in field");
    Drag(CentreOf(dialog->Item(IDC_TITLE_EDIT)));
    EXPECT_EQ(ListBox(), (std::vector<std::string>{"Typed"}));

    // A press beside the target starts nothing: its release over the field adds nothing.
    RECT target{};
    ::GetWindowRect(dialog->Item(IDC_TARGET), &target);
    const HICON atRest = TargetIcon();
    Mouse(WM_LBUTTONDOWN, {target.left - 3, (target.top + target.bottom) / 2});
    EXPECT_NE(::GetCapture(), dialog->Hwnd());
    EXPECT_EQ(TargetIcon(), atRest);
    Type("Beside");
    Mouse(WM_LBUTTONUP, CentreOf(dialog->Item(IDC_TITLE_EDIT)));
    EXPECT_EQ(ListBox().size(), 1u);

    // Another window taking the mouse ends a drag: the target is back, a release adds nothing.
    Mouse(WM_LBUTTONDOWN, CentreOf(dialog->Item(IDC_TARGET)));
    ASSERT_EQ(::GetCapture(), dialog->Hwnd());
    ::SetCapture(dialog->Item(IDC_TITLE_LIST));
    EXPECT_EQ(TargetIcon(), atRest);
    ::ReleaseCapture();
    Mouse(WM_LBUTTONUP, CentreOf(dialog->Item(IDC_TITLE_EDIT)));
    EXPECT_EQ(ListBox().size(), 1u);
}

// The target lets the mouse through to the dialog, which starts the drag; its tip must still
// show when the mouse rests over it.
TEST_F(TargetDrag, TheTargetShowsItsTipAndAPressThereStillDrags) {
    Open("");
    const POINT centre = CentreOf(dialog->Item(IDC_TARGET));
    ::SetCursorPos(centre.x, centre.y);
    Mouse(WM_MOUSEMOVE, centre);
    std::vector<HWND> shown;
    ASSERT_TRUE(test::PumpUntil(
        [&] { return !(shown = test::ShownThreadWindows(TOOLTIPS_CLASSA)).empty(); }, 3000));
    EXPECT_EQ(test::WindowText(shown.front()),
              "Drag this icon over a window title bar to add its title to the list");
    Type("Typed-in field");
    Drag(CentreOf(dialog->Item(IDC_TITLE_EDIT)));
    EXPECT_EQ(ListBox(), (std::vector<std::string>{"Typed"}));
}

}  // namespace
}  // namespace blenker
