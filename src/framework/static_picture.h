// The bitmap of a picture control (a static of style SS_BITMAP) drawn for the dialog's DPI: the
// art of the nearest larger scale (framework/dpi_scale.h), brought down to the picture's size
// at that DPI. The template's own bitmap, for 96 DPI, stays until another DPI asks for more.
#pragma once

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

// The bitmap of this 100 % id as it shows at this DPI: the art of the nearest larger scale,
// made smaller to the picture's size at that DPI where it was drawn for another scale. Null when
// the resource is missing.
UniqueBitmap LoadArtBitmap(int bitmapId, int dpi);

class StaticPicture {
  public:
    StaticPicture() = default;
    StaticPicture(const StaticPicture&) = delete;
    StaticPicture& operator=(const StaticPicture&) = delete;

    // Shows the bitmap of this 100 % id in the control at this DPI; the control takes the
    // picture's size.
    void Show(HWND control, int bitmapId, int dpi);

  private:
    UniqueBitmap m_shown;     // the picture of ours the control shows
    UniqueBitmap m_template;  // the template's picture, once replaced
};

}  // namespace blenker
