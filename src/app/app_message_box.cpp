#include "app/app_message_box.h"

#include "app/win_app.h"
#include "framework/text.h"
#include "store/app_paths.h"
#include "store/executable_path.h"

namespace blenker {

void AppMessageBox(HWND owner, const std::string& text) {
    const std::string& exePath = TheApp().m_strExePath;
    const std::string name = ExecutableBaseName(exePath.empty() ? ExecutablePath() : exePath);
    ::MessageBoxW(owner, ToUtf16(text).c_str(), ToUtf16(name).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace blenker
