// The notification icon's popup menu: the measure of its items in the menu font, the pixels
// that DrawItem paints, the device context it leaves behind, the GDI objects it frees, and the
// menu's lifetime. (The main window's tests open the real menu from the icon.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "framework/dpi.h"
#include "framework/unique_handle.h"
#include "ui/menu_metrics.h"
#include "ui/skin_menu.h"
#include "canvas.h"
#include "win_test_support.h"

namespace blenker {
namespace {

using test::Canvas;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlack = 0x000000;
// What the canvas holds before an item is drawn, to see what DrawItem paints.
constexpr COLORREF kUnpainted = 0x808080;

constexpr UINT kEnabledId = 1025;
constexpr UINT kMinimizeId = 1026;
constexpr UINT kExitId = IDOK;

const char kEnabled[] = "Enabled";
const char kMinimize[] = "Minimize";
const char kExit[] = "Exit";

// The system's menu font at the screen's DPI, or at `percent` of its size.
UniqueGdiObject MenuFont(int percent = 100) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return UniqueGdiObject();
    }
    metrics.lfMenuFont.lfHeight = ::MulDiv(metrics.lfMenuFont.lfHeight, percent, 100);
    return UniqueGdiObject(::CreateFontIndirectA(&metrics.lfMenuFont));
}

// The extent of a text in a font (the DC's own font for none).
SIZE TextExtent(const char* text, HGDIOBJ font) {
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const HGDIOBJ previous = font != nullptr ? ::SelectObject(dc.Get(), font) : nullptr;
    SIZE size{};
    ::GetTextExtentPoint32A(dc.Get(), text, static_cast<int>(std::strlen(text)), &size);
    if (previous != nullptr) {
        ::SelectObject(dc.Get(), previous);
    }
    return size;
}

int CheckWidth() {
    return ::GetSystemMetrics(SM_CXMENUCHECK);
}
int CheckHeight() {
    return ::GetSystemMetrics(SM_CYMENUCHECK);
}

// The dot by the drawing rule, worked out here: the check box 4 from the item's left, centred
// in its height (rounding toward zero), then 4 pixels in on every side.
RECT DotRect(const RECT& item) {
    const int top = item.top + (item.bottom - item.top - CheckHeight() + 1) / 2;
    return {item.left + 4 + 4, top + 4, item.left + 4 + CheckWidth() - 4, top + CheckHeight() - 4};
}

// The menu of the notification icon as the main window builds it, in its colours.
class SkinMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_menu.SetColors(kWhite, kRed, kBlack, kBlack);
        ASSERT_TRUE(m_menu.CreatePopupMenu());
        m_menu.AppendOwnerDrawnItem(kEnabledId, kEnabled);
        m_menu.AppendOwnerDrawnItem(kMinimizeId, kMinimize);
        m_menu.AppendOwnerDrawnItem(kExitId, kExit);
        m_menu.CheckItem(kEnabledId, true);
    }

    // The height that MeasureItem gives an item.
    int ItemHeight(const char* text) {
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemData = reinterpret_cast<ULONG_PTR>(text);
        m_menu.MeasureItem(measure, nullptr);
        return static_cast<int>(measure.itemHeight);
    }

    // Draws an item across the canvas, starting at the given row.
    RECT Draw(Canvas& canvas, const char* text, UINT state, int top = 8) {
        const RECT item{0, top, canvas.Width(), top + ItemHeight(text)};
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hDC = canvas.Dc();
        draw.rcItem = item;
        draw.itemData = reinterpret_cast<ULONG_PTR>(text);
        m_menu.DrawItem(draw);
        return item;
    }

    CSkinMenu m_menu{WindowDpi(nullptr)};
};

TEST_F(SkinMenuTest, MeasuresTheWholeTextInTheMenuFontPlus23By4) {
    const UniqueGdiObject font = MenuFont();
    ASSERT_TRUE(font);
    // The menu font must measure differently from a DC's default font, or this test could not
    // tell them apart.
    ASSERT_NE(TextExtent(kMinimize, font.Get()).cx, TextExtent(kMinimize, nullptr).cx);
    // '&' is measured like any other character.
    ASSERT_GT(TextExtent("E&xit", font.Get()).cx, TextExtent(kExit, font.Get()).cx);

    const test::TestPopup window("SkinMenuMeasure");
    ASSERT_TRUE(window.Alive());
    for (const char* text :
         {kEnabled, kMinimize, kExit, "E&xit", "", "A rather long item of the popup menu"}) {
        SCOPED_TRACE(text);
        const SIZE extent = TextExtent(text, font.Get());
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = kExitId;
        measure.itemData = reinterpret_cast<ULONG_PTR>(text);
        m_menu.MeasureItem(measure, window.Hwnd());
        EXPECT_EQ(static_cast<LONG>(measure.itemWidth), extent.cx + 23);
        EXPECT_EQ(static_cast<LONG>(measure.itemHeight), extent.cy + 4);
    }
}

