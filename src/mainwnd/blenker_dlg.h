// The main window: the title list, adding and removing titles, the scan switch and delay, and
// the buttons to the program's other windows. It owns the title list and the scan engine's
// state; every way out ends in End, which stores them. Its notification icon, target drag and
// release check are objects of their own, which it hands its messages.
#pragma once

#include <array>
#include <string>

#include "app/main_window.h"
#include "framework/bitmap_button.h"
#include "framework/dialog.h"
#include "titles/system_order.h"
#include "framework/tool_tip.h"
#include "framework/unique_handle.h"
#include "mainwnd/main_skin.h"
#include "mainwnd/release_check.h"
#include "mainwnd/target_drag.h"
#include "mainwnd/tray_icon.h"
#include "scan/scan_engine.h"
#include "scan/scan_schedule.h"
#include "scan/win32_desktop.h"
#include "scan/window_scan_host.h"
#include "titles/title_file.h"
#include "titles/title_list.h"

namespace blenker {

class VWinApp;

class CBlenkerDlg : public Dialog, public MainWindow, private WindowScanHost {
  public:
    // The title file is read through "openTitleFile" (the file on disk unless a test says
    // otherwise).
    explicit CBlenkerDlg(OpenBytesFn openTitleFile = &OpenFileBytes);

    // The operations other windows use.
    bool AddTitle(std::string title) override;
    bool TitleExists(const std::string& title) const override {
        return m_titles.TitleExists(title);
    }
    void UpdateTexts() override;
    void LoadOptions() override { m_engine.LoadOptions(); }
    void ToggleScan() { m_schedule.ToggleScan(); }
    void StepDelay(int direction) { m_schedule.StepDelay(direction); }
    void End();

    // Members into the controls (false) or back (true).
    void UpdateData(bool fromControls);

    const TitleList& Titles() const { return m_titles; }
    const ScanSchedule& Schedule() const { return m_schedule; }
    const ToolTip& ToolTips() const { return m_toolTip; }

    // The notification icon: 1 adds it, 2 deletes it, any other action changes its tip (cut
    // to 63 characters).
    void SetTrayIcon(int action, const std::string& tip) { m_tray.Set(action, tip); }
    CTrayIcon& Tray() { return m_tray; }

    std::string m_strTitle;
    int m_bHidden;
    int m_bInSettings = 0;

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnOK();
    void OpenSettings();
    void OnAdd();
    void RemoveSelectedTitles();
    void OnSelChange();
    void LoadTitleFile();
    void FillListBox();
    void Hide();
    void OnIconTrayLButtonDown();
    void OnIconTrayRButtonDown() { m_tray.TrackMenu(m_bHidden != 0, m_schedule.m_bEnable != 0); }
    void OnLButtonDown(POINT at) { m_drag.OnLButtonDown(at); }
    void OnLButtonUp(POINT at) { m_drag.OnLButtonUp(at); }
    void StartReleaseCheck() { m_releaseCheck.Start(Hwnd()); }

    // The schedule's host: timer 1 comes from WindowScanHost; the caption is also the tip.
    void SetCaption(const std::string& caption) override;
    void RefreshControls() override { UpdateData(false); }
    void DrawLamp(bool scanning) override { m_skin.DrawLamp(scanning); }
    void SaveTitleFile() override;

    VWinApp& m_app;
    // In the order of a sorted list box, which the list box shows and the file keeps.
    TitleList m_titles{{&CompareSystemNoCase, &SystemSortKey}};
    OpenBytesFn m_openTitleFile;
    Win32Desktop m_desktop;
    ScanEngine m_engine;
    ScanSchedule m_schedule;
    std::array<BitmapButton, 8> m_buttons;
    ToolTip m_toolTip;
    UniqueIcon m_hIcon;
    UniqueIcon m_smallIcon;
    CTrayIcon m_tray;
    CTargetDrag m_drag;
    CReleaseCheck m_releaseCheck;
    CMainSkin m_skin;

  public:
    // The target drag's state: 1 while the target is dragged.
    const int& m_bDragging = m_drag.Dragging();
};

}  // namespace blenker
