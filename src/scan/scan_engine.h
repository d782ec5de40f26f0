// The scan pass: one walk over the desktop's top-level windows that asks the first window whose
// title matches the title list to close, counts the request and plays the sound. A window is
// asked once per title: one that stays (it refuses, asks a question, is hung) holds back no
// pop-up behind it. A request the system does not deliver is no close: nothing is counted and
// the pass goes on. The shell's own windows (the desktop, the taskbars) are never asked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "scan/asked_windows.h"
#include "scan/desktop.h"
#include "scan/matcher.h"
#include "scan/scan_options.h"
#include "store/profile_store.h"
#include "titles/title_list.h"

namespace blenker {

// The timer whose ticks run a pass.
constexpr unsigned kScanTimerId = 1;

class ScanEngine {
  public:
    // Reads the total of close requests and the options from the store; the title list's case
    // rule is left alone until LoadOptions.
    ScanEngine(TitleList& titles, ProfileStore& store);

    // Reads the options again ("CaseSensitive" also sets the title list's duplicate rule).
    void LoadOptions();
    const ScanOptions& Options() const { return m_options; }

    // One pass over the desktop; ends at the first close request that was delivered or timed
    // out.
    void RunPass(Desktop& desktop);
    // Runs a pass for the scan timer's ticks; returns whether the tick was the scan timer's.
    bool OnTimer(Desktop& desktop, unsigned timerId);

    // The enumeration step: reads the window's title (cut to 1023 UTF-16 units), skips an empty
    // one, otherwise returns AnalyseWnd's answer. True goes on with the next window.
    bool ScanWindowsProc(Desktop& desktop, WindowRef window);
    // Tests the window against the list and the filters and asks it to close on a match.
    // Returns false when a close request was delivered or timed out (the pass ends), true
    // otherwise.
    bool AnalyseWnd(Desktop& desktop, WindowRef window, std::string_view title);

    int m_nClosedTotal = 0;
    int m_nClosedRun = 0;

  private:
    // Brings the matcher in step with the list and the case option.
    void SyncMatcher();
    // The window's title as the pass reads it (cut to 1023 UTF-16 units, KeptTitleBytes).
    static std::string ReadTitle(Desktop& desktop, WindowRef window);

    TitleList& m_titles;
    ProfileStore& m_store;
    ScanOptions m_options;
    // The index starts empty, which is right for a new list (revision 0) whatever its case.
    TitleMatcher m_matcher;
    std::uint64_t m_matcherRevision = 0;
    bool m_matcherCaseSensitive = false;
    AskedWindows m_asked;
};

}  // namespace blenker