// At 144 DPI on a screen of 96: the item 6 pixels higher and 35 wider than its text in the menu
// font one and a half times as high, the text 12 past the check column of 144 DPI.
TEST_F(SkinMenuTest, MeasuresAndDrawsForTheDpiOfItsWindow) {
    ASSERT_EQ(WindowDpi(nullptr), 96);
    CSkinMenu menu(144);
    menu.SetColors(kWhite, kRed, kBlack, kBlack);
    const SIZE extent = TextExtent(kMinimize, MenuFont(150).Get());
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(kMinimize)};
    menu.MeasureItem(measure, nullptr);
    EXPECT_EQ(measure.itemHeight, static_cast<UINT>(extent.cy + 6));
    EXPECT_EQ(measure.itemWidth, static_cast<UINT>(extent.cx + 35));
    Canvas canvas(300, 60, kUnpainted);
    const RECT item{0, 0, 300, static_cast<LONG>(measure.itemHeight)};
    menu.DrawItem({ODT_MENU, 0, 0, 0, 0, nullptr, canvas.Dc(), item, measure.itemData});
    EXPECT_NEAR(canvas.Extent(item, kBlack).left, SystemMetricForDpi(SM_CXMENUCHECK, 144) + 13, 1);
}

TEST_F(SkinMenuTest, PlainItemIsWhiteTextOnABlackBarIndentedPastTheCheckColumn) {
    Canvas canvas(200, 40, kUnpainted);
    ASSERT_TRUE(canvas.Valid());
    const RECT item = Draw(canvas, kMinimize, 0);

    // Only the item's rectangle is painted.
    EXPECT_EQ(canvas.Pixel(5, item.top - 1), kUnpainted);
    EXPECT_EQ(canvas.Pixel(5, item.bottom), kUnpainted);
    // The bar: black where there is no text, the text white; nothing else.
    const RECT bar{0, item.top, 200, item.bottom};
    EXPECT_EQ(canvas.Pixel(0, item.top), kBlack);
    EXPECT_EQ(canvas.Pixel(199, item.bottom - 1), kBlack);
    EXPECT_GT(canvas.Count(bar, kWhite), 10);
    EXPECT_EQ(canvas.Count(bar, kRed), 0);
    EXPECT_EQ(canvas.Count(bar, kUnpainted), 0);

    // The text starts past the check column plus 8 and 2 below the item's top; no dot.
    const RECT ink = canvas.Extent(bar, kBlack);
    const int textLeft = CheckWidth() + 8;
    EXPECT_GE(ink.left, textLeft);
    EXPECT_LE(ink.left, textLeft + 2);
    EXPECT_GE(ink.top, item.top + 2);

    // Pixel for pixel the text as DrawText puts it, unformatted, at that place.
    Canvas expected(200, 40, kUnpainted);
    ASSERT_TRUE(expected.Valid());
    expected.Fill(kBlack);
    ::SetTextColor(expected.Dc(), kWhite);
    ::SetBkMode(expected.Dc(), TRANSPARENT);
    RECT textRect{textLeft, item.top + 2, 200, item.bottom};
    const UniqueGdiObject font = MenuFont();
    ::SelectObject(expected.Dc(), font.Get());
    ::DrawTextA(expected.Dc(), kMinimize, -1, &textRect, 0);
    int different = 0;
    for (int y = item.top; y < item.bottom; ++y) {
        for (int x = 0; x < 200; ++x) {
            different += canvas.Pixel(x, y) != expected.Pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(different, 0);
}

TEST_F(SkinMenuTest, SelectedItemTurnsItsTextRedOnTheSameBar) {
    Canvas canvas(200, 40, kUnpainted);
    ASSERT_TRUE(canvas.Valid());
    const RECT item = Draw(canvas, kMinimize, ODS_SELECTED);

    const RECT bar{0, item.top, 200, item.bottom};
    EXPECT_EQ(canvas.Pixel(0, item.top), kBlack);
    EXPECT_EQ(canvas.Pixel(199, item.bottom - 1), kBlack);
    EXPECT_GT(canvas.Count(bar, kRed), 10);
    EXPECT_EQ(canvas.Count(bar, kWhite), 0);
    EXPECT_EQ(canvas.Count(bar, kUnpainted), 0);
    EXPECT_GE(canvas.Extent(bar, kBlack).left, CheckWidth() + 8);
}

TEST_F(SkinMenuTest, CheckedItemHasADotInTheShrunkCheckBox) {
    Canvas canvas(200, 40, kUnpainted);
    ASSERT_TRUE(canvas.Valid());
    const RECT item = Draw(canvas, kEnabled, ODS_CHECKED);
    const RECT dot = DotRect(item);
    ASSERT_GT(dot.right - dot.left, 2);
    ASSERT_GT(dot.bottom - dot.top, 2);

    // The check column holds only the dot: white, filling its box, on the black bar.
    const RECT column{0, item.top, CheckWidth() + 8, item.bottom};
    const RECT ink = canvas.Extent(column, kBlack);
    EXPECT_EQ(ink.left, dot.left);
    EXPECT_EQ(ink.top, dot.top);
    EXPECT_EQ(ink.right, dot.right);
    EXPECT_EQ(ink.bottom, dot.bottom);
    EXPECT_EQ(canvas.Pixel((dot.left + dot.right) / 2, (dot.top + dot.bottom) / 2), kWhite);
    EXPECT_EQ(canvas.Count(column, kWhite) + canvas.Count(column, kBlack),
              (column.right - column.left) * (column.bottom - column.top));
    // The text beside it is drawn as well.
    const RECT text{CheckWidth() + 8, item.top, 200, item.bottom};
    EXPECT_GT(canvas.Count(text, kWhite), 10);

    // Selected, the dot turns red with the text.
    canvas.Fill(kUnpainted);
    Draw(canvas, kEnabled, ODS_CHECKED | ODS_SELECTED);
    EXPECT_EQ(canvas.Pixel((dot.left + dot.right) / 2, (dot.top + dot.bottom) / 2), kRed);
    EXPECT_EQ(canvas.Count(column, kWhite), 0);
    EXPECT_EQ(canvas.Extent(column, kBlack).left, dot.left);
    EXPECT_GT(canvas.Count(text, kRed), 10);
}

TEST_F(SkinMenuTest, DrawingLeavesTheDeviceContextAsItFoundIt) {
    Canvas canvas(200, 40, kUnpainted);
    ASSERT_TRUE(canvas.Valid());
    const HDC dc = canvas.Dc();
    ::SetTextColor(dc, 0x123456);
    ::SetBkMode(dc, OPAQUE);
    const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = ::GetCurrentObject(dc, OBJ_BRUSH);
    const HGDIOBJ font = ::GetCurrentObject(dc, OBJ_FONT);

    for (UINT state :
         {0u, UINT{ODS_SELECTED}, UINT{ODS_CHECKED}, UINT{ODS_CHECKED | ODS_SELECTED}}) {
        SCOPED_TRACE(state);
        Draw(canvas, kEnabled, state);
        EXPECT_EQ(::GetTextColor(dc), 0x123456u);
        EXPECT_EQ(::GetBkMode(dc), OPAQUE);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font);
    }
}

TEST_F(SkinMenuTest, MeasuringAndDrawingLeaveNoGdiObjectBehind) {
    const test::TestPopup window("SkinMenuLeak");
    ASSERT_TRUE(window.Alive());
    Canvas canvas(200, 40, kUnpainted);
    ASSERT_TRUE(canvas.Valid());
    const auto round = [&] {
        for (const char* text : {kEnabled, kMinimize, kExit}) {
            MEASUREITEMSTRUCT measure{};
            measure.CtlType = ODT_MENU;
            measure.itemData = reinterpret_cast<ULONG_PTR>(text);
            m_menu.MeasureItem(measure, window.Hwnd());
        }
        for (UINT state :
             {0u, UINT{ODS_SELECTED}, UINT{ODS_CHECKED}, UINT{ODS_CHECKED | ODS_SELECTED}}) {
            Draw(canvas, kEnabled, state);
        }
    };
    round();  // the system's own first-use objects (font caches and the like)
    const test::GdiObjectCount gdi;
    ASSERT_TRUE(gdi.Usable());

    for (int i = 0; i < 100; ++i) {
        round();
    }
    // A leak would cost at least one object a round; the system may still make a few of its
    // own meanwhile.
    EXPECT_LT(gdi.Added(), 10u);
}

TEST(SkinMenuLifetimeTest, TheMenuGoesWithTheObject) {
    HMENU first = nullptr;
    HMENU second = nullptr;
    {
        CSkinMenu menu(96);
        EXPECT_EQ(menu.Handle(), nullptr);
        ASSERT_TRUE(menu.CreatePopupMenu());
        first = menu.Handle();
        EXPECT_TRUE(::IsMenu(first));
        // A second popup replaces the first one.
        ASSERT_TRUE(menu.CreatePopupMenu());
        second = menu.Handle();
        EXPECT_TRUE(::IsMenu(second));
        EXPECT_FALSE(::IsMenu(first));
    }
    EXPECT_FALSE(::IsMenu(second));
}

}  // namespace
}  // namespace blenker
