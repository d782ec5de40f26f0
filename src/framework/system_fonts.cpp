#include "framework/system_fonts.h"

#include "framework/dpi.h"

namespace blenker {

namespace {

// SystemParametersInfoForDpi, of Windows 10 (1607) on; null on older systems.
using ParametersForDpiFn = BOOL(WINAPI*)(UINT action, UINT param, void* data, UINT ini, UINT dpi);
ParametersForDpiFn ParametersForDpi() {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 != nullptr ? reinterpret_cast<ParametersForDpiFn>(reinterpret_cast<void*>(
                                   ::GetProcAddress(user32, "SystemParametersInfoForDpi")))
                             : nullptr;
}

LOGFONTW& FontOf(NONCLIENTMETRICSW& metrics, SystemFont font) {
    return font == SystemFont::Menu ? metrics.lfMenuFont : metrics.lfStatusFont;
}

}  // namespace

LOGFONTW SystemFontForDpi(SystemFont font, int dpi) {
    static const ParametersForDpiFn forDpi = ParametersForDpi();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        return FontOf(metrics, font);
    }
    // The screen's one DPI: the system's sizes are for it.
    metrics = {};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW description = FontOf(metrics, font);
    const int screenDpi = WindowDpi(nullptr);
    description.lfHeight = ::MulDiv(description.lfHeight, dpi, screenDpi);
    description.lfWidth = ::MulDiv(description.lfWidth, dpi, screenDpi);
    return description;
}

UniqueFont CreateSystemFont(SystemFont font, int dpi) {
    const LOGFONTW description = SystemFontForDpi(font, dpi);
    return UniqueFont(::CreateFontIndirectW(&description));
}

}  // namespace blenker
