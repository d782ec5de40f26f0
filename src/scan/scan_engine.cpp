#include "scan/scan_engine.h"

#include "scan/browser_title.h"
#include "store/settings.h"

namespace blenker {

ScanEngine::ScanEngine(TitleList& titles, ProfileStore& store)
    : m_nClosedTotal(ReadInt(store, Setting::Closed)),
      m_titles(titles),
      m_store(store),
      m_options(ReadScanOptions(store)) {}

void ScanEngine::LoadOptions() {
    m_options = ReadScanOptions(m_store);
    m_titles.SetCaseSensitive(m_options.caseSensitive);
}

void ScanEngine::SyncMatcher() {
    if (m_matcherRevision == m_titles.Revision() &&
        m_matcherCaseSensitive == m_titles.CaseSensitive()) {
        return;
    }
    m_matcher.Rebuild(m_titles.Titles(), m_titles.CaseSensitive());
    m_matcherRevision = m_titles.Revision();
    m_matcherCaseSensitive = m_titles.CaseSensitive();
}

void ScanEngine::RunPass(Desktop& desktop) {
    desktop.EnumTopLevel([&](WindowRef window) { return ScanWindowsProc(desktop, window); });
}

bool ScanEngine::OnTimer(Desktop& desktop, unsigned timerId) {
    if (timerId != kScanTimerId) {
        return false;
    }
    RunPass(desktop);
    return true;
}

bool ScanEngine::ScanWindowsProc(Desktop& desktop, WindowRef window) {
    std::string title = desktop.Title(window);
    if (title.size() > kTitleBufferSize - 1) {
        title.resize(kTitleBufferSize - 1);
    }
    if (title.empty()) {
        return true;
    }
    return AnalyseWnd(desktop, window, title);
}

bool ScanEngine::AnalyseWnd(Desktop& desktop, WindowRef window, std::string_view title) {
    SyncMatcher();
    if (!m_matcher.Matches(title, m_options.strict)) {
        return true;
    }
    if (m_options.needBrowser && !NamesBrowser(title)) {
        return true;
    }
    if (m_options.smartBlenk) {
        const ClientSize size = desktop.ClientArea(window);
        if (SmartBlenkSpares(size.width, size.height)) {
            return true;
        }
    }
    desktop.RequestClose(window);
    ++m_nClosedTotal;
    ++m_nClosedRun;
    WriteInt(m_store, Setting::Closed, m_nClosedTotal);
    if (m_options.soundOn) {
        desktop.PlayWave(m_options.soundFile);
    }
    return false;
}

}  // namespace blenker
