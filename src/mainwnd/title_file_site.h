// What the title file keeper needs of the system: the program's texts, the step that moves the
// freshly written file over the old one, and the two boxes that tell the user about the file.
#pragma once

#include <string>

namespace blenker {

class TitleFileSite {
  public:
    virtual ~TitleFileSite() = default;

    // The program's string of that id in the current language.
    virtual std::string Text(int id) const = 0;
    // Moves the file "from" over "to" in one step; false when the system refused.
    virtual bool Replace(const std::string& from, const std::string& to) const = 0;
    // The box that says the file is created: it waits until the user closed it.
    virtual void TellCreated(const std::string& message) const = 0;
    // The box that says the file could not be written: it waits until the user closed it.
    virtual void TellSaveFailed(const std::string& message) const = 0;
};

}  // namespace blenker
