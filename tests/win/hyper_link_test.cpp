// The hyperlink on real static controls of a dialog, driven by the messages that the mouse, the
// keyboard and the dialog send; and the new-release window that carries one.
#include "ui/hyper_link.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win_app.h"
#include "canvas.h"
#include "framework/dialog.h"
#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "ui/new_version_dlg.h"
#include "resource.h"
#include "win_test_support.h"

namespace blenker::test {
namespace {

constexpr LinkColors kTestColors{RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)};

// A window of static controls to turn into links: the new-release window's template, shown
// modeless and left alone.
class LinkHost : public Dialog {
  public:
    LinkHost() : Dialog(IDD_NEW_VERSION, nullptr) {
        Create();
        ::ShowWindow(Hwnd(), SW_SHOW);
    }
};

RECT RectInParent(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LOGFONTA FontOf(HWND control) {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    return font;
}

SIZE TextExtent(HWND control, const std::string& text) {
    SIZE extent{};
    const HDC dc = ::GetDC(control);
    const HGDIOBJ old = ::SelectObject(dc, GetFont(control));
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return extent;
}

// What the dialog paints a static control with: its brush, and the text colour it chose.
struct Paint {
    HBRUSH brush;
    COLORREF text;
};
Paint PaintOf(HWND dialog, HWND control) {
    const HDC dc = ::CreateCompatibleDC(nullptr);
    ::SetTextColor(dc, RGB(99, 99, 99));
    const auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(dialog, WM_CTLCOLORSTATIC,
                                                               reinterpret_cast<WPARAM>(dc),
                                                               reinterpret_cast<LPARAM>(control)));
    const Paint paint{brush, ::GetTextColor(dc)};
    ::DeleteDC(dc);
    return paint;
}

void MouseMove(HWND control, int x, int y) {
    ::SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void SetTestColors() {
    CHyperLink::SetLinkColors(kTestColors.normal, kTestColors.active, kTestColors.visited,
                              kTestColors.hover);
}

TEST(HyperLinkTest, TheTargetComesFromTheTextAndTheTextFromTheTarget) {
    LinkHost host;
    // A text and no target: the text is the target, and the tip shows it.
    host.SetItemText(IDC_NEW_VERSION_TEXT, "http://example.invalid/page");
    CHyperLink fromText;
    ASSERT_TRUE(fromText.Attach(host.Item(IDC_NEW_VERSION_TEXT)));
    EXPECT_EQ(fromText.Target(), "http://example.invalid/page");
    EXPECT_EQ(fromText.TipText(), "http://example.invalid/page");
    EXPECT_FALSE(fromText.Attach(host.Item(IDC_NEW_VERSION_TEXT)));  // once only

    // A target and no text: the target is shown.
    CHyperLink fromTarget;
    fromTarget.SetLinkUrl("mailto:someone@example.invalid");
    ASSERT_TRUE(fromTarget.Attach(host.Item(IDC_RELEASE_NOTES)));
    EXPECT_EQ(host.ItemText(IDC_RELEASE_NOTES), "mailto:someone@example.invalid");
    // A later target changes the tip, not the text.
    fromTarget.SetLinkUrl("http://example.invalid/other");
    EXPECT_EQ(fromTarget.TipText(), "http://example.invalid/other");
    EXPECT_EQ(host.ItemText(IDC_RELEASE_NOTES), "mailto:someone@example.invalid");

    // Setting the text before the control is attached does nothing.
    host.SetItemText(IDC_DOWNLOAD_LINK, "kept");
    CHyperLink early;
    early.SetLinkText("ignored");
    ASSERT_TRUE(early.Attach(host.Item(IDC_DOWNLOAD_LINK)));
    EXPECT_EQ(host.ItemText(IDC_DOWNLOAD_LINK), "kept");
    EXPECT_EQ(early.Target(), "kept");
    early.SetLinkText("changed");
    EXPECT_EQ(host.ItemText(IDC_DOWNLOAD_LINK), "changed");
    EXPECT_EQ(early.Target(), "kept");
}

TEST(HyperLinkTest, TheLinkFontFollowsTheUnderlineBitAndTheControlGetsItsFontBack) {
    LinkHost host;
    const HWND underlined = host.Item(IDC_NEW_VERSION_TEXT);
    const HWND plain = host.Item(IDC_RELEASE_NOTES);
    const auto ownFont = ::SendMessageA(underlined, WM_GETFONT, 0, 0);
    ASSERT_NE(ownFont, 0);
    EXPECT_FALSE(FontOf(underlined).lfUnderline);
    {
        CHyperLink first;
        CHyperLink second;
        second.ChangeStyleBits(kLinkUnderline, 0);
        ASSERT_TRUE(first.Attach(underlined));
        ASSERT_TRUE(second.Attach(plain));
        EXPECT_TRUE(FontOf(underlined).lfUnderline);
        EXPECT_FALSE(FontOf(plain).lfUnderline);
        EXPECT_NE(::SendMessageA(underlined, WM_GETFONT, 0, 0), ownFont);
        EXPECT_EQ(FontOf(underlined).lfHeight, FontOf(plain).lfHeight);
        // A font handed to it later (a dialog's font for a new DPI) is underlined as well; told
        // that its dialog changed DPI, the link takes the dialog's font again.
        LOGFONTA larger = FontOf(plain);
        larger.lfHeight *= 2;
        const UniqueFont largerFont(::CreateFontIndirectA(&larger));
        SetFont(underlined, largerFont.Get(), true);
        EXPECT_TRUE(FontOf(underlined).lfUnderline &&
                    FontOf(underlined).lfHeight == larger.lfHeight);
        ::SendMessageW(underlined, 0x02E3 /* WM_DPICHANGED_AFTERPARENT */, 0, 0);
        EXPECT_EQ(FontOf(underlined).lfHeight, FontOf(plain).lfHeight);
    }
    EXPECT_EQ(::SendMessageA(underlined, WM_GETFONT, 0, 0), ownFont);
    // The control is its plain self again: the mouse goes through it.
    EXPECT_EQ(::SendMessageA(underlined, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
}

TEST(HyperLinkTest, AutoSizeFitsTheTextAfterTheAlignment) {
    LinkHost host;
    // Centred: the centre stays where it was, whatever the text.
    const HWND centred = host.Item(IDC_DOWNLOAD_LINK);
    const RECT before = RectInParent(centred);
    CHyperLink link;
    ASSERT_TRUE(link.Attach(centred));
    for (const char* text : {"=> A much longer download text than before <=", "Go", "Get it"}) {
        link.SetLinkText(text);
        const RECT now = RectInParent(centred);
        EXPECT_NEAR(now.left + now.right, before.left + before.right, 1) << text;
        EXPECT_NEAR(now.right - now.left, TextExtent(centred, text).cx, 1) << text;
        EXPECT_EQ(now.top, before.top) << text;
        EXPECT_EQ(now.bottom - now.top, TextExtent(centred, text).cy) << text;
        EXPECT_TRUE(::IsWindowVisible(centred));
    }
    // Left-aligned: the left side stays.
    const HWND left = host.Item(IDC_NEW_VERSION_TEXT);
    const RECT leftBefore = RectInParent(left);
    CHyperLink leftLink;
    leftLink.SetLinkUrl("http://example.invalid/");
    ASSERT_TRUE(leftLink.Attach(left));
    const RECT leftNow = RectInParent(left);
    EXPECT_EQ(leftNow.left, leftBefore.left);
    EXPECT_EQ(leftNow.right - leftNow.left, TextExtent(left, "http://example.invalid/").cx);
    // Without auto-size the control keeps its size.
    const HWND fixed = host.Item(IDC_RELEASE_NOTES);
    const RECT fixedBefore = RectInParent(fixed);
    CHyperLink fixedLink;
    fixedLink.ChangeStyleBits(kLinkAutoSize, 0);
    ASSERT_TRUE(fixedLink.Attach(fixed));
    fixedLink.SetLinkText("x");
    const RECT fixedNow = RectInParent(fixed);
    EXPECT_TRUE(::EqualRect(&fixedBefore, &fixedNow));
}

TEST(HyperLinkTest, ItsColourFollowsFocusHoverAndTheClassColours) {
    LinkHost host;
    SetTestColors();
    const HWND control = host.Item(IDC_DOWNLOAD_LINK);
    host.SetItemText(IDC_DOWNLOAD_LINK, "Z:\\no\\such\\file.blenker-test");
    CHyperLink link;
    ASSERT_TRUE(link.Attach(control));
    Paint paint = PaintOf(host.Hwnd(), control);
    EXPECT_EQ(paint.brush, ::GetStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(paint.text, kTestColors.normal);
    // Another static of the same window keeps the dialog colours.
    EXPECT_NE(PaintOf(host.Hwnd(), host.Item(IDC_NEW_VERSION_TEXT)).brush,
              ::GetStockObject(HOLLOW_BRUSH));

    ::SetFocus(control);
    EXPECT_TRUE(link.State().active);
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, kTestColors.active);
    // The mouse comes in: hover colour, with the mouse held; it leaves: both let go.
    MouseMove(control, 2, 2);
    EXPECT_TRUE(link.State().hover);
    EXPECT_EQ(::GetCapture(), control);
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, kTestColors.hover);
    MouseMove(control, 2, 2);
    EXPECT_EQ(::GetCapture(), control);
    MouseMove(control, -5, 2);
    EXPECT_FALSE(link.State().hover);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, kTestColors.active);
    // Without the hover bit the mouse changes nothing.
    link.ChangeStyleBits(kLinkUseHover, 0);
    MouseMove(control, 2, 2);
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, kTestColors.active);
    MouseMove(control, -5, 2);
    link.ChangeStyleBits(0, kLinkUseHover);
    ::SetFocus(host.Item(IDOK));
    EXPECT_FALSE(link.State().active);
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, kTestColors.normal);

