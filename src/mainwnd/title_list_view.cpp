#include "mainwnd/title_list_view.h"

#include "framework/window.h"
#include "resource.h"
#include "titles/system_order.h"

namespace blenker {

static_assert(kListSelectionChanged == LBN_SELCHANGE);

// In the order of a sorted list box, which the list box shows and the file keeps.
CTitleListView::CTitleListView(OpenBytesFn openTitleFile)
    : m_file(std::move(openTitleFile), m_site),
      m_editor({&CompareSystemNoCase, &SystemSortKey}, *this, m_file) {}

void CTitleListView::Attach(HWND dialog) {
    m_dialog = dialog;
    m_site.Attach(dialog);
}

void CTitleListView::InsertEntry(std::size_t index, const std::string& title) {
    Box().InsertString(static_cast<int>(index), title);
}

void CTitleListView::DeleteEntry(std::size_t index) {
    Box().DeleteString(static_cast<int>(index));
}

void CTitleListView::ShowEntries(const std::vector<std::string>& titles) {
    // In one go: the room for every entry taken at once, and no drawing until the end.
    const ListBox box = Box();
    const NoRedraw frozen(box.Hwnd());
    std::size_t bytes = 0;
    for (const std::string& title : titles) {
        bytes += title.size() + 1;
    }
    box.ResetContent();
    box.InitStorage(titles.size(), bytes);
    for (const std::string& title : titles) {
        box.AddString(title);
    }
}

std::vector<std::size_t> CTitleListView::SelectedEntries() const {
    const std::vector<int> selected = Box().GetSelItems();
    return std::vector<std::size_t>(selected.begin(), selected.end());
}

std::optional<std::size_t> CTitleListView::CurrentEntry() const {
    const int index = Box().GetCurSel();
    if (index == LB_ERR) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(index);
}

std::string CTitleListView::FieldText() const {
    return WholeWindowText(::GetDlgItem(m_dialog, IDC_TITLE_EDIT));
}

void CTitleListView::SetFieldText(const std::string& text) {
    ::SetDlgItemTextA(m_dialog, IDC_TITLE_EDIT, text.c_str());
}

ListBox CTitleListView::Box() const {
    return ListBox(::GetDlgItem(m_dialog, IDC_TITLE_LIST));
}

}  // namespace blenker
