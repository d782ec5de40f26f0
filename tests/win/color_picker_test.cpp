// The Misc page's colour buttons (what a button draws; the palette run in the real settings
// sheet, with the live preview, OK and Cancel), its language button and its file browser.
#include "canvas.h"
#include "settings_sheet_fixture.h"
#include "ui/color_button.h"

#include <functional>
#include <utility>
#include <vector>

namespace blenker {
namespace {

using test::RectIn;
using test::WindowText;

// A 48 x 23 button (32 x 14 dialog units) in red: the pixels that tell its edges, separator,
// arrow, swatch and focus dots apart.
TEST(ColorButtonTest, DrawsEdgesArrowSwatchAndFocusDotsForEachState) {
    constexpr COLORREF k = 0, w = 0xFFFFFF, g = 0x808080, red = 0x0000FF;
    const COLORREF f = ::GetSysColor(COLOR_BTNFACE);
    CColorButton button(IDC_MISC_BG_COLOR);
    button.m_crColor = red;
    struct Pixel {
        int x, y;
        COLORREF color;
    };
    const std::vector<Pixel> up = {
        {0, 22, k},  {47, 1, k},  {47, 0, f},  {46, 2, g},    {1, 21, g},  {46, 1, w},
        {1, 20, w},  {38, 4, w},  {38, 19, f}, {37, 4, g},    {40, 10, k}, {44, 10, k},
        {45, 10, f}, {41, 11, k}, {43, 11, k}, {44, 11, f},   {42, 12, k}, {43, 12, f},
        {5, 4, k},   {32, 18, k}, {6, 5, red}, {31, 17, red}, {3, 3, f}};
    const std::vector<Pixel> pressed = {{0, 22, g},  {0, 0, g},   {47, 0, w}, {2, 22, w},
                                        {1, 21, k},  {45, 1, k},  {39, 5, w}, {38, 5, g},
                                        {45, 11, k}, {43, 13, k}, {6, 5, k},  {7, 6, red}};
    const std::vector<Pixel> focus = {{3, 3, k}, {4, 3, f}, {44, 3, k}, {44, 4, f}, {3, 19, k}};
    const std::vector<Pixel> disabled = {
        {40, 10, g}, {44, 10, w}, {43, 11, w}, {42, 12, w}, {6, 5, f}};
    const std::pair<UINT, const std::vector<Pixel>&> cases[] = {
        {0, up}, {ODS_SELECTED, pressed}, {ODS_FOCUS, focus}, {ODS_DISABLED, disabled}};
    for (const auto& [state, pixels] : cases) {
        test::Canvas canvas(48, 23, 0x123456);
        const DRAWITEMSTRUCT item{ODT_BUTTON,  IDC_MISC_BG_COLOR, 0, ODA_DRAWENTIRE, state, nullptr,
                                  canvas.Dc(), {0, 0, 48, 23},    0};
        button.Draw(item);
        for (const Pixel& pixel : pixels) {
            EXPECT_EQ(canvas.Pixel(pixel.x, pixel.y), pixel.color)
                << "state " << state << " at " << pixel.x << "," << pixel.y;
        }
    }
}

// The WM_COLOR_CHANGED messages that reach the Misc page.
std::vector<std::pair<WPARAM, LPARAM>> g_changes;
WNDPROC g_pageProc = nullptr;
LRESULT CALLBACK RecordChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COLOR_CHANGED) {
        g_changes.emplace_back(wParam, lParam);
    }
    return ::CallWindowProcA(g_pageProc, window, message, wParam, lParam);
}

COLORREF BrushColor(HWND dialog) {
    const WindowDc dc(dialog);
    const LRESULT answer =
        ::SendMessageA(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc.Get()), 0);
    LOGBRUSH brush{};
    ::GetObjectA(reinterpret_cast<HGDIOBJ>(answer), sizeof brush, &brush);
    return brush.lbColor;
}

class MiscPageTest : public test::SettingsSheetFixture {
  protected:
    // Shows the Misc page of the sheet and records the WM_COLOR_CHANGED messages that reach it.
    static HWND MiscPageRecordingChanges(HWND sheet) {
        SelectTab(sheet, 1);
        const HWND misc = Page(sheet);
        g_changes.clear();
        g_pageProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(misc, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordChanges)));
        return misc;
    }
};