    // New class colours reach every link; -1 as hover colour is the highlight colour.
    CHyperLink::SetLinkColors(RGB(20, 0, 0), RGB(21, 0, 0), RGB(22, 0, 0),
                              static_cast<COLORREF>(-1));
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, RGB(20, 0, 0));
    MouseMove(control, 2, 2);
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, ::GetSysColor(COLOR_HIGHLIGHT));
    // The capture taken away by another window ends the hover.
    ::SetCapture(host.Hwnd());
    EXPECT_FALSE(link.State().hover);
    ::ReleaseCapture();
}

TEST(HyperLinkTest, ClicksAndTheSpaceBarFollowTheLinkAndOnlySuccessMarksItVisited) {
    LinkHost host;
    SetTestColors();
    const HWND control = host.Item(IDC_DOWNLOAD_LINK);
    CHyperLink link;
    link.SetLinkUrl("Z:\\no\\such\\file.blenker-test");
    ASSERT_TRUE(link.Attach(control));
    // A click takes the focus and follows on the release; the target fails.
    ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(::GetFocus(), control);
    EXPECT_TRUE(link.State().active);
    ::SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_FALSE(link.State().visited);
    ::SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_FALSE(link.State().visited);

    // A target the shell opens: popup_helper.exe without arguments ends at once.
    link.SetLinkUrl(TestBinDir() + "popup_helper.exe");
    ::SendMessageA(control, WM_KEYDOWN, 'A', 0);
    EXPECT_FALSE(link.State().visited);
    ::SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(link.State().visited);
    ::SetFocus(host.Item(IDOK));
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, kTestColors.visited);
    MouseMove(control, 2, 2);
    EXPECT_EQ(PaintOf(host.Hwnd(), control).text, kTestColors.hover);
    MouseMove(control, -5, 2);

    // A link for addresses from the network opens web addresses only.
    CHyperLink webOnly;
    webOnly.OpenWebAddressesOnly();
    webOnly.SetLinkUrl(TestBinDir() + "popup_helper.exe");
    ASSERT_TRUE(webOnly.Attach(host.Item(IDC_NEW_VERSION_TEXT)));
    EXPECT_FALSE(webOnly.OpenTarget());
    EXPECT_FALSE(webOnly.State().visited);

    // With the press style, the press follows and the release does not.
    CHyperLink onPress;
    onPress.ChangeStyleBits(kLinkGetFocusOnClick, kLinkDownClick);
    onPress.SetLinkUrl(TestBinDir() + "popup_helper.exe");
    ASSERT_TRUE(onPress.Attach(host.Item(IDC_RELEASE_NOTES)));
    ::SendMessageA(onPress.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(onPress.State().visited);
    EXPECT_NE(::GetFocus(), onPress.Hwnd());
}

