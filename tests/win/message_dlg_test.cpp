// The message window: its text, its close button with the tip, and its drag by the body; the
// help window's whole text and a new DPI.
#include <gtest/gtest.h>

#include "app/win_app.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "framework/window.h"
#include "resource.h"
#include "ui/help_dlg.h"
#include "ui/message_dlg.h"
#include "win_test_support.h"

namespace blenker {
namespace {

TEST(MessageDlgTest, ShowsCentredTextClosesByItsButtonAndMovesByItsBody) {
    CMessageDlg dialog(nullptr);
    dialog.m_strMessage = "First line\nSecond line";
    ASSERT_TRUE(dialog.Create());
    ::ShowWindow(dialog.Hwnd(), SW_SHOW);

    EXPECT_EQ(dialog.ItemText(IDC_MESSAGE_TEXT), "First line\nSecond line");
    EXPECT_EQ(::GetWindowLongA(dialog.Item(IDC_MESSAGE_TEXT), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
    EXPECT_EQ(dialog.ToolTips().TipText(dialog.Item(IDOK)), "Close the window");

    // The body answers the hit test as a caption would, so a drag moves the window; the close
    // button is a window of its own under the cursor and stays a button.
    RECT window{};
    ::GetWindowRect(dialog.Hwnd(), &window);
    EXPECT_EQ(::SendMessageA(dialog.Hwnd(), WM_NCHITTEST, 0,
                             MAKELPARAM(window.left + 6, window.bottom - 6)),
              HTCAPTION);
    RECT button{};
    ::GetWindowRect(dialog.Item(IDOK), &button);
    const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    EXPECT_EQ(::WindowFromPoint(centre), dialog.Item(IDOK));

    ::PostMessageA(dialog.Item(IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.RunModalLoop(false), IDOK);
}

TEST(MessageDlgTest, EscapeClosesItToo) {
    CMessageDlg dialog(nullptr);
    ASSERT_TRUE(dialog.Create());
    ::ShowWindow(dialog.Hwnd(), SW_SHOW);
    ::PostMessageA(dialog.Item(IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(dialog.RunModalLoop(false), IDCANCEL);
}

// The help window grows until its field shows every line of the text (the French one is the
// longer). Moved onto a monitor at 150 %, it takes the suggested rectangle and knows its new
// DPI, and its tip is written in the system's tip font one and a half times as high.
TEST(MessageDlgTest, TheHelpWindowShowsItsWholeTextAndTakesANewDpi) {
    VWinApp app;
    app.m_nLanguage = 1;
    CHelpDlg help(nullptr);
    ASSERT_TRUE(help.Create());
    const HWND field = help.Item(IDC_HELP_TEXT);
    RECT shown{}, needed{};
    ::GetClientRect(field, &shown);
    needed.right = shown.right;
    const WindowDc dc(field);
    const SelectedObject font(dc.Get(), GetFont(field));
    ::DrawTextW(dc.Get(), ToUtf16(help.ItemText(IDC_HELP_TEXT)).c_str(), -1, &needed,
                DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(shown.bottom, needed.bottom);
    EXPECT_GE(WindowRectIn(help.Item(IDC_HELP_CLOSE), field).top, shown.bottom);

    LOGFONTW tip{};
    ::GetObjectW(GetFont(help.ToolTips().Hwnd()), sizeof tip, &tip);
    RECT suggested = WindowRectIn(help.Hwnd(), nullptr);
    suggested.right += (suggested.right - suggested.left) / 2;
    suggested.bottom += (suggested.bottom - suggested.top) / 2;
    ::SendMessageW(help.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                   reinterpret_cast<LPARAM>(&suggested));
    const RECT now = WindowRectIn(help.Hwnd(), nullptr);
    EXPECT_TRUE(::EqualRect(&now, &suggested));
    EXPECT_EQ(help.Dpi(), 144);
    const LONG height96 = tip.lfHeight;
    ::GetObjectW(GetFont(help.ToolTips().Hwnd()), sizeof tip, &tip);
    EXPECT_EQ(tip.lfHeight, ::MulDiv(height96, 3, 2));
}

}  // namespace
}  // namespace blenker
