// Whether the program's icon belongs in the notification area, and with which tip, as the
// program last told the shell. A restarted shell knows no icon of anyone: it announces itself
// ("TaskbarCreated"), and the icon goes back with the tip it had, unless it was taken out.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mainwnd/tray_notice.h"

namespace blenker {

class TrayPresence {
  public:
    // What the shell was told: an addition (made or not: a shell that was not there yet
    // announces itself later), a new tip, or the removal.
    void Told(TrayAction action, std::string_view tip);
    // After the shell restarted: the tip to add the icon with again, nothing when it is out.
    std::optional<std::string> AfterShellRestart() const;

  private:
    bool m_wanted = false;
    std::string m_tip;
};

}  // namespace blenker
