#include "mainwnd/title_list_view.h"

#include <algorithm>
#include <vector>

#include "framework/window.h"
#include "resource.h"

namespace blenker {

void CTitleListView::Load(HWND dialog) {
    m_dialog = dialog;
    m_file.Load(m_titles, dialog);
    FillListBox();
}

bool CTitleListView::Add(std::string title) {
    const auto index = m_titles.AddTitle(title);
    if (!index) {
        return false;
    }
    ::SendMessageA(ListBox(), LB_INSERTSTRING, *index,
                   reinterpret_cast<LPARAM>(m_titles[*index].c_str()));
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
    const auto count = ::SendMessageA(ListBox(), LB_GETSELCOUNT, 0, 0);
    if (count <= 0) {
        return;
    }
    std::vector<int> selected(static_cast<std::size_t>(count));
    ::SendMessageA(ListBox(), LB_GETSELITEMS, selected.size(),
                   reinterpret_cast<LPARAM>(selected.data()));
    // From the highest index down, so that each index still names the entry it was read for.
    std::sort(selected.rbegin(), selected.rend());
    for (int index : selected) {
        ::SendMessageA(ListBox(), LB_DELETESTRING, index, 0);
    }
    m_titles.RemoveSelected(std::vector<std::size_t>(selected.begin(), selected.end()));
}

void CTitleListView::OnSelChange() {
    const auto index = ::SendMessageA(ListBox(), LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || static_cast<std::size_t>(index) >= m_titles.Size()) {
        return;
    }
    m_strTitle = m_titles[static_cast<std::size_t>(index)];
    UpdateField(false);
}

void CTitleListView::FillListBox() {
    // In one go: the room for every entry taken at once, and no drawing until the end.
    const HWND list = ListBox();
    std::size_t bytes = 0;
    for (const std::string& title : m_titles.Titles()) {
        bytes += title.size() + 1;
    }
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    ::SendMessageA(list, LB_INITSTORAGE, m_titles.Size(), static_cast<LPARAM>(bytes));
    for (const std::string& title : m_titles.Titles()) {
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

HWND CTitleListView::ListBox() const {
    return ::GetDlgItem(m_dialog, IDC_TITLE_LIST);
}

}  // namespace blenker
