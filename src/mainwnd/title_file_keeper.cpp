#include "mainwnd/title_file_keeper.h"

#include <string>

#include "app/text_format.h"
#include "app/win_app.h"
#include "resource.h"
#include "titles/builtin_titles.h"
#include "ui/message_dlg.h"

namespace blenker {

namespace {

// Replaces the file by the freshly written one in one step. A title file that the user made
// read-only is not replaced (Windows refuses that move; some systems would not).
bool ReplaceByMove(const std::string& from, const std::string& to) {
    const DWORD attributes = ::GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    return ::MoveFileExA(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

void CTitleFileKeeper::Load(TitleList& titles, HWND owner) const {
    const std::string name = LoadResString(IDS_TITLE_FILE);
    if (LoadTitleFile(name, titles, m_open)) {
        return;
    }
    CMessageDlg message(owner);
    message.m_strMessage = FillFormat(LoadResString(IDS_FILE_CREATED), {name, name});
    message.DoModal();
    for (const char* title : kBuiltinTitles) {
        titles.Insert(title);
    }
}

bool CTitleFileKeeper::Save(const TitleList& titles, HWND owner) const {
    const std::string name = LoadResString(IDS_TITLE_FILE);
    if (SaveTitleFile(name, titles, &ReplaceByMove)) {
        return true;
    }
    const std::string text = FillFormat("The file '%s' couldn't been updated !", {name});
    ::MessageBoxA(owner, text.c_str(), "The Blenker", MB_ICONSTOP | MB_OK);
    return false;
}

}  // namespace blenker
