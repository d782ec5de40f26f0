// The skinned main window (its outline, drag rule, colours and state lamp), the picture loader
// that draws the lamp, and the help window.
#include "main_dialog_fixture.h"
#include "framework/dialog_colors.h"
#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/window.h"
#include "ui/help_dlg.h"
#include "ui/picture.h"

namespace blenker {
namespace {

using test::WindowText;

TEST(PictureTest, LoadsAResourcePictureAndReportsWhatFails) {
    CPicture picture;
    const WindowDc screen(nullptr);
    EXPECT_FALSE(picture.Render(screen.Get(), 0, 0, 30, 25));  // empty: no box either
    ASSERT_TRUE(picture.LoadFromResource(IDG_LAMP_ON, "GIF"));
    const HRSRC resource = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDG_LAMP_ON), "GIF");
    EXPECT_EQ(picture.m_Width, 30);
    EXPECT_EQ(picture.m_Height, 25);
    EXPECT_EQ(picture.m_Weight, static_cast<long>(::SizeofResource(nullptr, resource)));

    // Each load releases the picture before: a hundred leave no GDI object behind.
    const test::GdiObjectCount gdi;
    ASSERT_TRUE(gdi.Usable());
    for (int i = 0; i < 100; ++i) {
        picture.LoadFromResource(i % 2 ? IDG_LAMP_ON : IDG_LAMP_OFF, "GIF");
    }
    EXPECT_LT(gdi.Added(), 5u);

    test::ModalCloser closer;
    EXPECT_FALSE(picture.LoadFromResource(4242, "GIF"));
    EXPECT_EQ(closer.Seen(),
              std::vector<std::string>{"The Blenker | OK | FindResource() Failed\t"});
    EXPECT_EQ(picture.m_Width + picture.m_Height + picture.m_Weight, 0);
    EXPECT_FALSE(picture.Loaded());
}

class SkinTest : public test::MainDialogFixture {
  protected:
    COLORREF Pixel(int x, int y) const { return test::WindowPixel(dialog->Hwnd(), x, y); }
    std::vector<COLORREF> Lamp() const {
        std::vector<COLORREF> pixels;
        for (int y = 2; y < 27; ++y) {
            for (int x = 169; x < 199; ++x) {
                pixels.push_back(Pixel(x, y));
            }
        }
        return pixels;
    }
};

TEST_F(SkinTest, TheBodyIsRoundedDraggedColouredAndShowsTheLamp) {
    Open("");
    const HWND main = dialog->Hwnd();
    RECT frame{};
    ::GetWindowRect(main, &frame);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    const int c = ::GetSystemMetrics(SM_CYCAPTION), e = ::GetSystemMetrics(SM_CYEDGE);
    const UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(::GetWindowRgn(main, region.Get()), COMPLEXREGION);
    RECT box{};
    ::GetRgnBox(region.Get(), &box);
    EXPECT_EQ((std::array{box.left, box.top, box.right, box.bottom}),
              (std::array<LONG, 4>{e, c + e, w - e, h - e}));
    for (const POINT corner : {POINT{e, c + e}, POINT{w - e - 1, c + e}, POINT{e, h - e - 1},
                               POINT{w - e - 1, h - e - 1}}) {
        EXPECT_FALSE(::PtInRegion(region.Get(), corner.x, corner.y));
    }
    EXPECT_TRUE(::PtInRegion(region.Get(), w / 2, h / 2));

    // The body between the banner and the lamp drags; the target does not.
    POINT body{166, 25};
    ::ClientToScreen(main, &body);
    EXPECT_EQ(::SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(body.x, body.y)), HTCAPTION);
    RECT target{};
    ::GetWindowRect(dialog->Item(IDC_TARGET), &target);
    EXPECT_NE(::SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(target.left + 5, target.top + 5)),
              HTCAPTION);

    // Black body, white static text; the lamp changes as soon as scanning is switched.
    ::RedrawWindow(main, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(Pixel(166, 25), 0u);
    const WindowDc dc(main);
    ::SendMessageA(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                   reinterpret_cast<LPARAM>(dialog->Item(IDC_DELAY_LABEL)));
    EXPECT_EQ(::GetTextColor(dc.Get()), 0xFFFFFFu);
    const std::vector<COLORREF> on = Lamp();
    EXPECT_NE(std::count(on.begin(), on.end(), 0u), 0);  // the body shows around the ring
    Click(IDC_ENABLE);
    EXPECT_NE(Lamp(), on);
    Click(IDC_ENABLE);
    EXPECT_EQ(Lamp(), on);

    // 1 000 switches of the lamp leave no GDI object behind.
    const test::GdiObjectCount gdi;
    ASSERT_TRUE(gdi.Usable());
    for (int i = 0; i < 1000; ++i) {
        Click(IDC_ENABLE);
    }
    EXPECT_LT(gdi.Added(), 5u);
}

