// The message window: its text, its close button with the tip, and its drag by the body.
#include <gtest/gtest.h>

#include "resource.h"
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

}  // namespace
}  // namespace blenker
