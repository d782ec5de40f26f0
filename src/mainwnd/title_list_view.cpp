#include "mainwnd/title_list_view.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "app/text_format.h"
#include "app/win_app.h"
#include "framework/dialog.h"
#include "framework/text.h"
#include "resource.h"
#include "titles/builtin_titles.h"
#include "titles/system_code_page.h"
#include "titles/system_order.h"
#include "ui/message_dlg.h"

namespace blenker {

namespace {

// A title file that the user made read-only is not replaced (Windows refuses that move; some
// systems would not).
bool ReplaceFile(const std::string& from, const std::string& to) {
    const DWORD attributes = ::GetFileAttributesW(ToUtf16(to).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    return ::MoveFileExW(ToUtf16(from).c_str(), ToUtf16(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

// In the order of a sorted list box, which the list box shows and the file keeps.
CTitleListView::CTitleListView(const Dialog& dialog, OpenBytesFn openTitleFile)
    : m_dialog(dialog),
      m_open(std::move(openTitleFile)),
      m_titles({&CompareSystemNoCase, &SystemSortKey}) {}

void CTitleListView::Load() {
    const std::string name = LoadResString(IDS_TITLE_FILE);
    if (!LoadTitleFile(name, m_titles, SystemCodePage(), m_open)) {
        for (const char* title : kBuiltinTitles) {
            m_titles.Insert(title);
        }
        // A first start writes the file before it says so. A file that is there but could not
        // be read whole is left as it is until the next change.
        const bool missing = ::GetFileAttributesW(ToUtf16(name).c_str()) == INVALID_FILE_ATTRIBUTES;
        if (!missing || Save()) {
            CMessageDlg box(m_dialog.Hwnd());
            box.m_strMessage = FillFormat(LoadResString(IDS_FILE_CREATED), {name, name});
            box.DoModal();
        }
    }
    // Into the list box in one go: the room for every entry taken at once, no drawing until
    // the end.
    const ListBox box = m_dialog.List(IDC_TITLE_LIST);
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

bool CTitleListView::Save() const {
    const std::string name = LoadResString(IDS_TITLE_FILE);
    if (SaveTitleFile(name, m_titles, SystemCodePage(), &ReplaceFile)) {
        return true;
    }
    const std::string message = FillFormat("The file '%s' couldn't been updated !", {name});
    ::MessageBoxW(m_dialog.Hwnd(), ToUtf16(message).c_str(), L"The Blenker", MB_ICONSTOP | MB_OK);
    return false;
}

void CTitleListView::SaveUnlessHeld() const {
    if (!m_savesHeld) {
        Save();
    }
}

bool CTitleListView::AddTitle(const std::string& title) {
    const auto index = m_titles.AddTitle(title);
    if (!index) {
        return false;
    }
    m_dialog.List(IDC_TITLE_LIST).InsertString(static_cast<int>(*index), m_titles[*index]);
    SaveUnlessHeld();
    return true;
}

void CTitleListView::RemoveSelectedTitles() {
    const ListBox box = m_dialog.List(IDC_TITLE_LIST);
    const std::vector<int> selected = box.GetSelItems();
    if (selected.empty()) {
        return;
    }
    // From the highest index down, so that each index still names the entry it was read for.
    std::for_each(selected.rbegin(), selected.rend(), [&](int index) { box.DeleteString(index); });
    m_titles.RemoveSelected(std::vector<std::size_t>(selected.begin(), selected.end()));
    // At once, as an addition: a removal must survive an end that is not the program's own.
    SaveUnlessHeld();
}

std::optional<std::string> CTitleListView::CurrentTitle() const {
    const int index = m_dialog.List(IDC_TITLE_LIST).GetCurSel();
    if (index < 0 || static_cast<std::size_t>(index) >= m_titles.Size()) {
        return std::nullopt;
    }
    return m_titles[static_cast<std::size_t>(index)];
}

}  // namespace blenker
