// The main window's title list with its file: the list in the system's order, the list box that
// shows it in that order, and "Blenked.txt", loaded at the start and written at once after every
// accepted title and every removal, unless saves are held (while the settings sheet is open).
// A file that cannot be read is announced and the built-in titles come in; a save is written to
// a temporary file and moved over the file in one step, and a failure is said in a box.
#pragma once

#include <string>

#include "titles/title_file.h"
#include "titles/title_list.h"

namespace blenker {

class Dialog;

class CTitleListView {
  public:
    // The list box is the dialog's IDC_TITLE_LIST; the file is read through "openTitleFile"
    // (the file on disk unless a test says otherwise).
    CTitleListView(const Dialog& dialog, OpenBytesFn openTitleFile);
    CTitleListView(const CTitleListView&) = delete;
    CTitleListView& operator=(const CTitleListView&) = delete;

    // Replaces the list by the file's titles and shows them.
    void Load();
    // Writes the list to the file; false, after a box said so, on failure.
    bool Save() const;
    // While held, a change is not saved at once: the holder saves at the end.
    void HoldSaves(bool hold) { m_savesHeld = hold; }

    // Trims the title and adds it at the list's place for it, in the list box too; false when
    // refused (empty, already listed, the program's own name).
    bool AddTitle(const std::string& title);
    // Takes the entries selected in the list box out of both.
    void RemoveSelectedTitles();
    // The entry the list box's selection last moved to; nothing when there is none.
    std::optional<std::string> CurrentTitle() const;

    TitleList& List() { return m_titles; }
    const TitleList& List() const { return m_titles; }

  private:
    void SaveUnlessHeld() const;

    const Dialog& m_dialog;
    OpenBytesFn m_open;
    TitleList m_titles;
    bool m_savesHeld = false;
};

}  // namespace blenker
