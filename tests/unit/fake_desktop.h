// A desktop of made-up windows for the scan pass, top of the Z order first.
#pragma once

#include <string>
#include <vector>

#include "scan/desktop.h"

namespace blenker {

struct FakeWindow {
    std::string title;
    ClientSize size{100, 100};
    std::string className = "Popup";
    bool ignoresClose = false;                      // stays after a close request it took
    CloseRequest answer = CloseRequest::Delivered;  // how its close requests end
    bool open = true;
    int closeRequests = 0;
    int titleReads = 0;
};

class FakeDesktop : public Desktop {
  public:
    FakeWindow& Add(std::string title, ClientSize size = {100, 100}) {
        windows.push_back(FakeWindow{std::move(title), size});
        return windows.back();
    }

    void EnumTopLevel(const std::function<bool(WindowRef)>& visit) override {
        ++passes;
        for (WindowRef i = 0; i < windows.size(); ++i) {
            if (windows[i].open && !visit(i)) {
                return;
            }
        }
    }
    std::string Title(WindowRef window) override {
        ++windows[window].titleReads;
        return windows[window].open ? windows[window].title : "";
    }
    std::string ClassName(WindowRef window) override { return windows[window].className; }
    ClientSize ClientArea(WindowRef window) override { return windows[window].size; }
    CloseRequest RequestClose(WindowRef window) override {
        FakeWindow& target = windows[window];
        ++target.closeRequests;
        target.open = target.ignoresClose || target.answer != CloseRequest::Delivered;
        return target.answer;
    }
    void PlayWave(const std::string& path) override { sounds.push_back(path); }

    std::vector<bool> OpenStates() const {
        std::vector<bool> states;
        for (const FakeWindow& w : windows) {
            states.push_back(w.open);
        }
        return states;
    }

    std::vector<FakeWindow> windows;
    std::vector<std::string> sounds;
    int passes = 0;
};

}  // namespace blenker