TEST(HyperLinkTest, TheMouseReachesItAndSeesTheHandCursor) {
    LinkHost host;
    CHyperLink link;
    ASSERT_TRUE(link.Attach(host.Item(IDC_DOWNLOAD_LINK)));
    EXPECT_EQ(::SendMessageA(link.Hwnd(), WM_NCHITTEST, 0, 0), HTCLIENT);
    // The help program's hand cursor (106) is taken where it has one; Wine's has none, and the
    // links show the system's hand.
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    const UniqueModule help(::LoadLibraryExW((std::wstring(windows) + L"\\winhlp32.exe").c_str(),
                                             nullptr, LOAD_LIBRARY_AS_DATAFILE));
    // A link at 144 DPI shows a hand of that DPI's cursor size.
    ICONINFO hand144{};
    ASSERT_TRUE(::GetIconInfo(CHyperLink::HandCursor(144), &hand144));
    BITMAP mask{};
    ::GetObjectW(UniqueBitmap(hand144.hbmMask).Get(), sizeof mask, &mask);
    UniqueBitmap color(hand144.hbmColor);
    EXPECT_EQ(mask.bmWidth, SystemMetricForDpi(SM_CXCURSOR, 144));
    if (help && ::FindResourceW(help.Get(), MAKEINTRESOURCEW(106), RT_GROUP_CURSOR)) {
        GTEST_SKIP() << "this system's help program brings its own hand cursor";
    }
    const HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
    ASSERT_NE(hand, nullptr);
    ::SetCursor(nullptr);
    EXPECT_TRUE(::SendMessageA(link.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.Hwnd()),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), hand);
}

