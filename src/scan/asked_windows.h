// The windows a close request was sent to, each with the title it had then. A window that is
// still there with that title has had its answer: it is not asked, counted or sounded again,
// and the pass goes past it to the windows behind it. A window renamed since may be asked again.
// The memory forgets the windows that are gone or renamed at each pass, and keeps at most
// kCapacity windows (the one asked longest ago goes first).
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "scan/desktop.h"

namespace blenker {

class AskedWindows {
  public:
    static constexpr std::size_t kCapacity = 64;

    // Whether the window was asked under this title.
    bool Asked(WindowRef window, std::string_view title) const;
    // The window was asked under this title.
    void Remember(WindowRef window, std::string title);
    // Forgets each window whose title, as "titleOf" reads it now, is not the one it was asked
    // under; a window that is gone reads as untitled.
    void ForgetChanged(const std::function<std::string(WindowRef)>& titleOf);
    std::size_t Size() const { return m_asked.size(); }

  private:
    std::deque<std::pair<WindowRef, std::string>> m_asked;  // the longest ago first
};

}  // namespace blenker
