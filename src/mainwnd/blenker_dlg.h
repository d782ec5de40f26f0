// The main window: a composition of the title list view, the scan switch, the notification
// icon, the target drag, the release check and the skin, with the buttons to the program's
// other windows. It routes its messages to them and its commands to MainCommands, which decides
// them; every way out, the session's end too, ends in its End, which reads the controls, stores
// the scan state and the title file and removes the icon, once.
#pragma once

#include <string>

#include "app/main_window.h"
#include "framework/dialog.h"
#include "mainwnd/main_buttons.h"
#include "mainwnd/main_commands.h"
#include "mainwnd/main_skin.h"
#include "mainwnd/release_check.h"
#include "mainwnd/scan_switch_view.h"
#include "mainwnd/target_drag.h"
#include "mainwnd/title_list_view.h"
#include "mainwnd/tray_icon.h"
#include "scan/window_scan_host.h"

namespace blenker {

class VWinApp;

class CBlenkerDlg : public Dialog,
                    public MainWindow,
                    private WindowScanHost,
                    private MainDialogSite {
  public:
    // The title file is read through "openTitleFile" (the file on disk unless a test says
    // otherwise).
    explicit CBlenkerDlg(OpenBytesFn openTitleFile = &OpenFileBytes);

    // The operations other windows use.
    bool AddTitle(std::string title) override { return m_titleView.Add(title); }
    bool TitleExists(const std::string& title) const override {
        return m_titleView.List().TitleExists(title);
    }
    void UpdateTexts() override { m_controls.SetTexts(Hwnd()); }
    void LoadOptions() override { m_scan.Switch().LoadOptions(); }

    const TitleList& Titles() const { return m_titleView.List(); }
    const ScanSchedule& Schedule() const { return m_scan.Switch().Schedule(); }
    const ToolTip& ToolTips() const { return m_controls.ToolTips(); }

    void SetTrayIcon(TrayAction action, const std::string& tip) { m_tray.Set(action, tip); }
    CTrayIcon& Tray() { return m_tray; }

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND) override { m_commands.OnCommand(id, notifyCode); }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The schedule's host: timer 1 comes from WindowScanHost; the caption is also the tip.
    void SetCaption(const std::string& caption) override;
    void DrawLamp(bool scanning) override { m_skin.DrawLamp(scanning); }
    void RefreshControls() override { m_commands.UpdateData(false); }

    // What the commands do to the window.
    void ShowMainWindow(bool shown) override;
    void CloseMainWindow(int result) override { EndDialog(result); }
    void OpenHelp() override;
    std::optional<CloseCounters> RunSettings(CloseCounters counters) override;
    void Repaint() override { ::InvalidateRect(Hwnd(), nullptr, TRUE); }
    void RemoveTrayIcon() override { SetTrayIcon(TrayAction::Delete, ""); }

    bool Scanning() const { return m_scan.Switch().Scanning(); }

    VWinApp& m_app;
    CTitleListView m_titleView;
    CScanSwitchView m_scan;
    MainCommands m_commands;
    CMainButtons m_controls;
    CTrayIcon m_tray;
    CTargetDrag m_drag;
    CReleaseCheck m_releaseCheck;
    CMainSkin m_skin;

  public:
    // 1 while the window is hidden in the notification area.
    const int& m_bHidden = m_commands.Hidden();
    // The target drag's state: 1 while the target is dragged.
    const int& m_bDragging = m_drag.Dragging();
};

}  // namespace blenker
