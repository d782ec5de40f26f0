// Matching cost against the length of the title list: 200 window titles tested against lists
// of 10, 1 000 and 100 000 entries, with the index and, for comparison, with the plain
// entry-by-entry rule, the index's memory against the titles' own bytes ("index/titles"), the
// rebuild of the index and the load of a title file. Prints each matching time relative to the
// 10-entry list of the same method.
//
// Two mixes of window titles: "Desktop", the titles of ordinary programs with one pop-up in ten
// (a title that begins with an entry), and "Lookalike", titles made of the list's own words, the
// worst case for the index, whose walk along a title then goes deep before it fails. The
// counter "walk" is the number of characters the index reads per title: the cost follows it,
// and it is bounded by the title's length whatever the list's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "scan/matcher.h"
#include "titles/title_file.h"
#include "titles/title_list.h"
#include "titles/title_text.h"

namespace {

using blenker::EntryMatches;
using blenker::TitleList;
using blenker::TitleMatcher;

const char* const kWords[] = {"Free",  "Win",   "Offer", "Popup", "Casino", "News",  "Live",
                              "Bonus", "Click", "Here",  "Best",  "Deal",   "Today", "Music",
                              "Chat",  "Game",  "Shop",  "Video", "Mail",   "Cam"};

std::string MakeTitle(std::mt19937& random) {
    std::string title;
    const int words = 2 + static_cast<int>(random() % 4);
    for (int i = 0; i < words; ++i) {
        title += kWords[random() % std::size(kWords)];
        title += ' ';
    }
    title += std::to_string(random() % 100000);
    return title;
}

// A title file of `count` different titles, in no order.
std::string MakeTitleFile(std::size_t count) {
    std::mt19937 random(static_cast<unsigned>(count));
    TitleList list;
    while (list.Size() < count) {
        std::string lines;
        for (std::size_t i = list.Size(); i < count; ++i) {
            lines += MakeTitle(random) + "\r\n";
        }
        blenker::ParseTitleFile(lines, list);
    }
    std::vector<std::string> titles = list.Titles();
    std::shuffle(titles.begin(), titles.end(), random);
    std::string file;
    for (const std::string& title : titles) {
        file += title + "\r\n";
    }
    return file;
}

// The sorted list of `count` entries, as the title list keeps it.
std::vector<std::string> MakeList(std::size_t count) {
    TitleList list;
    blenker::ParseTitleFile(MakeTitleFile(count), list);
    return list.Titles();
}

std::size_t TotalBytes(const std::vector<std::string>& list) {
    std::size_t bytes = 0;
    for (const std::string& title : list) {
        bytes += title.size();
    }
    return bytes;
}

const char* const kPrograms[] = {
    "Inbox - Mail",  "Document1 - Word", "Untitled - Notepad", "Calculator",
    "Downloads",     "Program Manager",  "Task Manager",       "Budget.xls - Spreadsheet",
    "Control Panel", "Media Player"};

enum Mix { kDesktop, kLookalike };

// 200 titles of windows: one in ten begins with an entry of the list.
std::vector<std::string> MakeWindowTitles(const std::vector<std::string>& list, Mix mix) {
    std::mt19937 random(200);
    std::vector<std::string> titles;
    for (int i = 0; i < 200; ++i) {
        if (i % 10 == 0) {
            titles.push_back(list[random() % list.size()] + " - Netscape");
        } else if (mix == kDesktop) {
            titles.push_back(std::string(kPrograms[random() % std::size(kPrograms)]) + " " +
                             std::to_string(i));
        } else {
            titles.push_back(MakeTitle(random) + " - Microsoft Internet Explorer");
        }
    }
    return titles;
}

// Bytes of the folded title that the index reads: the longest beginning shared with an entry.
double AverageWalk(const std::vector<std::string>& list, const std::vector<std::string>& titles) {
    std::vector<std::string> keys;
    for (const auto& entry : list) {
        keys.push_back(blenker::FoldNoCase(entry));
    }
    std::size_t total = 0;
    for (const auto& title : titles) {
        const std::string folded = blenker::FoldNoCase(title);
        std::size_t longest = 0;
        for (const auto& key : keys) {
            const auto end = std::mismatch(key.begin(), key.end(), folded.begin(), folded.end());
            longest = std::max(longest, static_cast<std::size_t>(end.first - key.begin()));
        }
        total += longest;
    }
    return static_cast<double>(total) / static_cast<double>(titles.size());
}

void Indexed(benchmark::State& state, Mix mix) {
    const auto list = MakeList(static_cast<std::size_t>(state.range(0)));
    const auto titles = MakeWindowTitles(list, mix);
    TitleMatcher matcher;
    matcher.Rebuild(list, false);
    for (auto _ : state) {
        int matches = 0;
        for (const auto& title : titles) {
            matches += matcher.Matches(title, false);
        }
        benchmark::DoNotOptimize(matches);
    }
    state.counters["titles/s"] = benchmark::Counter(static_cast<double>(titles.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate);
    state.counters["index_bytes/entry"] =
        static_cast<double>(matcher.MemoryBytes()) / static_cast<double>(list.size());
    state.counters["index/titles"] =
        static_cast<double>(matcher.MemoryBytes()) / static_cast<double>(TotalBytes(list));
    state.counters["walk"] = AverageWalk(list, titles);
}

void EntryByEntry(benchmark::State& state, Mix mix) {
    const auto list = MakeList(static_cast<std::size_t>(state.range(0)));
    const auto titles = MakeWindowTitles(list, mix);
    for (auto _ : state) {
        int matches = 0;
        for (const auto& title : titles) {
            for (const auto& entry : list) {
                if (EntryMatches(entry, title, false, false)) {
                    ++matches;
                    break;
                }
            }
        }
        benchmark::DoNotOptimize(matches);
    }
}

// Rebuilding the index, as the next pass does after the list changed.
void Rebuild(benchmark::State& state) {
    const auto list = MakeList(static_cast<std::size_t>(state.range(0)));
    TitleMatcher matcher;
    for (auto _ : state) {
        matcher.Rebuild(list, false);
    }
}
BENCHMARK(Rebuild)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Reading a title file of that many lines into an empty list, as the program starts.
void Load(benchmark::State& state) {
    const std::string file = MakeTitleFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        TitleList list;
        blenker::ParseTitleFile(file, list);
        benchmark::DoNotOptimize(list.Size());
    }
}
BENCHMARK(Load)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(Indexed, Desktop, kDesktop)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Indexed, Lookalike, kLookalike)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EntryByEntry, Desktop, kDesktop)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// Keeps each run's time, to print the ratios against the 10-entry list at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nCost of 200 titles relative to a list of 10 entries:\n");
    for (const char* method : {"Indexed/Desktop", "Indexed/Lookalike", "EntryByEntry/Desktop"}) {
        const auto base = reporter.times.find(std::string(method) + "/10");
        if (base == reporter.times.end()) {
            continue;
        }
        for (const char* size : {"1000", "100000"}) {
            const auto run = reporter.times.find(std::string(method) + "/" + size);
            if (run != reporter.times.end()) {
                std::printf("  %-21s %6s entries: x%.2f\n", method, size,
                            run->second / base->second);
            }
        }
    }
    benchmark::Shutdown();
    return 0;
}
