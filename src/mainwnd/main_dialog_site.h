// What the main window's commands need of the window itself: showing and hiding it, its end and
// its icon's, and the windows it opens.
#pragma once

#include <optional>

namespace blenker {

// The close counters that the settings sheet shows and may reset.
struct CloseCounters {
    int total = 0;
    int run = 0;
};

class MainDialogSite {
  public:
    virtual ~MainDialogSite() = default;

    virtual void ShowMainWindow(bool shown) = 0;
    // Ends the window's modal loop with this result.
    virtual void CloseMainWindow(int result) = 0;
    virtual void OpenHelp() = 0;
    // Runs the settings sheet, which shows these counters; the counters as the sheet left
    // them when it ended with OK, nothing after any other end.
    virtual std::optional<CloseCounters> RunSettings(CloseCounters counters) = 0;
    // Paints the whole window again (the colours may have changed).
    virtual void Repaint() = 0;
    // Takes the icon out of the notification area, for good.
    virtual void RemoveTrayIcon() = 0;
};

}  // namespace blenker
