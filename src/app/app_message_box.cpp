#include "app/app_message_box.h"

#include "app/win_app.h"
#include "store/app_paths.h"
#include "store/executable_path.h"

namespace blenker {

void AppMessageBox(HWND owner, const std::string& text) {
    const std::string& exePath = TheApp().m_strExePath;
    const std::string name = ExecutableBaseName(exePath.empty() ? ExecutablePath() : exePath);
    ::MessageBoxA(owner, text.c_str(), name.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace blenker
