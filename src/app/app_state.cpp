#include "app/app_state.h"

#include <utility>

#include "app/text_format.h"
#include "resource.h"
#include "store/app_paths.h"
#include "store/settings.h"

namespace blenker {

void AppState::Start(std::unique_ptr<ProfileStore> store, AppStart start) {
    m_strVersion = std::move(start.version);
    m_strExePath = WithExeExtension(start.exePath);
    m_strExeDir = DirectoryOf(m_strExePath);
    m_store = std::move(store);
    m_nPrevRelease = ReadInt(*m_store, Setting::Version);
    m_nRelease = ParseDecimal(start.releaseText);
    WriteInt(*m_store, Setting::Version, m_nRelease);
    m_strMail = std::move(start.mail);
    m_strWebSite = std::move(start.webSite);
    SetLanguage(ReadInt(*m_store, Setting::Language));
}

int AppState::LangStringId(int id) const {
    return m_nLanguage != 0 ? id + IDS_FRENCH_OFFSET : id;
}

void AppState::SetLanguage(int language) {
    m_nLanguage = language;
    WriteInt(*m_store, Setting::Language, language);
}

void AppState::ToggleLanguage() {
    SetLanguage(m_nLanguage == 0 ? 1 : 0);
}

}  // namespace blenker
