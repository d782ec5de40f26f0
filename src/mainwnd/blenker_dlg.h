// The main window: the title list, adding and removing titles, the scan switch and delay, and
// the buttons to the program's other windows. It owns the title list and the scan engine's
// state; every way out ends in End, which stores them.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "framework/bitmap_button.h"
#include "framework/dialog.h"
#include "framework/tool_tip.h"
#include "framework/unique_handle.h"
#include "net/web_download.h"
#include "scan/scan_engine.h"
#include "scan/scan_schedule.h"
#include "scan/win32_desktop.h"
#include "scan/window_scan_host.h"
#include "titles/title_list.h"

namespace blenker {

class VWinApp;
class CSkinMenu;

// The notification icon's messages and commands.
inline constexpr UINT WM_TRAY_NOTIFY = 5001;   // the icon's callback; lParam: the mouse message
inline constexpr UINT WM_TRAY_LBUTTON = 5002;  // a left press on the icon
inline constexpr UINT WM_TRAY_RBUTTON = 5003;  // a right press on the icon
inline constexpr UINT WM_TRAY_OTHER = 5004;    // any other mouse message on the icon
inline constexpr int WM_BLENK_RESTORE = 1027;  // command: show the window
inline constexpr int ID_TRAY_ENABLED = 1025;   // command: switch scanning
inline constexpr int ID_TRAY_MINIMIZE = 1026;  // command: hide the window
inline constexpr UINT kTrayIconId = 102;

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
    const ScanSchedule& Schedule() const { return m_schedule; }
    const ToolTip& ToolTips() const { return m_toolTip; }

    // The notification icon: 1 adds it, 2 deletes it, any other action changes its tip (cut
    // to 63 characters).
    void SetTrayIcon(int action, const std::string& tip);

    std::string m_strTitle;
    int m_bHidden;
    int m_bInSettings = 0;
    int m_bDragging = 0;

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
    void Hide();
    void OnIconTrayLButtonDown();
    void OnIconTrayRButtonDown();
    // The target drag.
    void OnLButtonDown(POINT at);
    void OnLButtonUp(POINT at);
    void EndDrag();
    // The release check: the request at start-up, and its reply.
    void StartReleaseCheck();
    void OnReleaseReply();

    // The schedule's host: timer 1 comes from WindowScanHost; the caption is also the tip.
    void SetCaption(const std::string& caption) override;
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
    CSkinMenu* m_trackedMenu = nullptr;       // the tray menu while it is open
    std::unique_ptr<CWebDownload> m_pUpdate;  // the release check while it is pending
};

}  // namespace blenker
