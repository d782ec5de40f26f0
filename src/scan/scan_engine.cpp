#include "scan/scan_engine.h"

#include <string_view>

#include "scan/browser_title.h"
#include "scan/window_title.h"
#include "store/settings.h"

namespace blenker {

namespace {

// The desktop and the taskbars: asked to close, the desktop opens the system's shut-down dialog.
bool IsShellWindow(std::string_view className) {
    for (const std::string_view shell :
         {"Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd"}) {
        if (className == shell) {
            return true;
        }
    }
    return false;
}

}  // namespace

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

std::string ScanEngine::ReadTitle(Desktop& desktop, WindowRef window) {
    std::string title = desktop.Title(window);
    title.resize(KeptTitleBytes(title));
    return title;
}

void ScanEngine::RunPass(Desktop& desktop) {
    m_asked.ForgetChanged([&](WindowRef window) { return ReadTitle(desktop, window); });
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
    const std::string title = ReadTitle(desktop, window);
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
    // A window that has had its answer under this title is passed by, as are the shell's own.
    if (m_asked.Asked(window, title) || IsShellWindow(desktop.ClassName(window))) {
        return true;
    }
    const CloseRequest request = desktop.RequestClose(window);
    m_asked.Remember(window, std::string(title));
    if (request == CloseRequest::Refused) {
        return true;  // never delivered: no close, and the pass goes on to the next window
    }
    ++m_nClosedTotal;
    ++m_nClosedRun;
    WriteInt(m_store, Setting::Closed, m_nClosedTotal);
    if (m_options.soundOn) {
        desktop.PlayWave(m_options.soundFile);
    }
    return false;
}

}  // namespace blenker
