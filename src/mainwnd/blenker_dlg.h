// The main window: the title list, adding and removing titles, the scan switch and delay, and
// the buttons to the program's other windows. It owns the title list and the scan engine's
// state; every way out ends in End, which stores them.
#pragma once

#include <array>
#include <string>

#include "framework/bitmap_button.h"
#include "framework/dialog.h"
#include "framework/tool_tip.h"
#include "framework/unique_handle.h"
#include "scan/scan_engine.h"
#include "scan/scan_schedule.h"
#include "scan/win32_desktop.h"
#include "scan/window_scan_host.h"
#include "titles/title_list.h"

namespace blenker {

class VWinApp;

class CBlenkerDlg : public Dialog, private WindowScanHost {
  public:
    CBlenkerDlg();

    // The operations other windows use.
    BOOL AddTitle(std::string title);
    BOOL TitleExists(const std::string& title) const { return m_titles.TitleExists(title); }
    void UpdateTexts();
    void LoadOptions() { m_engine.LoadOptions(); }
    void ToggleScan() { m_schedule.ToggleScan(); }
    void StepDelay(int direction) { m_schedule.StepDelay(direction); }
    void End();

    // Members into the controls (false) or back (true).
    void UpdateData(bool fromControls);

    const TitleList& Titles() const { return m_titles; }
    const ScanEngine& Engine() const { return m_engine; }
    const ScanSchedule& Schedule() const { return m_schedule; }
    const ToolTip& ToolTips() const { return m_toolTip; }

    std::string m_strTitle;
    int m_bHidden;
    int m_bInSettings = 0;

  protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notifyCode, HWND control) override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnOK();
    void OnAdd();
    void RemoveSelectedTitles();
    void OnSelChange();
    void LoadTitleFile();
    void FillListBox();

    // The schedule's host: timer 1 and the caption come from WindowScanHost.
    void RefreshControls() override { UpdateData(false); }
    void SaveTitleFile() override;

    VWinApp& m_app;
    TitleList m_titles;
    Win32Desktop m_desktop;
    ScanEngine m_engine;
    ScanSchedule m_schedule;
    std::array<BitmapButton, 8> m_buttons;
    ToolTip m_toolTip;
    UniqueIcon m_hIcon;
    UniqueIcon m_smallIcon;
    UniqueIcon m_targetIcon;
    UniqueIcon m_draggedIcon;
    HCURSOR m_dragCursor = nullptr;
};

}  // namespace blenker
