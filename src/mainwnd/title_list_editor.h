// The main window's titles as the program decides them: what the add and remove buttons and the
// list box's selection do to the title list, the list box and the title field, and when the
// title file is written. Every accepted title and every removal reaches the file at once,
// unless saves are held (while the settings sheet is open).
#pragma once

#include <string>

#include "mainwnd/title_file_keeper.h"
#include "mainwnd/title_list_controls.h"
#include "titles/title_list.h"

namespace blenker {

// The list box's notification that its selection changed (LBN_SELCHANGE).
inline constexpr int kListSelectionChanged = 1;

class TitleListEditor {
  public:
    // The list keeps "order", which the list box shows and the file keeps.
    TitleListEditor(TitleOrder order, TitleListControls& controls, const TitleFileKeeper& file)
        : m_titles(order), m_controls(controls), m_file(file) {}
    TitleListEditor(const TitleListEditor&) = delete;
    TitleListEditor& operator=(const TitleListEditor&) = delete;

    // Loads the title file into the list and the list box.
    void Load();
    bool Save() const { return m_file.Save(m_titles); }
    // While held, an accepted title is not saved at once: the holder saves at the end.
    void HoldSaves(bool hold) { m_savesHeld = hold; }

    // Trims the title and adds it at the list's place for it; false when refused.
    bool Add(const std::string& title);
    // IDC_ADD, IDC_REMOVE and the list box's selection; false for any other command.
    bool OnCommand(int id, int notifyCode);
    // The title field into its member (true) or back (false).
    void UpdateField(bool fromControl);

    TitleList& List() { return m_titles; }
    const TitleList& List() const { return m_titles; }

  private:
    void OnAdd();
    void RemoveSelected();
    void OnSelChange();

    TitleList m_titles;
    TitleListControls& m_controls;
    const TitleFileKeeper& m_file;
    std::string m_strTitle;  // the title field's text, as last read or to be shown
    bool m_savesHeld = false;
};

}  // namespace blenker
