#include "framework/dialog.h"

#include <span>
#include <utility>

#include "framework/dialog_colors.h"
#include "framework/dialog_template.h"
#include "framework/dpi.h"
#include "framework/text.h"
#include "framework/window.h"

namespace blenker {

namespace {

// The messages whose answer a dialog procedure returns directly instead of through
// DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORMSGBOX:
        case WM_QUERYDRAGICON:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            return true;
        default:
            return false;
    }
}

}  // namespace

Dialog::~Dialog() {
    // Detach first: the destruction's messages must not reach a half-destroyed object.
    if (m_window) {
        ::SetWindowLongPtrW(m_window.Get(), DWLP_USER, 0);
    }
}

std::vector<std::uint8_t> DialogTemplateFor(int templateId, int dpi) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const std::uint8_t*>(::LockResource(loaded));
    if (bytes == nullptr) {
        return {};
    }
    const std::span<const std::uint8_t> original(bytes, ::SizeofResource(module, found));
    if (const auto face = DialogFaceForDpi(dpi)) {
        if (auto copy = WithFontFace(original, *face)) {
            return std::move(*copy);
        }
    }
    return {original.begin(), original.end()};
}

INT_PTR Dialog::DoModal() {
    m_modeless = false;
    const std::vector<std::uint8_t> made = DialogTemplateFor(m_templateId, WindowDpi(m_parent));
    if (made.empty()) {
        return -1;
    }
    return ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr),
                                     reinterpret_cast<const DLGTEMPLATE*>(made.data()), m_parent,
                                     &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create() {
    m_modeless = true;
    const std::vector<std::uint8_t> made = DialogTemplateFor(m_templateId, WindowDpi(m_parent));
    return !made.empty() &&
           ::CreateDialogIndirectParamW(
               ::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(made.data()),
               m_parent, &Dialog::DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR Dialog::RunModalLoop(bool showOnIdle) {
    m_inLoop = true;
    bool shown = !showOnIdle;
    MSG msg;
    while (m_inLoop && m_window) {
        if (!shown && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
            ::UpdateWindow(Hwnd());
            shown = true;
        }
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the caller's loop
            }
            break;
        }
        if (!::IsDialogMessageW(Hwnd(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    m_inLoop = false;
    return m_result;
}

void Dialog::EndDialog(INT_PTR code) {
    m_result = code;
    if (!m_modeless) {
        ::EndDialog(Hwnd(), code);
        return;
    }
    if (m_inLoop) {
        m_inLoop = false;
        ::PostMessageW(Hwnd(), WM_NULL, 0, 0);  // wakes the loop up
    }
}

std::string Dialog::ItemText(int id) const {
    return WholeWindowText(Item(id));
}

void Dialog::SetItemText(int id, const std::string& text) const {
    ::SetDlgItemTextW(Hwnd(), id, ToUtf16(text).c_str());
}

void Dialog::OnCommand(int id, int, HWND) {
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(id);
    }
}

std::optional<LRESULT> Dialog::OnMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

void Dialog::OnDpiChanged(const RECT& suggested) {
    ::SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::CenterWindow() const {
    if ((::GetWindowLongW(Hwnd(), GWL_STYLE) & WS_CHILD) != 0) {
        return;
    }
    RECT area{};
    const HWND owner = ::GetWindow(Hwnd(), GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT window{};
    ::GetWindowRect(Hwnd(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    ::SetWindowPos(Hwnd(), nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Dialog::HitTestAsCaption(LPARAM lParam, HWND except) const {
    return blenker::HitTestAsCaption(::DefWindowProcW(Hwnd(), WM_NCHITTEST, 0, lParam), lParam,
                                     except);
}

std::optional<LRESULT> Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialogMessage();
        case WM_QUERYENDSESSION:
            // The session may always end: no dialog refuses it or waits for its user first.
            return TRUE;
        case WM_COMMAND:
            OnCommandMessage(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            if (const auto handled = OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
                return handled;
            }
            break;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (DialogControl* control =
                    item.CtlType != ODT_MENU ? Control(static_cast<int>(item.CtlID)) : nullptr) {
                control->Draw(item);
                return TRUE;
            }
            break;
        }
        case WM_DPICHANGED:
            m_dpi = DpiChangedDpi(wParam);
            for (auto& [id, control] : m_controls) {
                control->SetDpi(m_dpi);
            }
            OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
            ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            // Not answered: the system's own handling follows, which on Windows 10 scales the
            // fonts and controls of a dialog that leaves it that work (LayOutOwnDpiChanges).
            break;
        case WM_ERASEBKGND:
            if (EraseAsPage(reinterpret_cast<HDC>(wParam))) {
                return TRUE;
            }
            break;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnColorMessage(message, wParam, lParam);
        default:
            break;
    }
    return OnMessage(message, wParam, lParam);
}

LRESULT Dialog::OnInitDialogMessage() {
    m_dpi = WindowDpi(Hwnd());
    m_layout.Capture(Hwnd(), m_dpi);
    if (m_dpi != kDesignDpi) {
        LayOutForDpi(false);
    }
    KeepDialogColorsOnButtons(Hwnd());
    for (auto& [id, control] : m_controls) {
        control->SetDpi(m_dpi);
        control->Attach(Item(id));
    }
    RECT before{};
    ::GetWindowRect(Hwnd(), &before);
    const BOOL result = OnInitDialog();
    RECT after{};
    ::GetWindowRect(Hwnd(), &after);
    // A window that only changed its size (laid out for its DPI) is still to be placed.
    if (before.left == after.left && before.top == after.top) {
        PlaceWindow();
    }
    return result;
}

void Dialog::OnCommandMessage(int id, int code, HWND control) {
    // A control object's button acts on a click only: an owner-drawn button reports the second
    // click of a double click as BN_DOUBLECLICKED, which is no second click.
    if (DialogControl* object = control != nullptr ? Control(id) : nullptr) {
        if (code != BN_CLICKED || object->OnClicked()) {
            return;
        }
    }
    OnCommand(id, code, control);
}

bool Dialog::EraseAsPage(HDC dc) const {
    // A dialog inside another window (a property page) would show its parent's themed
    // background: it paints the dialog colour itself.
    if ((::GetWindowLongW(Hwnd(), GWL_STYLE) & WS_CHILD) == 0) {
        return false;
    }
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    ::FillRect(dc, &client, DialogColorBrush(WM_CTLCOLORDLG, dc, Hwnd()));
    return true;
}

std::optional<LRESULT> Dialog::OnColorMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC) {
        if (const LRESULT own = ::SendMessageW(reinterpret_cast<HWND>(lParam),
                                               WM_REFLECTED_CTLCOLORSTATIC, wParam, lParam)) {
            return own;
        }
    }
    if (const auto handled = OnMessage(message, wParam, lParam)) {
        return handled;
    }
    const HBRUSH brush =
        DialogColorBrush(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    return brush ? std::optional<LRESULT>(reinterpret_cast<LRESULT>(brush)) : std::nullopt;
}

DialogControl* Dialog::Control(int id) const {
    const auto found = m_controls.find(id);
    return found != m_controls.end() ? found->second : nullptr;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* created = reinterpret_cast<Dialog*>(lParam);
        created->m_window.Reset(hwnd);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    std::optional<LRESULT> result;
    try {
        result = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // No exception crosses the system's code: the message gets the default handling.
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->m_window.Release();
    }
    if (!result) {
        return FALSE;
    }
    if (ReturnsDirectly(message)) {
        return static_cast<INT_PTR>(*result);
    }
    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, *result);
    return TRUE;
}

}  // namespace blenker
