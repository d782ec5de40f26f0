#include "framework/static_picture.h"

#include <utility>

#include "framework/dpi_scale.h"
#include "framework/gdi.h"

namespace blenker {

namespace {

// The picture brought to this size, smoothly: the nearest larger art made smaller.
UniqueBitmap ResizedBitmap(HBITMAP picture, Size from, Size to) {
    const WindowDc screen(nullptr);
    UniqueBitmap resized(::CreateCompatibleBitmap(screen.Get(), to.width, to.height));
    const UniqueMemoryDc source(::CreateCompatibleDC(screen.Get()));
    const UniqueMemoryDc target(::CreateCompatibleDC(screen.Get()));
    if (!resized || !source || !target) {
        return {};
    }
    const SelectedObject read(source.Get(), picture);
    const SelectedObject written(target.Get(), resized.Get());
    ::SetStretchBltMode(target.Get(), HALFTONE);
    ::SetBrushOrgEx(target.Get(), 0, 0, nullptr);
    ::StretchBlt(target.Get(), 0, 0, to.width, to.height, source.Get(), 0, 0, from.width,
                 from.height, SRCCOPY);
    return resized;
}

}  // namespace

UniqueBitmap LoadArtBitmap(int bitmapId, int dpi) {
    const int percent = ArtPercent(dpi);
    UniqueBitmap art(static_cast<HBITMAP>(::LoadImageW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ArtResourceId(bitmapId, percent)),
        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!art) {
        return art;
    }
    BITMAP info{};
    ::GetObjectW(art.Get(), sizeof info, &info);
    const Size drawn{info.bmWidth, info.bmHeight};
    const Size shown = ShownArtSize(drawn, percent, dpi);
    if (shown != drawn) {
        if (UniqueBitmap resized = ResizedBitmap(art.Get(), drawn, shown)) {
            return resized;
        }
    }
    return art;
}

void StaticPicture::Show(HWND control, int bitmapId, int dpi) {
    if (control == nullptr || (dpi == kDesignDpi && !m_shown)) {
        return;  // at 96 DPI the template's own picture is the one
    }
    UniqueBitmap art = LoadArtBitmap(bitmapId, dpi);
    if (!art) {
        return;
    }
    const auto previous = reinterpret_cast<HBITMAP>(
        ::SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(art.Get())));
    // The template's picture belongs to the program once replaced; a picture of ours goes now.
    if (!m_shown && previous != nullptr) {
        m_template.Reset(previous);
    }
    m_shown = std::move(art);
}

}  // namespace blenker
