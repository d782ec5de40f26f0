// The real Blenker.exe started at 100, 150 and 200 % (the prefix's DPI): its windows are the
// 96-DPI design scaled, with their pictures drawn to the size; and the manifest that says so.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "e2e_support.h"
#include "framework/dpi_scale.h"
#include "framework/window.h"
#include "messages.h"

#include <commctrl.h>

namespace blenker {
namespace {

constexpr int kPictureButtons[] = {IDC_SETTINGS, IDC_HELP_BUTTON, IDC_ADD,        IDC_REMOVE,
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

// The sizes that must be the 96-DPI ones scaled: the client area, the outline's box and the
// picture buttons. The outline's corners, the buttons' art and the lamp are checked at once.
std::vector<Size> MainWindowAt(HWND main, int dpi) {
    RECT client{};
    ::GetClientRect(main, &client);
    const UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(::GetWindowRgn(main, region.Get()), COMPLEXREGION);
    RECT box{};
    ::GetRgnBox(region.Get(), &box);
    std::vector<Size> sizes{{client.right, client.bottom},
                            {box.right - box.left, box.bottom - box.top}};
    // Corners of the DPI's radius: a quarter of it in along the diagonal is cut, half is not.
    const int radius = ScaleToDpi(15, dpi);
    EXPECT_FALSE(::PtInRegion(region.Get(), box.left + radius / 4, box.top + radius / 4));
    EXPECT_TRUE(::PtInRegion(region.Get(), box.left + radius / 2, box.top + radius / 2));

    for (const int id : kPictureButtons) {
        const Rect button = ToRect(WindowRectIn(::GetDlgItem(main, id), main));
        sizes.push_back({button.Width(), button.Height()});
        // Covered by its picture: the white face fills the lower right quarter too.
        const int edge = ScaleToDpi(2, dpi);
        const Rect quarter{button.left + button.Width() / 2, button.top + button.Height() / 2,
                           button.right - edge, button.bottom - edge};
        EXPECT_TRUE(Shows(main, quarter, Bright, 33)) << "button " << id << " at " << dpi;
    }

    // The "On" lamp at its place for the DPI, inside the outline, its red ring drawn to the
    // size: red in each half.
    const Rect lamp = ScaleToDpi(Rect{169, 2, 199, 27}, dpi);
    POINT origin{0, 0};
    ::MapWindowPoints(main, nullptr, &origin, 1);
    const RECT window = WindowRectIn(main, nullptr);
    const POINT at{lamp.left + origin.x - window.left, lamp.top + origin.y - window.top};
    EXPECT_TRUE(::PtInRegion(region.Get(), at.x + 1, at.y + 1) &&
                ::PtInRegion(region.Get(), at.x + lamp.Width() - 2, at.y + lamp.Height() - 2));
    const int middle = lamp.left + lamp.Width() / 2;
    EXPECT_TRUE(Shows(main, {lamp.left, lamp.top, middle, lamp.bottom}, Red, 0) &&
                Shows(main, {middle, lamp.top, lamp.right, lamp.bottom}, Red, 0))
        << "lamp at " << dpi;
    return sizes;
}

// The menu's three items are at least as tall as the menu font of the DPI.
void CheckMenu(HWND main, DWORD pid, int dpi) {
    ::PostMessageW(main, WM_TRAY_NOTIFY, kTrayIconId, WM_RBUTTONDOWN);
    ASSERT_TRUE(test::PumpUntil([&] { return ShownWindowsOf(pid).size() == 1; }));
    RECT menu{};
    ::GetClientRect(ShownWindowsOf(pid)[0], &menu);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);  // at 96
    const int text = ScaleToDpi(std::abs(metrics.lfMenuFont.lfHeight), dpi);
    EXPECT_TRUE(menu.bottom / 3 >= text && menu.bottom / 3 <= 3 * text)
        << "items of " << menu.bottom / 3 << " px for a text of " << text << " at " << dpi;
    ::PostMessageW(ShownWindowsOf(pid)[0], WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(test::PumpUntil([&] { return ShownWindowsOf(pid).empty(); }));
}

BOOL CALLBACK CollectShown(HWND child, LPARAM data) {
    if (::IsWindowVisible(child)) {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    }
    return TRUE;
}

// Every page of the settings sheet, chosen in turn, has all its controls inside the sheet, and
// OK and Cancel too.
void CheckSheet(HWND main, DWORD pid, int dpi) {
    ::PostMessageW(::GetDlgItem(main, IDC_SETTINGS), BM_CLICK, 0, 0);
    const HWND sheet = WaitForDialog(pid, 0x3020);  // the sheet's tab control
    ASSERT_NE(sheet, nullptr);
    const auto outside = [&](HWND page) {
        RECT area{};
        ::GetClientRect(sheet, &area);
        ::MapWindowPoints(sheet, nullptr, reinterpret_cast<POINT*>(&area), 2);
        std::vector<HWND> controls{::GetDlgItem(sheet, IDOK), ::GetDlgItem(sheet, IDCANCEL)};
        ::EnumChildWindows(page, &CollectShown, reinterpret_cast<LPARAM>(&controls));
        std::vector<int> ids;
        for (const HWND control : controls) {
            const RECT rect = WindowRectIn(control, nullptr);
            if (rect.left < area.left || rect.top < area.top || rect.right > area.right ||
                rect.bottom > area.bottom) {
                ids.push_back(::GetDlgCtrlID(control));
            }
        }
        return ids;
    };
    for (int page = 0; page < 4; ++page) {
        ::SendMessageW(sheet, PSM_SETCURSEL, page, 0);
        const auto shown =
            reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        test::PumpUntil([&] { return outside(shown).empty(); }, 2000);  // fitted when posted
        EXPECT_EQ(outside(shown), std::vector<int>{}) << "page " << page << " at " << dpi;
    }
    ::PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return !::IsWindow(sheet); }));
}

TEST(ScaleTest, TheWindowsAreTheDesignScaledWithTheirPicturesDrawnToTheSize) {
    std::vector<Size> design;
    for (const int dpi : {96, 144, 192}) {
        ProgramCopy program;
        HANDLE process = nullptr;
        HWND main = nullptr;
        {
            const ScopedLogPixels scale(static_cast<DWORD>(dpi));
            main = StartShown(program, process);
        }
        ASSERT_NE(main, nullptr) << dpi;
        const std::vector<Size> sizes = MainWindowAt(main, dpi);
        design = dpi == 96 ? sizes : design;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            EXPECT_TRUE(Near(sizes[i].width, ScaleToDpi(design[i].width, dpi)) &&
                        Near(sizes[i].height, ScaleToDpi(design[i].height, dpi)))
                << "size " << i << ": " << sizes[i].width << " x " << sizes[i].height << " at "
                << dpi;
        }
        if (dpi != 192) {
            CheckMenu(main, ::GetProcessId(process), dpi);
            CheckSheet(main, ::GetProcessId(process), dpi);
        }
        ASSERT_TRUE(CloseProgram(main, process));  // one instance at a time
    }
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

}  // namespace
}  // namespace blenker
