// Thin wrappers over the messages of the standard controls, so that a window never spells a raw
// message: each member is one SendMessage of the control's own message.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "framework/text.h"
#include "framework/win32.h"

namespace blenker {

// A list box (LB_... messages). Indexes are the list box's own; LB_ERR (-1) where it has none.
class ListBox {
  public:
    explicit ListBox(HWND control) : m_hwnd(control) {}

    HWND Hwnd() const { return m_hwnd; }
    int GetCurSel() const { return Send(LB_GETCURSEL); }
    void SetCurSel(int index) const { Send(LB_SETCURSEL, index); }
    int GetSelCount() const { return Send(LB_GETSELCOUNT); }
    // The selected entries of a multiple-selection list box, in increasing order.
    std::vector<int> GetSelItems() const;

    int AddString(const std::string& text) const { return SendText(LB_ADDSTRING, 0, text); }
    int InsertString(int index, const std::string& text) const {
        return SendText(LB_INSERTSTRING, index, text);
    }
    void DeleteString(int index) const { Send(LB_DELETESTRING, index); }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    // Takes the room for this many entries holding this many bytes of text at once.
    void InitStorage(std::size_t count, std::size_t bytes) const {
        Send(LB_INITSTORAGE, count, static_cast<LPARAM>(bytes));
    }

    LPARAM GetItemData(int index) const { return Send(LB_GETITEMDATA, index); }
    void SetItemData(int index, LPARAM data) const { Send(LB_SETITEMDATA, index, data); }

  private:
    int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return static_cast<int>(::SendMessageW(m_hwnd, message, wParam, lParam));
    }
    int SendText(UINT message, WPARAM wParam, const std::string& text) const {
        return Send(message, wParam, reinterpret_cast<LPARAM>(ToUtf16(text).c_str()));
    }

    HWND m_hwnd;
};

// Stops a window's drawing (WM_SETREDRAW) while the object lives, then redraws it whole: for a
// control filled with many entries in one go.
class NoRedraw {
  public:
    explicit NoRedraw(HWND window) : m_hwnd(window) {
        ::SendMessageW(m_hwnd, WM_SETREDRAW, FALSE, 0);
    }
    ~NoRedraw() {
        ::SendMessageW(m_hwnd, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(m_hwnd, nullptr, TRUE);
    }
    NoRedraw(const NoRedraw&) = delete;
    NoRedraw& operator=(const NoRedraw&) = delete;

  private:
    HWND m_hwnd;
};

// An edit field's left and right margins (EM_SETMARGINS), in pixels.
inline void SetEditMargins(HWND edit, int left, int right) {
    ::SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(left, right));
}

// The icon a static control of SS_ICON style shows (STM_SETICON).
inline void SetStaticIcon(HWND control, HICON icon) {
    ::SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

}  // namespace blenker
