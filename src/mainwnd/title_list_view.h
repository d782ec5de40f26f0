// The main window's titles on the screen: the list box that shows the title list in its order
// and the title field, for the editor that decides what the add and remove buttons and the
// selection do; the title file's boxes are owned by the main window.
#pragma once

#include <string>
#include <utility>

#include "framework/controls.h"
#include "framework/win32.h"
#include "mainwnd/title_list_editor.h"
#include "mainwnd/win32_title_file_site.h"

namespace blenker {

class CTitleListView : private TitleListControls {
  public:
    explicit CTitleListView(OpenBytesFn openTitleFile);
    CTitleListView(const CTitleListView&) = delete;
    CTitleListView& operator=(const CTitleListView&) = delete;

    // The dialog whose list box, field and buttons these are, once they exist.
    void Attach(HWND dialog);
    void Load() { m_editor.Load(); }
    bool Add(const std::string& title) { return m_editor.Add(title); }
    // What the add and remove buttons, the selection and the saves do.
    TitleListEditor& Editor() { return m_editor; }

    TitleList& List() { return m_editor.List(); }
    const TitleList& List() const { return m_editor.List(); }

  private:
    void InsertEntry(std::size_t index, const std::string& title) override;
    void DeleteEntry(std::size_t index) override;
    void ShowEntries(const std::vector<std::string>& titles) override;
    std::vector<std::size_t> SelectedEntries() const override;
    std::optional<std::size_t> CurrentEntry() const override;
    std::string FieldText() const override;
    void SetFieldText(const std::string& text) override;
    ListBox Box() const;

    Win32TitleFileSite m_site;
    TitleFileKeeper m_file;
    TitleListEditor m_editor;
    HWND m_dialog = nullptr;
};

}  // namespace blenker
