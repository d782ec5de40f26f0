#include "mainwnd/win32_title_file_site.h"

#include "app/win_app.h"
#include "ui/message_dlg.h"

namespace blenker {

std::string Win32TitleFileSite::Text(int id) const {
    return LoadResString(id);
}

// A title file that the user made read-only is not replaced (Windows refuses that move; some
// systems would not).
bool Win32TitleFileSite::Replace(const std::string& from, const std::string& to) const {
    const DWORD attributes = ::GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    return ::MoveFileExA(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void Win32TitleFileSite::TellCreated(const std::string& message) const {
    CMessageDlg box(m_owner);
    box.m_strMessage = message;
    box.DoModal();
}

void Win32TitleFileSite::TellSaveFailed(const std::string& message) const {
    ::MessageBoxA(m_owner, message.c_str(), "The Blenker", MB_ICONSTOP | MB_OK);
}

}  // namespace blenker
