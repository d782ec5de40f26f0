// What the scan pass needs of the desktop: its top-level windows in Z order, their titles, class
// names and client sizes, the close request and how it ended, and the sound.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace blenker {

using WindowRef = std::uintptr_t;  // an HWND on Windows

// How a close request ended.
enum class CloseRequest {
    Delivered,  // the window took it (it may still stay: refuse, ask a question, close slowly)
    TimedOut,   // the window did not answer in time: it is hung or busy
    Refused,    // the system did not deliver it (a window of an elevated program, a window gone)
};

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
    // The name of the window's class; empty when it cannot be read.
    virtual std::string ClassName(WindowRef window) = 0;
    virtual ClientSize ClientArea(WindowRef window) = 0;
    // Asks the window to close as its system menu's Close item would.
    virtual CloseRequest RequestClose(WindowRef window) = 0;
    // Starts playing a wave file and returns at once.
    virtual void PlayWave(const std::string& path) = 0;
};

}  // namespace blenker
