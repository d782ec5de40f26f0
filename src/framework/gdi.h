// Owners of GDI resources for painting: the paint and window device contexts, an object
// selected into a device context, and a solid brush or pen. Each gives back what it holds when it
// goes out of scope, so no code selects, restores, releases or deletes by hand. Declare them in
// the order of use: they end in reverse, the selection before the object it selected.
#pragma once

#include "framework/unique_handle.h"
#include "framework/win32.h"

namespace blenker {

// BeginPaint ... EndPaint of a WM_PAINT handler.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : m_window(window) { ::BeginPaint(window, &m_paint); }
    ~PaintDc() { ::EndPaint(m_window, &m_paint); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Get() const { return m_paint.hdc; }
    const RECT& Area() const { return m_paint.rcPaint; }

  private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
};

// GetDC ... ReleaseDC of a window's client area (GetWindowDC with whole = true).
class WindowDc {
  public:
    explicit WindowDc(HWND window, bool whole = false)
        : m_window(window), m_dc(whole ? ::GetWindowDC(window) : ::GetDC(window)) {}
    ~WindowDc() {
        if (m_dc != nullptr) {
            ::ReleaseDC(m_window, m_dc);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return m_dc; }

  private:
    HWND m_window;
    HDC m_dc;
};

// An object selected into a device context; the previous one goes back at the end. A null
// object selects nothing.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_previous(object != nullptr ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (m_previous != nullptr && m_previous != HGDI_ERROR) {
            ::SelectObject(m_dc, m_previous);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

class SolidBrush {
  public:
    explicit SolidBrush(COLORREF color) : m_brush(::CreateSolidBrush(color)) {}
    HBRUSH Get() const { return m_brush.Get(); }

  private:
    UniqueBrush m_brush;
};

class Pen {
  public:
    Pen(int style, int width, COLORREF color) : m_pen(::CreatePen(style, width, color)) {}
    HPEN Get() const { return m_pen.Get(); }

  private:
    UniquePen m_pen;
};

}  // namespace blenker
