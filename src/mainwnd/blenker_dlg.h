// The main window: the title list with its file, the scan engine and its schedule, the picture
// buttons with their tips, the notification icon, the target drag, the release check and the
// skin. Its commands are decided in OnCommand and its messages in OnMessage, one switch each;
// every way out, the session's end too, ends in End, which reads the controls, stores the scan
// state and the title file and removes the icon, once.
#pragma once

#include <array>
#include <string>

#include "app/main_window.h"
#include "framework/dialog.h"
#include "framework/tool_tip.h"
#include "mainwnd/main_skin.h"
#include "mainwnd/release_check.h"
#include "mainwnd/repeat_button.h"
#include "mainwnd/target_drag.h"
#include "mainwnd/title_list_view.h"
#include "mainwnd/tray_icon.h"
#include "scan/scan_engine.h"
#include "scan/scan_schedule.h"
#include "scan/win32_desktop.h"
#include "scan/window_event_hooks.h"
#include "ui/bitmap_button.h"

namespace blenker {

class VWinApp;

class CBlenkerDlg : public Dialog, public MainWindow, private ScanHost {
  public:
    // The title file is read through "openTitleFile" and the notification icon's data goes to
    // "notifyIcon": the file on disk and the shell unless a test says otherwise.
    explicit CBlenkerDlg(OpenBytesFn openTitleFile = &OpenFileBytes,
                         NotifyIconFn notifyIcon = &::Shell_NotifyIconW);

    // The operations the settings sheet uses.
    bool AddTitle(std::string title) override { return m_titles.AddTitle(title); }
    bool TitleExists(const std::string& title) const override {
        return m_titles.List().TitleExists(title);
    }
    void UpdateTexts() override;
    void LoadOptions() override;

    // Adds the notification icon, deletes it or changes its tip.
    void SetTrayIcon(TrayAction action, const std::string& tip) { m_tray.Set(action, tip); }

    const TitleList& Titles() const { return m_titles.List(); }
    const ScanSchedule& Schedule() const { return m_schedule; }
    const ToolTip& ToolTips() const { return m_toolTips; }

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Moved to a monitor of another scale: the suggested rectangle, the layout, outline,
    // pictures and fonts of the new DPI.
    void OnDpiChanged(const RECT& suggested) override;
    // The title field and list in a face that has every script, at the layout's size.
    void SetTitleFont();

  private:
    // The scan schedule's host: timer 1, the caption (which is also the icon's tip), the lamp,
    // the controls and the window events.
    unsigned SetScanTimer(int periodMs) override;
    void KillScanTimer() override;
    void SetCaption(const std::string& caption) override;
    void DrawLamp(bool scanning) override { m_skin.DrawLamp(scanning); }
    void RefreshControls() override { UpdateData(false); }
    bool ListenToWindowEvents(bool on) override { return m_hooks.Listen(on, Hwnd()); }

    // The members into the title field, the "Enable" box and the delay field (false), or those
    // controls back into the members (true).
    void UpdateData(bool fromControls);
    void OnAdd();
    void OnSelChange();
    // Shows the window or hides it in the notification area.
    void Show(bool shown);
    void OpenSettings();
    void End();
    bool Scanning() const { return m_schedule.m_bEnable != 0; }

    VWinApp& m_app;
    CTitleListView m_titles;
    std::string m_strTitle;  // the title field's text, as last read or to be shown
    Win32Desktop m_desktop;
    ScanEngine m_engine;
    ScanSchedule m_schedule;
    WindowEventHooks m_hooks;
    std::array<BitmapButton, 8> m_buttons;
    std::array<CRepeatButton, 2> m_delayButtons;  // up and down click on and on while held
    ToolTip m_toolTips;
    UniqueFont m_titleFont;  // the title field's and list's
    CMainSkin m_skin;
    CTrayIcon m_tray;
    CTargetDrag m_drag;
    CReleaseCheck m_releaseCheck;
    bool m_bHidden;        // hidden in the notification area
    bool m_ended = false;  // End has run
};

}  // namespace blenker
