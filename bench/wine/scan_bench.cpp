// One full scan pass over 200 real windows of another process against the bare enumeration
// that any pass needs (EnumWindows + GetWindowTextW of the same windows), printed as a ratio,
// for lists of 10, 1 000 and 100 000 entries that match none of the windows, so the pass visits
// them all. Half the windows and entries are titled in Cyrillic, so that case folds beyond ASCII.
//   scan_bench            the measurement (starts its own window owner)
//   scan_bench --owner N  opens N windows and keeps them until it is ended
#include "framework/win32.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "memory_profile_store.h"
#include "framework/unique_handle.h"
#include "framework/window.h"
#include "scan/scan_engine.h"
#include "scan/win32_desktop.h"
#include "scan/window_title.h"

namespace {

using namespace blenker;

constexpr char kReadyEvent[] = "BlenkerScanBenchReady";
constexpr int kWindows = 200;
constexpr int kRounds = 7;
constexpr int kPassesPerRound = 200;

int RunOwner(int count) {
    std::vector<std::unique_ptr<Window>> windows;
    for (int i = 0; i < count; ++i) {
        auto window = std::make_unique<Window>();
        const std::string title = (i % 2 ? "Окно " : "Bench window ") + std::to_string(i);
        window->Create(title.c_str(), WS_POPUP | WS_VISIBLE, 10 + i, 10 + i, 120, 60);
        windows.push_back(std::move(window));
    }
    UniqueKernelHandle ready(::OpenEventA(EVENT_MODIFY_STATE, FALSE, kReadyEvent));
    ::SetEvent(ready.Get());
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    return 0;
}

BOOL CALLBACK ReadTitle(HWND hwnd, LPARAM count) {
    wchar_t title[kMaxTitleUnits + 1];
    if (::GetWindowTextW(hwnd, title, kMaxTitleUnits + 1) > 0) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--owner") == 0) {
        return RunOwner(std::atoi(argv[2]));
    }

    UniqueKernelHandle ready(::CreateEventA(nullptr, TRUE, FALSE, kReadyEvent));
    char exe[MAX_PATH];
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = "\"" + std::string(exe) + "\" --owner " + std::to_string(kWindows);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        std::printf("cannot start the window owner\n");
        return 1;
    }
    UniqueKernelHandle owner(info.hProcess);
    UniqueKernelHandle ownerThread(info.hThread);
    if (::WaitForSingleObject(ready.Get(), 20000) != WAIT_OBJECT_0) {
        std::printf("the window owner did not get ready\n");
        ::TerminateProcess(owner.Get(), 1);
        return 1;
    }

    for (const int entries : {10, 1000, 100000}) {
        MemoryProfileStore store;
        TitleList titles;
        std::vector<std::string> listed;
        for (int i = 0; i < entries; ++i) {
            listed.push_back((i % 2 ? "Реклама " : "Nag title ") + std::to_string(i));
        }
        titles.InsertAll(std::move(listed));
        ScanEngine engine(titles, store);
        Win32Desktop desktop;
        engine.RunPass(desktop);  // the index is built once, before the timing

        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        std::vector<double> bare;
        std::vector<double> pass;
        int titled = 0;
        for (int round = 0; round < kRounds; ++round) {
            LARGE_INTEGER t0, t1, t2;
            ::QueryPerformanceCounter(&t0);
            for (int i = 0; i < kPassesPerRound; ++i) {
                titled = 0;
                ::EnumWindows(&ReadTitle, reinterpret_cast<LPARAM>(&titled));
            }
            ::QueryPerformanceCounter(&t1);
            for (int i = 0; i < kPassesPerRound; ++i) {
                engine.RunPass(desktop);
            }
            ::QueryPerformanceCounter(&t2);
            bare.push_back(Milliseconds(t0, t1, frequency) / kPassesPerRound);
            pass.push_back(Milliseconds(t1, t2, frequency) / kPassesPerRound);
        }
        std::sort(bare.begin(), bare.end());
        std::sort(pass.begin(), pass.end());
        const double bareMedian = bare[kRounds / 2];
        const double passMedian = pass[kRounds / 2];
        std::printf("windows with a title: %d (closed by the pass: %d)\n", titled,
                    engine.m_nClosedTotal);
        std::printf("bare enumeration: %.3f ms   scan pass (%d entries): %.3f ms   ratio %.2f\n",
                    bareMedian, entries, passMedian, passMedian / bareMedian);
    }
    ::TerminateProcess(owner.Get(), 0);
    return 0;
}
