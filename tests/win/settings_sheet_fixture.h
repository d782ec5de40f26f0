// The settings sheet opened from the real main dialog's settings button and driven, inside its
// modal loop, by the messages a user's clicks send.
#pragma once

#include "main_dialog_fixture.h"

#include "framework/text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace blenker::test {

inline RECT RectIn(HWND window, HWND parent) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class SettingsSheetFixture : public MainDialogFixture {
  protected:
    // Clicks the settings button; `inside` gets the open sheet and ends it. Dialogs and message
    // boxes that the sheet opens meanwhile go to onDialog, or are answered with OK; their texts
    // are returned.
    std::vector<std::string> RunSheet(const std::function<void(HWND sheet)>& inside) {
        ModalCloser closer([&](HWND found) {
            if (::GetParent(found) == dialog->Hwnd() && Tabs(found) != nullptr && !ran) {
                ran = true;
                inside(found);
            } else if (onDialog) {
                onDialog(found);
            } else {
                ::PostMessageA(found, WM_COMMAND, IDOK, 0);
            }
        });
        closer.Ignore(dialog->Hwnd());
        ran = false;
        Click(IDC_SETTINGS);
        EXPECT_TRUE(ran);
        std::vector<std::string> others = closer.Seen();
        if (!others.empty()) {
            others.erase(others.begin());  // the sheet itself
        }
        return others;
    }
    static HWND Tabs(HWND sheet) { return PropSheet_GetTabControl(sheet); }
    static HWND Page(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }
    // A click on a tab, as the mouse sends it.
    static void SelectTab(HWND sheet, int index) {
        RECT item{};
        ::SendMessageA(Tabs(sheet), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        ::SendMessageA(Tabs(sheet), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(Tabs(sheet), WM_LBUTTONUP, 0, at);
    }
    static std::string TabText(HWND sheet, int index) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = static_cast<int>(std::size(text));
        ::SendMessageW(Tabs(sheet), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        return ToUtf8(text);
    }
    static void ClickIn(HWND parent, int id) {
        ::SendMessageA(::GetDlgItem(parent, id), BM_CLICK, 0, 0);
    }
    static void End(HWND sheet, int button) {
        ::PostMessageA(::GetDlgItem(sheet, button), BM_CLICK, 0, 0);
    }
    // The text of the tip that a page shows over one of its controls, from whichever tool tip
    // window of the program holds a tool for that control (empty when none does).
    static std::string PageTip(HWND page, int id) {
        wchar_t text[1024] = {};
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = page;
        info.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(page, id));
        info.lpszText = text;
        HWND tip = nullptr;
        while (text[0] == L'\0' &&
               (tip = ::FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
            ::SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
        }
        return ToUtf8(text);
    }
    bool Written(const char* key) {
        return ReadRawValue(std::string(kAppKey) + "\\Settings", key).found;
    }

    bool ran = false;
    std::function<void(HWND)> onDialog;
};

}  // namespace blenker::test