// The pixels of the screen that differ from the parent's background (the pixel left of the
// control), minus those where a text laid out as its font measures it has ink: each character
// drawn alone, one after the other at the widths the font reports, from the control's top left.
// Either kind of difference counts; none means the screen shows that text whole on one line.
int PixelsUnlikeTheLaidOutText(HWND control, const std::string& utf8) {
    const std::wstring text = ToUtf16(utf8);
    RECT rect{};
    ::GetWindowRect(control, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    Canvas shot(width + 1, height, 0);
    const WindowDc screen(nullptr);
    ::BitBlt(shot.Dc(), 0, 0, width + 1, height, screen.Get(), rect.left - 1, rect.top, SRCCOPY);

    Canvas laidOut(width, height, RGB(255, 255, 255));
    const SelectedObject font(laidOut.Dc(), GetFont(control));
    ::SetBkMode(laidOut.Dc(), TRANSPARENT);
    std::vector<int> ends(text.size());
    SIZE whole{};
    ::GetTextExtentExPointW(laidOut.Dc(), text.c_str(), static_cast<int>(text.size()), 0, nullptr,
                            ends.data(), &whole);
    for (std::size_t i = 0; i < text.size(); ++i) {
        ::TextOutW(laidOut.Dc(), i == 0 ? 0 : ends[i - 1], 0, &text[i], 1);
    }
    int unlike = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool shown = shot.Pixel(x + 1, y) != shot.Pixel(0, 0);
            unlike += shown != (laidOut.Pixel(x, y) != RGB(255, 255, 255)) ? 1 : 0;
        }
    }
    return unlike;
}

bool IsTrueType(HFONT font) {
    TEXTMETRICA metrics{};
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.Get(), font);
    return ::GetTextMetricsA(screen.Get(), &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE);
}

