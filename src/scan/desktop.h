// What the scan pass needs of the desktop: its top-level windows in Z order, their titles and
// client sizes, the close request, and the sound.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace blenker {

using WindowRef = std::uintptr_t;  // an HWND on Windows

struct ClientSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // Calls visit for each top-level window, top of the Z order first, hidden and owned windows
    // included, until visit returns false.
    virtual void EnumTopLevel(const std::function<bool(WindowRef)>& visit) = 0;
    // The window's title; empty when it cannot be read.
    virtual std::string Title(WindowRef window) = 0;
    virtual ClientSize ClientArea(WindowRef window) = 0;
    // Asks the window to close as its system menu's Close item would; returns the window's
    // answer (0 when it did not answer in time).
    virtual std::uintptr_t RequestClose(WindowRef window) = 0;
    // Starts playing a wave file and returns at once.
    virtual void PlayWave(const std::string& path) = 0;
};

}  // namespace blenker