// Moved to a monitor of 150 %: the window takes the suggested rectangle, lays its controls out,
// and draws its outline, pictures, lamp and texts for that DPI; moved back, it is as before.
TEST_F(SkinTest, MovedToAnotherScaleItTakesTheSuggestedPlaceAndDrawsForItsDpi) {
    Open("");
    const HWND main = dialog->Hwnd();
    const auto state = [&] {
        std::vector<RECT> rects{WindowRectIn(main, nullptr)};
        for (const int id : {IDC_ADD, IDC_DELAY_UP, IDC_TITLE_LIST, IDC_TARGET}) {
            rects.push_back(WindowRectIn(dialog->Item(id), main));
        }
        return rects;
    };
    const auto textHeight = [&] {
        const WindowDc dc(main);
        const SelectedObject font(dc.Get(), GetFont(dialog->Item(IDC_TITLE_LIST)));
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc.Get(), &metrics);
        return static_cast<int>(metrics.tmHeight);
    };
    const auto moveTo = [&](int dpi, const RECT& suggested) {
        ::SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        ::RedrawWindow(main, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    ::RedrawWindow(main, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::vector<RECT> before = state();
    const std::vector<COLORREF> lamp = Lamp();
    const int text = textHeight();
    const RECT at96 = before[0];
    const RECT at144{at96.left + 10, at96.top + 10,
                     at96.left + 10 + ScaleToDpi(int{at96.right - at96.left}, 144),
                     at96.top + 10 + ScaleToDpi(int{at96.bottom - at96.top}, 144)};

    moveTo(144, at144);
    const std::vector<RECT> after = state();
    EXPECT_TRUE(::EqualRect(&after[0], &at144));
    for (std::size_t i = 1; i < 4; ++i) {  // the target is as large as its icon
        EXPECT_EQ(ToRect(after[i]), ScaleToDpi(ToRect(before[i]), 144)) << i;
    }
    EXPECT_EQ(after[4].right - after[4].left, SystemMetricForDpi(SM_CXICON, 144));
    EXPECT_GE(textHeight() * 4, text * 5);
    const int c = SystemMetricForDpi(SM_CYCAPTION, 144), e = SystemMetricForDpi(SM_CYEDGE, 144);
    const UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ::GetWindowRgn(main, region.Get());
    RECT box{};
    ::GetRgnBox(region.Get(), &box);
    EXPECT_EQ(ToRect(box), (Rect{e, c + e, int{at144.right - at144.left} - e,
                                 int{at144.bottom - at144.top} - e}));
    EXPECT_FALSE(::PtInRegion(region.Get(), e + 5, c + e + 5));  // a corner of radius 23
    // The add button shows the whole 45 x 30 picture: white face up to its lower right.
    const RECT add = after[1];
    EXPECT_EQ(test::WindowPixel(dialog->Item(IDC_ADD), add.right - add.left - 4,
                                add.bottom - add.top - 4),
              0xFFFFFFu);
    // The lamp's ring reaches the lower right of its 45 x 38 place.
    const Rect lampAt = ScaleToDpi(Rect{169, 2, 199, 27}, 144);
    bool ringLow = false;
    for (int y = lampAt.top + lampAt.Height() / 2; y < lampAt.bottom; ++y) {
        for (int x = lampAt.left + lampAt.Width() / 2; x < lampAt.right; ++x) {
            const COLORREF pixel = Pixel(x, y);
            ringLow = ringLow || (GetRValue(pixel) > 150 && GetGValue(pixel) < 60);
        }
    }
    EXPECT_TRUE(ringLow);

    const test::GdiObjectCount gdi;
    ASSERT_TRUE(gdi.Usable());
    for (int i = 0; i < 10; ++i) {
        moveTo(96, at96);
        moveTo(144, at144);
    }
    moveTo(96, at96);
    EXPECT_LT(gdi.Added(), 5u);
    EXPECT_EQ(state().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(::EqualRect(&state()[i], &before[i])) << i;
    }
    EXPECT_EQ(textHeight(), text);
    EXPECT_EQ(Lamp(), lamp);
}

// The colours stored at start-up, or picked in the settings, paint the body.
TEST_F(SkinTest, TheSharedColoursPaintTheBodyWhileTheFieldsKeepTheSystemOnes) {
    Open("");
    SetDialogColors(0x00BDBDF7, 0x00800000);
    ::RedrawWindow(dialog->Hwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(Pixel(166, 25), 0x00BDBDF7u);
    for (const int id : {IDC_TITLE_LIST, IDC_TITLE_EDIT}) {
        const HWND field = dialog->Item(id);
        RECT inside{};
        ::GetClientRect(field, &inside);
        EXPECT_EQ(test::WindowPixel(field, inside.right - 3, inside.bottom - 2),
                  ::GetSysColor(COLOR_WINDOW))
            << id;
    }
}

TEST_F(SkinTest, TheHelpWindowExplainsInEachLanguageAndLeavesNothingBehind) {
    Open("");
    std::vector<std::string> seen;
    {
        test::ModalCloser closer([&](HWND help) {
            seen.push_back(WindowText(::GetDlgItem(help, IDC_HELP_TITLE)) + "|" +
                           WindowText(::GetDlgItem(help, IDC_HELP_GROUP)) + "|" +
                           WindowText(::GetDlgItem(help, IDC_HELP_LABEL_MINIMIZE)));
            // A picture's name for a screen reader is the text beside it.
            EXPECT_EQ(WindowText(::GetDlgItem(help, IDC_HELP_PICTURE_MINIMIZE)),
                      WindowText(::GetDlgItem(help, IDC_HELP_LABEL_MINIMIZE)));
            ::SendMessageA(::GetDlgItem(help, 1014), BM_CLICK, 0, 0);  // a picture: nothing
            ::PostMessageA(::GetDlgItem(help, IDC_HELP_CLOSE), BM_CLICK, 0, 0);
        });
        closer.Ignore(dialog->Hwnd());
        Click(IDC_HELP_BUTTON);
        app.SetLanguage(1);
        Click(IDC_HELP_BUTTON);
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{
                  "How to use The Blenker|Buttons signification|Minimize the window",
                  "Comment utiliser The Blenker|Signification des bouttons|Réduit la fenêtre"}));
    EXPECT_TRUE(::IsWindowVisible(dialog->Hwnd()));

    // Escape ends it; the close button keeps its English tip; fifty openings leak nothing.
    const auto open = [&] {
        CHelpDlg help(dialog->Hwnd());
        ASSERT_TRUE(help.Create());
        EXPECT_EQ(help.ToolTips().TipText(help.Item(IDC_HELP_CLOSE)), "Close the window");
        EXPECT_EQ(help.ItemText(IDC_HELP_TEXT).substr(0, 32), "The Blenker (TBK) sert à fermer");
        ::PostMessageA(help.Item(IDC_HELP_CLOSE), WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_EQ(help.RunModalLoop(true), IDCANCEL);
    };
    open();
    const std::size_t windows = test::ThreadWindowCount();
    const test::GdiObjectCount gdi;
    ASSERT_TRUE(gdi.Usable());
    for (int i = 0; i < 50; ++i) {
        open();
    }
    EXPECT_LT(gdi.Added(), 5u);
    EXPECT_EQ(test::ThreadWindowCount(), windows);
}

}  // namespace
}  // namespace blenker
