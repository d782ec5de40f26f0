// The title file "Blenked.txt" as the main window keeps it: loaded at the start, where a file
// that cannot be read is announced and the built-in titles come in; saved to a temporary file
// and moved over the file in one step, where a failure is said in a box naming the file.
#pragma once

#include <utility>

#include "mainwnd/title_file_site.h"
#include "titles/title_file.h"
#include "titles/title_list.h"

namespace blenker {

class TitleFileKeeper {
  public:
    // The file is read through "open" (the file on disk unless a test says otherwise); the
    // texts, the replacing and the boxes come from the site.
    TitleFileKeeper(OpenBytesFn open, const TitleFileSite& site)
        : m_open(std::move(open)), m_site(site) {}

    // Replaces the list by the file's titles; when the file cannot be read whole, tells the
    // user that it is created and adds the built-in titles.
    void Load(TitleList& titles) const;
    // Writes the list to the file; false, after a box said so, on failure.
    bool Save(const TitleList& titles) const;

  private:
    OpenBytesFn m_open;
    const TitleFileSite& m_site;
};

}  // namespace blenker
