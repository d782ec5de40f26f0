// What the settings sheet and its pages need of the program's main window, so that they depend
// on this small interface and not on the main dialog itself.
#pragma once

#include <string>

namespace blenker {

class MainWindow {
  public:
    // Trims the title and adds it to the list; false when it is refused (empty, already in the
    // list, the program's own name).
    virtual bool AddTitle(std::string title) = 0;
    // Whether this title is in the list, under the list's case rule.
    virtual bool TitleExists(const std::string& title) const = 0;
    // Sets its texts again in the current language.
    virtual void UpdateTexts() = 0;
    // Reads the matching and sound options again from the settings store.
    virtual void LoadOptions() = 0;

  protected:
    ~MainWindow() = default;
};

}  // namespace blenker
