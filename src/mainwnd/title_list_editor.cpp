#include "mainwnd/title_list_editor.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "resource.h"

namespace blenker {

void TitleListEditor::Load() {
    m_file.Load(m_titles);
    m_controls.ShowEntries(m_titles.Titles());
}

bool TitleListEditor::Add(const std::string& title) {
    const auto index = m_titles.AddTitle(title);
    if (!index) {
        return false;
    }
    m_controls.InsertEntry(*index, m_titles[*index]);
    if (!m_savesHeld) {
        Save();
    }
    return true;
}

bool TitleListEditor::OnCommand(int id, int notifyCode) {
    switch (id) {
        case IDC_ADD:
            OnAdd();
            return true;
        case IDC_REMOVE:
            RemoveSelected();
            return true;
        case IDC_TITLE_LIST:
            if (notifyCode == kListSelectionChanged) {
                OnSelChange();
            }
            return true;
        default:
            return false;
    }
}

void TitleListEditor::UpdateField(bool fromControl) {
    if (fromControl) {
        m_strTitle = m_controls.FieldText();
    } else {
        m_controls.SetFieldText(m_strTitle);
    }
}

void TitleListEditor::OnAdd() {
    UpdateField(true);
    if (Add(m_strTitle)) {
        m_strTitle.clear();
        UpdateField(false);
    }
}

void TitleListEditor::RemoveSelected() {
    std::vector<std::size_t> selected = m_controls.SelectedEntries();
    // From the highest index down, so that each index still names the entry it was read for.
    std::sort(selected.begin(), selected.end(), std::greater<>());
    for (std::size_t index : selected) {
        m_controls.DeleteEntry(index);
    }
    const bool removed = !selected.empty();
    m_titles.RemoveSelected(std::move(selected));
    // At once, as an addition: a removal must survive an end that is not the program's own.
    if (removed && !m_savesHeld) {
        Save();
    }
}

void TitleListEditor::OnSelChange() {
    const auto index = m_controls.CurrentEntry();
    if (!index || *index >= m_titles.Size()) {
        return;
    }
    m_strTitle = m_titles[*index];
    UpdateField(false);
}

}  // namespace blenker
