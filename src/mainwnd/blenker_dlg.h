// The main window: a composition of the title list view, the scan switch, the notification
// icon, the target drag, the release check and the skin, with the buttons to the program's
// other windows. It routes its messages to them; every way out ends in End, which reads the
// controls and stores the scan state and the title file, once.
#pragma once

#include <string>

#include "app/main_window.h"
#include "framework/dialog.h"
#include "mainwnd/main_buttons.h"
#include "mainwnd/main_skin.h"
#include "mainwnd/release_check.h"
#include "mainwnd/scan_switch.h"
#include "mainwnd/target_drag.h"
#include "mainwnd/title_list_view.h"
#include "mainwnd/tray_icon.h"
#include "scan/window_scan_host.h"

namespace blenker {

class VWinApp;

class CBlenkerDlg : public Dialog, public MainWindow, private WindowScanHost {
  public:
    // The title file is read through "openTitleFile" (the file on disk unless a test says
    // otherwise).
    explicit CBlenkerDlg(OpenBytesFn openTitleFile = &OpenFileBytes);

    // The operations other windows use.
    bool AddTitle(std::string title) override { return m_titleView.Add(std::move(title)); }
    bool TitleExists(const std::string& title) const override {
        return m_titleView.List().TitleExists(title);
    }
    void UpdateTexts() override { m_controls.SetTexts(Hwnd()); }
    void LoadOptions() override { m_scan.Engine().LoadOptions(); }

    const TitleList& Titles() const { return m_titleView.List(); }
    const ScanSchedule& Schedule() const { return m_scan.Schedule(); }
    const ToolTip& ToolTips() const { return m_controls.ToolTips(); }

    void SetTrayIcon(TrayAction action, const std::string& tip) { m_tray.Set(action, tip); }
    CTrayIcon& Tray() { return m_tray; }

    int m_bHidden;

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnOK();
    void End();
    void OpenSettings();
    void Show(bool shown);
    // Members into the controls (false) or back (true).
    void UpdateData(bool fromControls);

    // The schedule's host: timer 1 comes from WindowScanHost; the caption is also the tip.
    void SetCaption(const std::string& caption) override;
    void DrawLamp(bool scanning) override { m_skin.DrawLamp(scanning); }
    void RefreshControls() override { UpdateData(false); }

    VWinApp& m_app;
    CTitleListView m_titleView;
    CScanSwitch m_scan;
    CMainButtons m_controls;
    CTrayIcon m_tray;
    CTargetDrag m_drag;
    CReleaseCheck m_releaseCheck;
    CMainSkin m_skin;
    bool m_ended = false;

  public:
    // The target drag's state: 1 while the target is dragged.
    const int& m_bDragging = m_drag.Dragging();
};

}  // namespace blenker
