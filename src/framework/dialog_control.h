// A control of a dialog that a C++ object draws or answers: the dialog hands it the control's
// window at initialisation, its WM_DRAWITEM requests and its clicks.
#pragma once

#include "framework/dpi_scale.h"
#include "framework/win32.h"

namespace blenker {

class DialogControl {
  public:
    explicit DialogControl(int controlId) : m_id(controlId) {}
    DialogControl(const DialogControl&) = delete;
    DialogControl& operator=(const DialogControl&) = delete;
    virtual ~DialogControl() = default;

    int Id() const { return m_id; }
    HWND Hwnd() const { return m_hwnd; }
    // The DPI of the dialog: set before Attach, and again when the dialog's DPI changes (the
    // dialog then has the control drawn anew).
    int Dpi() const { return m_dpi; }
    void SetDpi(int dpi) { m_dpi = dpi; }

    // The dialog's controls exist: the object takes its window (and loads what it shows).
    virtual void Attach(HWND control) { m_hwnd = control; }
    // Paints an owner-drawn control.
    virtual void Draw(const DRAWITEMSTRUCT&) {}
    // A click on the control; true when the object handled it, false to pass it on to the
    // dialog's command handler.
    virtual bool OnClicked() { return false; }

  private:
    int m_id;
    HWND m_hwnd = nullptr;
    int m_dpi = kDesignDpi;
};

}  // namespace blenker