TEST_F(MiscPageTest, APickedColourShowsAtOnceAndOnlyOkKeepsIt) {
    Open("");
    // Clicks a colour button; the palette, and any dialog it opens, get `act`.
    const auto pick = [&](HWND misc, int button, const std::function<void(HWND)>& act) {
        onDialog = act;
        ClickIn(misc, button);
        onDialog = nullptr;
    };
    RunSheet([&](HWND sheet) {
        const HWND misc = MiscPageRecordingChanges(sheet);
        pick(misc, IDC_MISC_BG_COLOR, [](HWND palette) {  // a press outside
            ::SendMessageA(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-20, -20));
        });
        for (const WPARAM key : {VK_ESCAPE, VK_RETURN}) {  // Enter before any choice: cancelled
            pick(misc, IDC_MISC_BG_COLOR, [key](HWND palette) {
                ::PostMessageA(::GetDlgItem(palette, IDC_PALETTE_FIRST_CELL), WM_KEYDOWN, key, 0);
            });
        }
        EXPECT_TRUE(g_changes.empty());
        pick(misc, IDC_MISC_TEXT_COLOR, [](HWND p) { ClickIn(p, IDC_PALETTE_FIRST_CELL + 19); });
        pick(misc, IDC_MISC_BG_COLOR, [](HWND p) { ClickIn(p, IDC_PALETTE_FIRST_CELL + 13); });
        // White text, as it already was, is reported too.
        EXPECT_EQ(g_changes, (std::vector<std::pair<WPARAM, LPARAM>>{
                                 {IDC_MISC_TEXT_COLOR, 0xFFFFFF}, {IDC_MISC_BG_COLOR, 0x0000FF}}));
        // Both bodies repaint from what the pick invalidated.
        ::RedrawWindow(sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const RECT ok = test::RectIn(::GetDlgItem(sheet, IDOK), sheet);
        EXPECT_EQ(test::WindowPixel(sheet, ok.left - 20, ok.top + 3), 0x0000FFu);
        EXPECT_EQ(test::WindowPixel(misc, 3, 3), 0x0000FFu);
        End(sheet, IDOK);
    });
    EXPECT_EQ(Stored("Settings", "ColorBg"), 0x0000FFu);
    EXPECT_EQ(BrushColor(dialog->Hwnd()), 0x0000FFu);

    // A colour of the system's colour dialog (red 86, green 52, blue 18), then Cancel.
    RunSheet([&](HWND sheet) {
        SelectTab(sheet, 1);
        pick(Page(sheet), IDC_MISC_BG_COLOR, [](HWND found) {
            if (::GetDlgItem(found, IDC_PALETTE_OTHER) != nullptr) {
                ::PostMessageA(::GetDlgItem(found, IDC_PALETTE_OTHER), BM_CLICK, 0, 0);
                return;
            }
            for (const auto& [edit, value] : {std::pair(706, "86"), {707, "52"}, {708, "18"}}) {
                ::SetDlgItemTextA(found, edit, value);
            }
            ::PostMessageA(found, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(BrushColor(dialog->Hwnd()), 0x123456u);
        // The main window, uncovered meanwhile, shows the preview.
        ::RedrawWindow(dialog->Hwnd(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        End(sheet, IDCANCEL);
    });
    EXPECT_EQ(BrushColor(dialog->Hwnd()), 0x0000FFu);
    EXPECT_EQ(Stored("Settings", "ColorBg"), 0x0000FFu);
    // On the screen, every control of the main window is in the stored colours at once.
    for (const int id : {IDC_DELAY_LABEL, IDC_ENABLE}) {
        RECT corner{};
        ::GetWindowRect(dialog->Item(id), &corner);
        corner.left = corner.right - 1;
        corner.bottom = corner.top + 1;
        EXPECT_EQ(test::XScreenPixels(corner), std::vector<COLORREF>{0x0000FF}) << id;
    }
}

// A button in the bottom right corner of its monitor's work area opens the palette above itself,
// flush with the area's right edge.
TEST_F(MiscPageTest, ThePaletteStaysInTheWorkAreaOfItsButtonsMonitor) {
    Open("");
    RunSheet([&](HWND sheet) {
        SelectTab(sheet, 1);
        const HWND button = ::GetDlgItem(Page(sheet), IDC_MISC_BG_COLOR);
        MONITORINFO monitor{sizeof monitor, {}, {}, 0};
        ::GetMonitorInfoW(::MonitorFromWindow(button, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT work = monitor.rcWork, from = RectIn(button, nullptr);
        const RECT window = RectIn(sheet, nullptr);
        ::SetWindowPos(sheet, nullptr, window.left + work.right - 4 - from.right,
                       window.top + work.bottom - 4 - from.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        onDialog = [&](HWND palette) {
            EXPECT_EQ(RectIn(palette, nullptr).bottom, RectIn(button, nullptr).top);
            EXPECT_EQ(RectIn(palette, nullptr).right, work.right);
            ::PostMessageA(palette, WM_COMMAND, IDCANCEL, 0);
        };
        ClickIn(Page(sheet), IDC_MISC_BG_COLOR);
        onDialog = nullptr;
        End(sheet, IDCANCEL);
    });
}

// A palette that a real click left open is ended after a while, and that shows.
bool g_paletteOutlived = false;
void CALLBACK EndOutlivedPalette(HWND palette, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(palette, timer);
    g_paletteOutlived = true;
    ::PostMessageA(palette, WM_COMMAND, IDCANCEL, 0);
}

// Runs once the system colour dialog is gone, back in the palette's own loop.
HWND g_colorDialog = nullptr;
std::function<void()> g_afterColorDialog;
void CALLBACK AfterColorDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!::IsWindow(g_colorDialog)) {
        ::KillTimer(nullptr, timer);
        std::exchange(g_afterColorDialog, nullptr)();
    }
}

// Clicks through the system's input, where the capture decides who gets them: the palette holds
// the mouse once shown and again after the system colour dialog, so a press outside it ends it
// without a choice and a press on a cell picks that cell.
TEST_F(MiscPageTest, ThePaletteHoldsTheMouseUnderRealClicks) {
    Open("");
    std::vector<bool> held;  // at each showing, and back from the system colour dialog
    RunSheet([&](HWND sheet) {
        const HWND misc = MiscPageRecordingChanges(sheet);
        const RECT page = RectIn(misc, nullptr);
        const POINT outside{page.left + 4, page.bottom - 4};
        // One showing of the palette: `click` gives the point that a real click presses.
        const auto show = [&](const std::function<POINT(HWND palette)>& click) {
            onDialog = [&](HWND found) {
                if (::GetDlgItem(found, IDC_PALETTE_OTHER) == nullptr) {  // Cancel, then outside
                    g_colorDialog = found;
                    g_afterColorDialog = [&held, outside, palette = ::GetWindow(found, GW_OWNER)] {
                        held.push_back(test::CaptureInThreadOf(palette) == palette);
                        test::RealClick(outside);
                    };
                    ::SetTimer(nullptr, 0, 100, &AfterColorDialog);
                    ::PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
                    return;
                }
                held.push_back(test::CaptureInThreadOf(found) == found);
                const RECT window = RectIn(found, nullptr);
                EXPECT_FALSE(::PtInRect(&window, outside));
                ::SetTimer(found, 1, 3000, &EndOutlivedPalette);
                test::RealClick(click(found));
            };
            ClickIn(misc, IDC_MISC_BG_COLOR);
            onDialog = nullptr;
        };
        show([&](HWND) { return outside; });
        EXPECT_TRUE(g_changes.empty());
        show([](HWND p) { return test::CentreOf(::GetDlgItem(p, IDC_PALETTE_OTHER)); });
        EXPECT_TRUE(g_changes.empty());
        show([](HWND p) { return test::CentreOf(::GetDlgItem(p, IDC_PALETTE_FIRST_CELL + 13)); });
        EXPECT_EQ(g_changes, (std::vector<std::pair<WPARAM, LPARAM>>{{IDC_MISC_BG_COLOR, 0xFF}}));
        End(sheet, IDCANCEL);
    });
    EXPECT_EQ(held, std::vector<bool>(4, true));
    EXPECT_FALSE(g_paletteOutlived);
}

// What the user sees is the X server's picture: the palette, opened by a real click on the arrow
// or by the space bar, is there at once with its twenty cells in the palette's colours and every
// other pixel (frame, "Other...") as the program painted it.
TEST_F(MiscPageTest, ThePaletteIsOnTheXScreenOpenedByClickOrKey) {
    Open("");
    int checked = 0;
    RunSheet([&](HWND sheet) {
        SelectTab(sheet, 1);
        const HWND misc = Page(sheet);
        onDialog = [&](HWND palette) {
            ::SetCursorPos(0, 0);  // out of the picture
            test::PumpMessages(100);
            const RECT window = RectIn(palette, nullptr);
            const int width = window.right - window.left;
            const std::vector<COLORREF> screen = test::XScreenPixels(window);
            ::PostMessageA(palette, WM_COMMAND, IDCANCEL, 0);
            ++checked;
            ASSERT_EQ(screen.size(),
                      static_cast<std::size_t>(width) * (window.bottom - window.top));
            const auto onScreen = [&](POINT p) {
                return screen[(p.y - window.top) * width + p.x - window.left];
            };
            for (int cell = 0; cell < ColorPalette::kSize; ++cell) {
                const POINT centre =
                    test::CentreOf(::GetDlgItem(palette, IDC_PALETTE_FIRST_CELL + cell));
                EXPECT_EQ(onScreen(centre), SharedColorPalette().ColorAt(cell)) << "cell " << cell;
            }
            const WindowDc painted(palette, true);
            int differing = 0;
            for (LONG y = window.top; y < window.bottom; ++y) {
                for (LONG x = window.left; x < window.right; ++x) {
                    differing += onScreen({x, y}) !=
                                 ::GetPixel(painted.Get(), x - window.left, y - window.top);
                }
            }
            EXPECT_EQ(differing, 0);
        };
        // A user's click and key, through the X server.
        const RECT text = RectIn(::GetDlgItem(misc, IDC_MISC_TEXT_COLOR), nullptr);
        EXPECT_TRUE(test::XInput("mousemove " + std::to_string(text.right - 6) + " " +
                                 std::to_string((text.top + text.bottom) / 2) + " click 1"));
        EXPECT_TRUE(test::PumpUntil([&] { return checked == 1; }));
        ::SetFocus(::GetDlgItem(misc, IDC_MISC_BG_COLOR));
        EXPECT_TRUE(test::XInput("key space"));
        EXPECT_TRUE(test::PumpUntil([&] { return checked == 2; }));
        onDialog = nullptr;
        End(sheet, IDCANCEL);
    });
    EXPECT_EQ(checked, 2);
}

TEST_F(MiscPageTest, TheLanguageSwitchRetextsEverythingAndBrowseFillsThePath) {
    Open("");
    test::WriteFileBytes(dir.File("ding.wav"), "RIFF");
    std::string filter;
    RunSheet([&](HWND sheet) {
        SelectTab(sheet, 3);
        SelectTab(sheet, 1);
        const HWND misc = Page(sheet);
        ClickIn(misc, IDC_MISC_LANGUAGE);
        EXPECT_EQ(WindowText(sheet), "Configuration de The Blenker");
        EXPECT_EQ(TabText(sheet, 1), "Divers");
        EXPECT_EQ(WindowText(::GetDlgItem(misc, IDC_MISC_LANGUAGE_NAME)), "Français");
        EXPECT_EQ(WindowText(::GetDlgItem(PropSheet_IndexToHwnd(sheet, 3), IDC_TITLES_CASE)),
                  "Respecte la casse");
        EXPECT_EQ(Field(IDC_ENABLE), "Active le blenk");

        onDialog = [&](HWND open) {  // the file dialog: its first filter, then a file
            char first[64] = {};
            ::SendDlgItemMessageA(open, 0x470, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
            filter = first;
            ::SetDlgItemTextA(open, 1148, dir.File("ding.wav").c_str());
            ::PostMessageA(open, WM_COMMAND, IDOK, 0);
        };
        ClickIn(misc, IDC_MISC_BROWSE);
        EXPECT_EQ(WindowText(::GetDlgItem(misc, IDC_MISC_SOUND_FILE)), dir.File("ding.wav"));
        End(sheet, IDCANCEL);
    });
    EXPECT_EQ(filter, "Wave sounds (*.wav)");
    EXPECT_EQ(Stored("Settings", "Language"), 1u);
    EXPECT_EQ(Field(IDC_ENABLE), "Active le blenk");
    EXPECT_FALSE(Written("SoundFile"));

    RunSheet([&](HWND sheet) {  // switched back
        SelectTab(sheet, 1);
        ClickIn(Page(sheet), IDC_MISC_LANGUAGE);
        End(sheet, IDCANCEL);
    });
    EXPECT_EQ(Stored("Settings", "Language"), 0u);
    EXPECT_EQ(Field(IDC_ENABLE), "Enable annihilation");
}

}  // namespace
}  // namespace blenker
