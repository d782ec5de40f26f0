#include "mainwnd/title_list_view.h"

#include <algorithm>
#include <vector>

#include "framework/controls.h"
#include "framework/window.h"
#include "resource.h"

namespace blenker {

void CTitleListView::Load() {
    m_file.Load(m_titles, m_dialog);
    FillListBox();
}

bool CTitleListView::Add(std::string title) {
    const auto index = m_titles.AddTitle(title);
    if (!index) {
        return false;
    }
    Box().InsertString(static_cast<int>(*index), m_titles[*index]);
    if (!m_savesHeld) {
        Save();
    }
    return true;
}

bool CTitleListView::OnCommand(int id, int notifyCode) {
    switch (id) {
        case IDC_ADD:
            OnAdd();
            return true;
        case IDC_REMOVE:
            RemoveSelected();
            return true;
        case IDC_TITLE_LIST:
            if (notifyCode == LBN_SELCHANGE) {
                OnSelChange();
            }
            return true;
        default:
            return false;
    }
}

void CTitleListView::UpdateField(bool fromControl) {
    if (fromControl) {
        m_strTitle = WholeWindowText(::GetDlgItem(m_dialog, IDC_TITLE_EDIT));
    } else {
        ::SetDlgItemTextA(m_dialog, IDC_TITLE_EDIT, m_strTitle.c_str());
    }
}

void CTitleListView::OnAdd() {
    UpdateField(true);
    if (Add(m_strTitle)) {
        m_strTitle.clear();
        UpdateField(false);
    }
}

void CTitleListView::RemoveSelected() {
    std::vector<int> selected = Box().GetSelItems();
    // From the highest index down, so that each index still names the entry it was read for.
    std::sort(selected.rbegin(), selected.rend());
    for (int index : selected) {
        Box().DeleteString(index);
    }
    m_titles.RemoveSelected(std::vector<std::size_t>(selected.begin(), selected.end()));
}

void CTitleListView::OnSelChange() {
    const int index = Box().GetCurSel();
    if (index == LB_ERR || static_cast<std::size_t>(index) >= m_titles.Size()) {
        return;
    }
    m_strTitle = m_titles[static_cast<std::size_t>(index)];
    UpdateField(false);
}

void CTitleListView::FillListBox() {
    // In one go: the room for every entry taken at once, and no drawing until the end.
    const ListBox box = Box();
    const NoRedraw frozen(box.Hwnd());
    std::size_t bytes = 0;
    for (const std::string& title : m_titles.Titles()) {
        bytes += title.size() + 1;
    }
    box.ResetContent();
    box.InitStorage(m_titles.Size(), bytes);
    for (const std::string& title : m_titles.Titles()) {
        box.AddString(title);
    }
}

ListBox CTitleListView::Box() const {
    return ListBox(::GetDlgItem(m_dialog, IDC_TITLE_LIST));
}

}  // namespace blenker
