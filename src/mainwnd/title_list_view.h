// The main window's titles: the list box that shows the title list in its order, the title
// field, and the add and remove buttons. Every accepted title reaches the title file at once,
// unless saves are held (while the settings sheet is open); removing writes no file by itself.
#pragma once

#include <string>
#include <utility>

#include "framework/controls.h"
#include "framework/win32.h"
#include "mainwnd/title_file_keeper.h"
#include "titles/system_order.h"
#include "titles/title_list.h"

namespace blenker {

class CTitleListView {
  public:
    explicit CTitleListView(OpenBytesFn openTitleFile) : m_file(std::move(openTitleFile)) {}
    CTitleListView(const CTitleListView&) = delete;
    CTitleListView& operator=(const CTitleListView&) = delete;

    // The dialog whose list box, field and buttons these are, once they exist.
    void Attach(HWND dialog) { m_dialog = dialog; }
    // Loads the title file into the list and the list box.
    void Load();
    // Saves the title file.
    void Save() const { m_file.Save(m_titles, m_dialog); }
    // While held, an accepted title is not saved at once: the holder saves at the end.
    void HoldSaves(bool hold) { m_savesHeld = hold; }

    // Trims the title and adds it at the list's place for it; false when refused.
    bool Add(std::string title);
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
    void FillListBox();
    ListBox Box() const;

    // In the order of a sorted list box, which the list box shows and the file keeps.
    TitleList m_titles{{&CompareSystemNoCase, &SystemSortKey}};
    CTitleFileKeeper m_file;
    HWND m_dialog = nullptr;
    std::string m_strTitle;  // the title field's text, as last read or to be shown
    bool m_savesHeld = false;
};

}  // namespace blenker
