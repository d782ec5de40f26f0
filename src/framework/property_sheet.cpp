#include "framework/property_sheet.h"

#include "framework/dpi.h"

#include <commctrl.h>

#include <cstring>
#include <utility>

namespace blenker {

namespace {

// The sheet being made on this thread, until its window is created and subclassed.
thread_local PropertySheet* t_creating = nullptr;
thread_local HHOOK t_hook = nullptr;

}  // namespace

PropertySheet::PropertySheet(HWND parent, int startPage)
    : m_parent(parent), m_startPage(startPage) {}

INT_PTR PropertySheet::DoModal() {
    std::vector<PROPSHEETPAGEW> pages;
    for (PropertyPage* page : m_pages) {
        pages.push_back(page->Describe(WindowDpi(m_parent)));
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = m_flags | PSH_PROPSHEETPAGE;
    header.hwndParent = m_parent;
    header.hInstance = ::GetModuleHandleW(nullptr);
    header.pszCaption = L"";
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = static_cast<UINT>(m_startPage);
    header.ppsp = pages.data();

    // The first window the call creates on this thread is the sheet: the hook subclasses it
    // before its first message, as the class library's sheets have it.
    t_creating = this;
    t_hook =
        ::SetWindowsHookExW(WH_CBT, &PropertySheet::CreationHook, nullptr, ::GetCurrentThreadId());
    const INT_PTR result = ::PropertySheetW(&header);
    if (t_hook != nullptr) {
        ::UnhookWindowsHookEx(std::exchange(t_hook, nullptr));
    }
    t_creating = nullptr;
    const INT_PTR end = result < 0 ? -1 : result > 0 ? IDOK : IDCANCEL;
    OnEnded(end);
    return end;
}

LRESULT CALLBACK PropertySheet::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_creating != nullptr) {
        std::exchange(t_creating, nullptr)->Subclass(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(t_hook, code, wParam, lParam);
}

HWND PropertySheet::TabControl() const {
    return reinterpret_cast<HWND>(::SendMessageW(Hwnd(), PSM_GETTABCONTROL, 0, 0));
}

PropertyPage* PropertySheet::ActivePage() const {
    const auto page = reinterpret_cast<HWND>(::SendMessageW(Hwnd(), PSM_GETCURRENTPAGEHWND, 0, 0));
    for (PropertyPage* candidate : m_pages) {
        if (page != nullptr && candidate->Hwnd() == page) {
            return candidate;
        }
    }
    return nullptr;
}

LRESULT PropertySheet::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(message, wParam, lParam);
    if (message == WM_INITDIALOG) {
        OnInitDialog();
    }
    return result;
}

}  // namespace blenker
