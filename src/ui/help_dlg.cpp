#include "ui/help_dlg.h"

#include <utility>

#include "app/control_texts.h"
#include "app/win_app.h"
#include "framework/gdi.h"
#include "framework/text.h"
#include "framework/window.h"

namespace blenker {

namespace {

// One picture button per entry of the help window's table.
template <std::size_t... I>
std::array<BitmapButton, sizeof...(I)> PictureButtons(std::index_sequence<I...>) {
    return {
        {{kHelpPictures[I].button, kHelpPictures[I].upBitmap, kHelpPictures[I].pressedBitmap}...}};
}

}  // namespace

CHelpDlg::CHelpDlg(HWND parent)
    : Dialog(IDD_HELP, parent),
      m_pictures(PictureButtons(std::make_index_sequence<kHelpPictures.size()>())),
      m_close(IDC_HELP_CLOSE, IDB_CLOSE_UP, IDB_CLOSE_DOWN) {
    for (BitmapButton& picture : m_pictures) {
        AddControl(picture);
    }
    AddControl(m_close);
}

BOOL CHelpDlg::OnInitDialog() {
    for (const HelpPicture& picture : kHelpPictures) {
        // The picture's words, beside it and as its name for a screen reader.
        const ControlText label[] = {{picture.label, picture.text}, {picture.button, picture.text}};
        SetLangTexts(Hwnd(), label);
    }
    const HelpTexts& texts = HelpTextsIn(TheApp().GetLanguage());
    SetItemText(IDC_HELP_TITLE, texts.title);
    SetItemText(IDC_HELP_GROUP, texts.group);
    SetItemText(IDC_HELP_TEXT, texts.text);
    constexpr ControlText kTips[] = {{IDC_HELP_CLOSE, IDS_CLOSE_WINDOW_TIP}};
    SetToolTips(m_toolTip, Hwnd(), kTips);
    if (FitHelpText()) {
        PlaceWindow();  // the window's size changed: placed here, not by the dialog
    }
    return TRUE;
}

bool CHelpDlg::FitHelpText() const {
    const HWND field = Item(IDC_HELP_TEXT);
    const RECT area = WindowRectIn(field, Hwnd());
    // The text laid out as the static lays it out: broken into lines at its width.
    RECT needed{0, 0, area.right - area.left, 0};
    {
        const WindowDc dc(field);
        const SelectedObject font(dc.Get(), GetFont(field));
        ::DrawTextW(dc.Get(), ToUtf16(ItemText(IDC_HELP_TEXT)).c_str(), -1, &needed,
                    DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    }
    const int growth = needed.bottom - (area.bottom - area.top);
    if (growth <= 0) {
        return false;
    }
    const auto change = [this](HWND control, int down, int taller) {
        const RECT rect = WindowRectIn(control, Hwnd());
        ::SetWindowPos(control, nullptr, rect.left, rect.top + down, rect.right - rect.left,
                       rect.bottom - rect.top + taller, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    change(field, 0, growth);
    change(Item(IDC_HELP_GROUP), 0, growth);
    change(Item(IDC_HELP_CLOSE), growth, 0);
    RECT window{};
    ::GetWindowRect(Hwnd(), &window);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, window.right - window.left,
                   window.bottom - window.top + growth, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CHelpDlg::PlaceWindow() const {
    const HWND owner = ::GetWindow(Hwnd(), GW_OWNER);
    RECT ownerRect{};
    RECT window{};
    if (owner == nullptr || !::GetWindowRect(owner, &ownerRect) ||
        !::GetWindowRect(Hwnd(), &window)) {
        CenterWindow();
        return;
    }
    const Rect placed =
        PlaceHelpWindow(ToRect(ownerRect), {window.right - window.left, window.bottom - window.top},
                        WorkAreaOf(owner));
    ::SetWindowPos(Hwnd(), nullptr, placed.left, placed.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> CHelpDlg::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NCHITTEST) {
        return HitTestAsCaption(lParam);  // dragged by any point of its body
    }
    return std::nullopt;
}

void CHelpDlg::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_HELP_CLOSE) {
        ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0);  // ends it as Cancel
        return;
    }
    // The pictures do nothing; Escape ends the window.
    Dialog::OnCommand(id, notifyCode, control);
}

void CHelpDlg::OnDpiChanged(const RECT& suggested) {
    Dialog::OnDpiChanged(suggested);
    m_toolTip.SetDpi(Dpi());
    FitHelpText();  // the text breaks into lines anew in the font of the new DPI
}

}  // namespace blenker
