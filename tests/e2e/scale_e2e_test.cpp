// The real Blenker.exe started at 100, 150 and 200 % (the prefix's DPI): every window is the
// 96-DPI design scaled, with its pictures drawn to the size.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <list>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "framework/dpi_scale.h"
#include "framework/window.h"
#include "messages.h"

#include <commctrl.h>

namespace blenker {
namespace {

// What a test measures of the main window.
struct MainLook {
    Size client;
    Rect outline;  // the region's box, in window coordinates
    std::array<Size, 8> buttons;
};

constexpr std::array kPictureButtons{IDC_SETTINGS, IDC_HELP_BUTTON, IDC_ADD,        IDC_REMOVE,
                                     IDC_MINIMIZE, IDC_CLOSE,       IDC_DELAY_DOWN, IDC_DELAY_UP};

bool Near(int actual, int expected) {
    return actual >= expected - 2 && actual <= expected + 2;
}

bool Bright(COLORREF pixel) {
    return GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) > 3 * 160;
}

bool Red(COLORREF pixel) {
    return GetRValue(pixel) > 180 && GetGValue(pixel) < 90 && GetBValue(pixel) < 90;
}

// Whether the X screen shows, within 5 s (the time to paint), more than `percent` % pixels of
// the kind in this part of the window's client area.
bool Shows(HWND window, const Rect& client, bool (*kind)(COLORREF), int percent) {
    RECT area = ToRECT(client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    return test::PumpUntil([&] {
        const std::vector<COLORREF> pixels = test::XScreenPixels(area);
        return !pixels.empty() &&
               std::ranges::count_if(pixels, kind) * 100 > percent * std::ssize(pixels);
    });
}

class ScaleTest : public ::testing::Test {
  protected:
    // Starts a returning user's program at this DPI; its main window.
    HWND Start(int dpi) {
        programs.emplace_back();
        const ScopedLogPixels scale(static_cast<DWORD>(dpi));
        HANDLE process = nullptr;
        const HWND main = StartShown(programs.back(), process);
        processes.push_back(process);
        mains.push_back(main);
        return main;
    }

    // The main window's measures, and what the user sees of its pictures and lamp at this DPI.
    MainLook Look(HWND main, int dpi) {
        MainLook look{};
        RECT client{};
        ::GetClientRect(main, &client);
        look.client = {client.right, client.bottom};
        const UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(::GetWindowRgn(main, region.Get()), COMPLEXREGION);
        RECT box{};
        ::GetRgnBox(region.Get(), &box);
        look.outline = ToRect(box);
        // The rounded corners have the radius of the DPI: a quarter in from the corner along
        // the diagonal is outside, half way is inside.
        const int radius = ScaleToDpi(15, dpi);
        EXPECT_FALSE(::PtInRegion(region.Get(), box.left + radius / 4, box.top + radius / 4));
        EXPECT_TRUE(::PtInRegion(region.Get(), box.left + radius / 2, box.top + radius / 2));
        EXPECT_FALSE(
            ::PtInRegion(region.Get(), box.right - 1 - radius / 4, box.bottom - 1 - radius / 4));

        for (std::size_t i = 0; i < kPictureButtons.size(); ++i) {
            const HWND button = ::GetDlgItem(main, kPictureButtons[i]);
            const Rect rect = ToRect(WindowRectIn(button, main));
            look.buttons[i] = {rect.Width(), rect.Height()};
            // Covered by the picture: its white face fills the lower right quarter too.
            const Rect quarter{rect.left + rect.Width() / 2, rect.top + rect.Height() / 2,
                               rect.right - ScaleToDpi(2, dpi), rect.bottom - ScaleToDpi(2, dpi)};
            EXPECT_TRUE(Shows(main, quarter, Bright, 33))
                << "button " << kPictureButtons[i] << " at " << dpi;
        }

        // The "On" lamp at its place for the DPI, inside the outline, its red ring drawn to
        // the size: red in each half of its box.
        const Rect lamp = ScaleToDpi(Rect{169, 2, 199, 27}, dpi);
        POINT origin{0, 0};
        ::ClientToScreen(main, &origin);
        RECT window{};
        ::GetWindowRect(main, &window);
        const POINT offset{origin.x - window.left, origin.y - window.top};
        const RECT lampInWindow{lamp.left + offset.x, lamp.top + offset.y, lamp.right + offset.x,
                                lamp.bottom + offset.y};
        EXPECT_TRUE(::PtInRegion(region.Get(), lampInWindow.left + 1, lampInWindow.top + 1) &&
                    ::PtInRegion(region.Get(), lampInWindow.right - 2, lampInWindow.bottom - 2));
        for (const Rect half :
             {Rect{lamp.left, lamp.top, lamp.left + lamp.Width() / 2, lamp.bottom},
              Rect{lamp.left + lamp.Width() / 2, lamp.top, lamp.right, lamp.bottom}}) {
            EXPECT_TRUE(Shows(main, half, Red, 0)) << "lamp at " << dpi;
        }
        return look;
    }

    void TearDown() override {
        if (!mains.empty() && ::IsWindow(mains.back())) {
            EXPECT_TRUE(CloseProgram(mains.back(), processes.back()));
        }
    }

    std::list<ProgramCopy> programs;  // not movable
    std::vector<HANDLE> processes;
    std::vector<HWND> mains;
};

TEST_F(ScaleTest, TheMainWindowIsTheDesignScaledWithItsPicturesDrawnToTheSize) {
    const HWND main96 = Start(96);
    ASSERT_NE(main96, nullptr);
    const MainLook design = Look(main96, 96);
    for (const int dpi : {144, 192}) {
        ASSERT_TRUE(CloseProgram(mains.back(), processes.back()));  // one instance at a time
        const HWND main = Start(dpi);
        ASSERT_NE(main, nullptr) << dpi;
        const MainLook look = Look(main, dpi);
        EXPECT_TRUE(Near(look.client.width, ScaleToDpi(design.client.width, dpi)) &&
                    Near(look.client.height, ScaleToDpi(design.client.height, dpi)))
            << look.client.width << " x " << look.client.height << " at " << dpi;
        EXPECT_TRUE(Near(look.outline.Width(), ScaleToDpi(design.outline.Width(), dpi)) &&
                    Near(look.outline.Height(), ScaleToDpi(design.outline.Height(), dpi)))
            << look.outline.Width() << " x " << look.outline.Height() << " at " << dpi;
        for (std::size_t i = 0; i < kPictureButtons.size(); ++i) {
            EXPECT_TRUE(Near(look.buttons[i].width, ScaleToDpi(design.buttons[i].width, dpi)) &&
                        Near(look.buttons[i].height, ScaleToDpi(design.buttons[i].height, dpi)))
                << "button " << kPictureButtons[i] << " at " << dpi;
        }
    }
}

// Every visible control of a window inside the rectangle (screen coordinates).
BOOL CALLBACK CollectShown(HWND child, LPARAM data) {
    if (::IsWindowVisible(child)) {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    }
    return TRUE;
}

std::vector<HWND> ShownControls(HWND window) {
    std::vector<HWND> controls;
    ::EnumChildWindows(window, &CollectShown, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

bool Inside(HWND control, const RECT& area) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right &&
           rect.bottom <= area.bottom;
}

class ScaledWindowsTest : public ScaleTest, public ::testing::WithParamInterface<int> {};

TEST_P(ScaledWindowsTest, TheSheetHoldsEveryPageAndTheMenuItemsAreAsTallAsTheirText) {
    const int dpi = GetParam();
    const HWND main = Start(dpi);
    ASSERT_NE(main, nullptr);
    const DWORD pid = ::GetProcessId(processes.back());

    ::PostMessageW(main, WM_TRAY_NOTIFY, kTrayIconId, WM_RBUTTONDOWN);
    ASSERT_TRUE(test::PumpUntil([&] { return ShownWindowsOf(pid).size() == 1; }));
    RECT menu{};
    ::GetClientRect(ShownWindowsOf(pid)[0], &menu);
    // Three items in the menu font of the DPI, which is about as tall as the 96-DPI one scaled.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const int text = ScaleToDpi(std::abs(metrics.lfMenuFont.lfHeight), dpi);
    EXPECT_GE(menu.bottom / 3, text) << "items of " << menu.bottom / 3 << " px at " << dpi;
    EXPECT_LE(menu.bottom / 3, 3 * text) << "items of " << menu.bottom / 3 << " px at " << dpi;
    ::PostMessageW(ShownWindowsOf(pid)[0], WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(test::PumpUntil([&] { return ShownWindowsOf(pid).empty(); }));

    ::PostMessageW(::GetDlgItem(main, IDC_SETTINGS), BM_CLICK, 0, 0);
    const HWND sheet = WaitForDialog(pid, 0x3020);  // the sheet's tab control
    ASSERT_NE(sheet, nullptr);
    // The controls of the page shown that are outside the sheet's client area, once it fitted
    // itself to the page.
    const auto outside = [&](HWND page) {
        RECT area{};
        ::GetClientRect(sheet, &area);
        ::MapWindowPoints(sheet, nullptr, reinterpret_cast<POINT*>(&area), 2);
        std::vector<int> ids;
        for (const HWND control : ShownControls(page)) {
            if (!Inside(control, area)) {
                ids.push_back(::GetDlgCtrlID(control));
            }
        }
        for (const int button : {IDOK, IDCANCEL}) {
            if (!Inside(::GetDlgItem(sheet, button), area)) {
                ids.push_back(button);
            }
        }
        return ids;
    };
    for (int page = 0; page < 4; ++page) {
        ::SendMessageW(sheet, PSM_SETCURSEL, page, 0);
        const auto shown =
            reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        ASSERT_NE(shown, nullptr);
        test::PumpUntil([&] { return outside(shown).empty(); }, 2000);
        EXPECT_EQ(outside(shown), std::vector<int>{}) << "page " << page << " at " << dpi;
    }
    ::PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return !::IsWindow(sheet); }));
}

// The manifest that Windows reads from the built program: visual styles, the systems it was
// written for, no elevation or virtualization, and per-monitor DPI awareness in both forms.
TEST(ManifestTest, TheProgramDeclaresStylesSystemsRightsAndDpiAwareness) {
    const std::wstring exe = ToUtf16(test::TestBinDir() + "..\\..\\Blenker.exe");
    const UniqueModule program(::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(program);
    const HRSRC found = ::FindResourceW(program.Get(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    const auto* bytes =
        static_cast<const char*>(::LockResource(::LoadResource(program.Get(), found)));
    const std::string manifest(bytes, ::SizeofResource(program.Get(), found));
    for (const char* part :
         {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
          "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
          "level=\"asInvoker\"", ">true/pm</dpiAware>",
          ">PerMonitorV2, PerMonitor, System</dpiAwareness>"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledWindowsTest, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& dpi) {
                             return "At" + std::to_string(dpi.param);
                         });

}  // namespace
}  // namespace blenker
