// The title file "Blenked.txt" as the main window keeps it: loaded at the start, where a file
// that cannot be read is announced and the built-in titles come in; saved to a temporary file
// and moved over the file in one step, where a failure is said in a box.
#pragma once

#include <utility>

#include "framework/win32.h"
#include "titles/title_file.h"
#include "titles/title_list.h"

namespace blenker {

class CTitleFileKeeper {
  public:
    // The file is read through "open" (the file on disk unless a test says otherwise).
    explicit CTitleFileKeeper(OpenBytesFn open) : m_open(std::move(open)) {}

    // Replaces the list by the file's titles; when the file cannot be read whole, tells the
    // user that it is created (a window owned by "owner") and adds the built-in titles.
    void Load(TitleList& titles, HWND owner) const;
    // Writes the list to the file; false, after a box owned by "owner" said so, on failure.
    bool Save(const TitleList& titles, HWND owner) const;

  private:
    OpenBytesFn m_open;
};

}  // namespace blenker
