#include "app/win_app.h"

#include <memory>
#include <string_view>

#include "framework/text.h"
#include "framework/win32.h"
#include "resource.h"
#include "site_config.h"
#include "store/executable_path.h"
#include "store/registry_profile_store.h"

namespace blenker {

namespace {

VWinApp* g_app = nullptr;

}  // namespace

std::string LoadResString(int id) {
    // LoadStringW with a zero length hands out a pointer to the resource text itself (UTF-16,
    // not terminated) and returns its length: read in place, nothing is cut.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), static_cast<UINT>(id),
                                     reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return {};
    }
    return ToUtf8(std::wstring_view(text, static_cast<std::size_t>(length)));
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

std::string LoadUserString(int id) {
    return g_app != nullptr ? g_app->LoadLangString(id) : LoadResString(id);
}

bool VWinApp::InitInstance() {
    Start(std::make_unique<RegistryProfileStore>(RegistryProfileStore::ForThisExecutable()),
          {ExecutablePath(), LoadResString(IDS_VERSION), LoadResString(IDS_RELEASE), BLENKER_MAIL,
           BLENKER_WEB_SITE});
    return false;
}

}  // namespace blenker
