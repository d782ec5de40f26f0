// A 32-bit picture in memory to draw on and read back pixel by pixel, for the tests of what
// owner-drawn controls and menu items paint.
#pragma once

#include <algorithm>

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker::test {

// A 32-bit DIB section selected into a memory DC.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF unpainted)
        : m_width(width), m_height(height), m_dc(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.Reset(::CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_previous = ::SelectObject(m_dc.Get(), m_bitmap.Get());
        Fill(unpainted);
    }
    ~Canvas() { ::SelectObject(m_dc.Get(), m_previous); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool Valid() const { return m_dc && m_bitmap; }
    HDC Dc() const { return m_dc.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc.Get(), x, y); }

    void Fill(COLORREF color) {
        const UniqueBrush brush(::CreateSolidBrush(color));
        const RECT all{0, 0, m_width, m_height};
        ::FillRect(m_dc.Get(), &all, brush.Get());
    }

    // Pixels of one colour inside a rectangle.
    int Count(const RECT& area, COLORREF color) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += Pixel(x, y) == color ? 1 : 0;
            }
        }
        return count;
    }

    // The smallest rectangle that holds every pixel of the area that is not the given colour;
    // empty when there is none.
    RECT Extent(const RECT& area, COLORREF except) const {
        RECT found{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (Pixel(x, y) != except) {
                    found.left = std::min<LONG>(found.left, x);
                    found.top = std::min<LONG>(found.top, y);
                    found.right = std::max<LONG>(found.right, x + 1);
                    found.bottom = std::max<LONG>(found.bottom, y + 1);
                }
            }
        }
        return found.left < found.right ? found : RECT{};
    }

  private:
    int m_width;
    int m_height;
    UniqueMemoryDc m_dc;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

}  // namespace blenker::test
