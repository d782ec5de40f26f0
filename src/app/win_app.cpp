#include "app/win_app.h"

#include <vector>

#include "store/app_paths.h"
#include "app/text_format.h"
#include "store/settings.h"
#include "resource.h"
#include "site_config.h"

namespace blenker {

namespace {

VWinApp* g_app = nullptr;

}  // namespace

std::string LoadResString(int id) {
    // LoadString with a zero length hands out a pointer to the resource text itself (UTF-16);
    // the ANSI text is then read into a buffer of that length.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleA(nullptr), static_cast<UINT>(id),
                                     reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) * 2 + 1);
    const int copied = ::LoadStringA(::GetModuleHandleA(nullptr), static_cast<UINT>(id),
                                     buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

VWinApp::VWinApp() {
    g_app = this;
}

VWinApp::~VWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

VWinApp& TheApp() {
    return *g_app;
}

bool VWinApp::InitInstance() {
    m_strVersion = LoadResString(IDS_VERSION);
    m_strExePath = WithExeExtension(ExecutablePath());
    m_strExeDir = DirectoryOf(m_strExePath);
    m_store = std::make_unique<RegistryProfileStore>(RegistryProfileStore::ForThisExecutable());
    m_nPrevRelease = ReadInt(*m_store, Setting::Version);
    m_nRelease = ParseDecimal(LoadResString(IDS_RELEASE));
    WriteInt(*m_store, Setting::Version, m_nRelease);
    m_strMail = BLENKER_MAIL;
    m_strWebSite = BLENKER_WEB_SITE;
    m_nLanguage = ReadInt(*m_store, Setting::Language);
    SetLanguage(m_nLanguage);
    return false;
}

std::string VWinApp::LoadLangString(int id) const {
    return LoadResString(m_nLanguage != 0 ? id + IDS_FRENCH_OFFSET : id);
}

void VWinApp::SetLanguage(int language) {
    m_nLanguage = language;
    WriteInt(*m_store, Setting::Language, language);
}

void VWinApp::ToggleLanguage() {
    SetLanguage(m_nLanguage == 0 ? 1 : 0);
}

void AppMessageBox(HWND owner, const std::string& text) {
    const std::string& exePath = TheApp().m_strExePath;
    const std::string name = ExecutableBaseName(exePath.empty() ? ExecutablePath() : exePath);
    ::MessageBoxA(owner, text.c_str(), name.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace blenker
