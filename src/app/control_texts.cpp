#include "app/control_texts.h"

#include "app/win_app.h"
#include "framework/text.h"
#include "framework/window.h"

namespace blenker {

void SetLangTexts(HWND dialog, std::span<const ControlText> texts) {
    for (const ControlText& text : texts) {
        ::SetDlgItemTextW(dialog, text.control,
                          ToUtf16(TheApp().LoadLangString(text.text)).c_str());
    }
}

void SetToolTips(ToolTip& toolTip, HWND dialog, std::span<const ControlText> tips) {
    const bool first = !toolTip.Exists();
    if (first && !toolTip.Create(dialog)) {
        return;
    }
    for (const ControlText& tip : tips) {
        const std::string text = LoadResString(tip.text);
        const HWND control = ::GetDlgItem(dialog, tip.control);
        if (first) {
            toolTip.AddTool(control, text);
        } else {
            toolTip.UpdateTipText(control, text);
        }
        // A picture button shows no text of its own: its tip, in the user's language, is the
        // name a screen reader gives it.
        if (IsOfClass(control, L"Button", BS_TYPEMASK, BS_OWNERDRAW)) {
            ::SetWindowTextW(control, ToUtf16(LoadUserString(tip.text)).c_str());
        }
    }
}

}  // namespace blenker
