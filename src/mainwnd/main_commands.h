// The main window's commands as the program decides them: the title list's and the scan
// switch's first, then hiding and showing the window (and whether it is hidden), its ends, the
// settings sheet with the close counters carried there and back, and the help. Every way out,
// the session's end too, ends in End, which reads the controls, stores the scan state and the
// title file and removes the icon, once.
#pragma once

#include "mainwnd/main_dialog_site.h"
#include "mainwnd/scan_switch.h"
#include "mainwnd/title_list_editor.h"

namespace blenker {

// The dialog's OK and Cancel commands (IDOK, IDCANCEL).
inline constexpr int kOkCommand = 1;
inline constexpr int kCancelCommand = 2;

class MainCommands {
  public:
    MainCommands(MainDialogSite& site, TitleListEditor& titles, ScanSwitch& scan, bool hidden)
        : m_site(site), m_titles(titles), m_scan(scan), m_bHidden(hidden ? 1 : 0) {}
    MainCommands(const MainCommands&) = delete;
    MainCommands& operator=(const MainCommands&) = delete;

    void OnCommand(int id, int notifyCode);
    // Shows the window or hides it in the notification area.
    void Show(bool shown);
    // Members into the controls (false) or back (true).
    void UpdateData(bool fromControls);
    // Reads the controls, stores the scan state, saves the title file and removes the icon; only
    // the first call does anything (the Exit command ends here before the window goes, its
    // destruction again).
    void End();
    // WM_ENDSESSION: when the session ends, the end runs now, whatever window is open (the
    // settings sheet stores nothing then, as with Cancel); otherwise nothing changes.
    void OnEndSession(bool sessionEnds);

    // 1 while the window is hidden in the notification area.
    const int& Hidden() const { return m_bHidden; }

  private:
    void OpenSettings();

    MainDialogSite& m_site;
    TitleListEditor& m_titles;
    ScanSwitch& m_scan;
    int m_bHidden;
    bool m_ended = false;
};

}  // namespace blenker