// The link grows from an empty text to each text as the About page sets it, in the dialog's own
// font ("MS Sans Serif", the bitmap font where the system has it) and in a TrueType font of the
// same height; the screen shows each text whole, on one line.
TEST(HyperLinkTest, PaintsItsWholeTextOnOneLineInTheDialogFontAndATrueTypeFont) {
    LinkHost host;
    const HWND control = host.Item(IDC_DOWNLOAD_LINK);
    const HFONT dialogFont = GetFont(control);
    LOGFONTA description = FontOf(control);
    ::lstrcpynA(description.lfFaceName, "Tahoma", LF_FACESIZE);
    const UniqueFont trueType(::CreateFontIndirectA(&description));
    ASSERT_TRUE(IsTrueType(trueType.Get()));
    for (const HFONT font : {dialogFont, trueType.Get()}) {
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        CHyperLink link;
        ASSERT_TRUE(link.Attach(control));
        for (const std::string text : {"http://www.vorlen.example/", "blenker@vorlen.example",
                                       "=> Télécharger ! <=", "Привет 你好"}) {
            link.SetLinkUrl(text);
            link.SetLinkText(text);
            ::UpdateWindow(host.Hwnd());
            EXPECT_EQ(PixelsUnlikeTheLaidOutText(control, text), 0)
                << text << " in " << IsTrueType(font);
        }
    }
}

// The new-release window, opened modally as the release check opens it; "inspect" looks at it
// while it is open, then it is closed with Esc.
void OpenNewVersion(CNewVersionDlg& window, const std::function<void(HWND)>& inspect) {
    ModalCloser closer([&](HWND dialog) {
        inspect(dialog);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(window.DoModal(), IDCANCEL);
    EXPECT_EQ(closer.Seen().size(), 1u);
}

TEST(NewVersionDlgTest, ShowsTheNotesAndTheLinkInTheCurrentLanguage) {
    VWinApp app;
    app.m_nLanguage = 0;
    CNewVersionDlg window(nullptr);
    window.m_strNotes = "Line one\r\nLine two";
    window.m_strDownload = "http://example.invalid/Blenker.zip";
    OpenNewVersion(window, [&](HWND dialog) {
        EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_NEW_VERSION_TITLE)),
                  "New version of The Blenker !");
        EXPECT_EQ(
            WindowText(::GetDlgItem(dialog, IDC_NEW_VERSION_TEXT)).rfind("There is a newer", 0),
            0u);
        EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_RELEASE_NOTES)), "Line one\r\nLine two");
        const HWND link = ::GetDlgItem(dialog, IDC_DOWNLOAD_LINK);
        EXPECT_EQ(WindowText(link), "=> Download ! <=");
        EXPECT_EQ(window.Link().Target(), "http://example.invalid/Blenker.zip");
        EXPECT_EQ(window.Link().TipText(), "http://example.invalid/Blenker.zip");
        // The link keeps the size of its control.
        RECT inTemplate{7, 94, 7 + 94, 94 + 8};
        ::MapDialogRect(dialog, &inTemplate);
        const RECT now = RectInParent(link);
        EXPECT_TRUE(::EqualRect(&now, &inTemplate));
        EXPECT_EQ(::GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION, 0);
        // Its colours are now those of every link.
        EXPECT_EQ(CHyperLink::Colors().normal, RGB(255, 128, 128));
        EXPECT_EQ(CHyperLink::Colors().visited, RGB(255, 128, 128));
        EXPECT_EQ(CHyperLink::Colors().hover, RGB(255, 0, 0));
        EXPECT_EQ(PaintOf(dialog, link).text, RGB(255, 128, 128));
    });

    app.m_nLanguage = 1;
    CNewVersionDlg french(nullptr);
    OpenNewVersion(french, [&](HWND dialog) {
        EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_NEW_VERSION_TITLE)),
                  "Nouvelle version de The Blenker !");
        EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_DOWNLOAD_LINK)), "=> Télécharger ! <=");
        EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_RELEASE_NOTES)), "");
    });
}

TEST(NewVersionDlgTest, ADownloadAddressThatIsNoWebAddressIsNotOpened) {
    VWinApp app;
    app.m_nLanguage = 0;
    for (const std::string& address :
         {TestBinDir() + "popup_helper.exe", std::string("file:///C:/windows/notepad.exe"),
          std::string("")}) {
        CNewVersionDlg window(nullptr);
        window.m_strDownload = address;
        OpenNewVersion(window, [&](HWND dialog) {
            ::SendMessageA(::GetDlgItem(dialog, IDC_DOWNLOAD_LINK), WM_KEYDOWN, VK_SPACE, 0);
            EXPECT_FALSE(window.Link().State().visited) << address;
        });
    }
}

}  // namespace
}  // namespace blenker::test
