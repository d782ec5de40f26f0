#include "mainwnd/repeat_button.h"

#include "mainwnd/repeat_rhythm.h"

namespace blenker {

namespace {

constexpr UINT_PTR kRepeatTimer = 0x5250;  // on the button's own window

RepeatRhythm SystemRhythm() {
    int delay = 1;
    DWORD speed = 31;
    ::SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0);
    ::SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    return KeyboardRepeatRhythm(delay, static_cast<int>(speed));
}

}  // namespace

LRESULT CRepeatButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDBLCLK:
            // A press like any other: the button shows it pressed and clicks on the release.
            return OnMessage(WM_LBUTTONDOWN, wParam, lParam);
        case WM_LBUTTONDOWN: {
            const LRESULT result = Default(message, wParam, lParam);
            m_repeats = 0;
            if (::GetCapture() == Hwnd()) {
                ::SetTimer(Hwnd(), kRepeatTimer, static_cast<UINT>(SystemRhythm().firstMs),
                           nullptr);
            }
            return result;
        }
        case WM_TIMER:
            if (wParam != kRepeatTimer) {
                break;
            }
            Repeat();
            return 0;
        case WM_LBUTTONUP:
            ::KillTimer(Hwnd(), kRepeatTimer);
            if (m_repeats > 0 && ::GetCapture() == Hwnd()) {
                // Let go without a click of the button's own: the press has clicked already.
                ::ReleaseCapture();
            }
            m_repeats = 0;
            break;
        case WM_CAPTURECHANGED:
            ::KillTimer(Hwnd(), kRepeatTimer);
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

void CRepeatButton::Repeat() {
    if (::GetCapture() != Hwnd()) {
        ::KillTimer(Hwnd(), kRepeatTimer);
        return;
    }
    // Held with the pointer off the button, it waits as the button shows itself raised.
    if ((::SendMessageW(Hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) {
        ++m_repeats;
        ::SendMessageW(::GetParent(Hwnd()), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(Hwnd()), BN_CLICKED),
                       reinterpret_cast<LPARAM>(Hwnd()));
    }
    ::SetTimer(Hwnd(), kRepeatTimer, static_cast<UINT>(SystemRhythm().everyMs), nullptr);
}

}  // namespace blenker
