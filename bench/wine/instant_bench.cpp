// How long a pop-up lives beside 200 ordinary windows: pop-ups made one at a time at random
// moments, timed from CreateWindowEx to their WM_DESTROY, with the real Blenker.exe at a Delay of
// 1 s and "InstantBlenk" on, then off; median, 90th percentile, maximum and the ratio of the
// medians. Also the program's processor time over 10 s beside an idle desktop and beside one
// where a window that matches nothing is made and destroyed ten times a second, on and off.
//   instant_bench [path of Blenker.exe]   (default: the one of this build)
// The ordinary windows belong to another process: scan_bench.exe --owner 200, beside this one.
#include "framework/win32.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "framework/unique_handle.h"
#include "framework/window.h"
#include "program_copy.h"
#include "resource.h"
#include "store/registry_profile_store.h"

namespace {

using namespace blenker;

constexpr char kName[] = "BlenkerInstantBench";
constexpr char kPopupTitle[] = "Bench instant pop-up";
constexpr char kReadyEvent[] = "BlenkerScanBenchReady";  // what scan_bench's owner signals

double Now() {
    LARGE_INTEGER frequency{}, now{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump(double milliseconds, const bool* until = nullptr) {
    const double end = Now() + milliseconds;
    while (Now() < end && (until == nullptr || !*until)) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

// A pop-up that notes the moment of its WM_DESTROY.
class Popup : public Window {
  public:
    bool destroyed = false;
    double destroyedAt = 0;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DESTROY) {
            destroyed = true;
            destroyedAt = Now();
        }
        return Window::OnMessage(message, wParam, lParam);
    }
};

// Milliseconds from the creation of each pop-up to its end; 5000 when it outlived that.
// The time CreateWindowEx itself took for each pop-up, sorted.
std::vector<double> g_creations;

std::vector<double> Lifetimes(int count, std::mt19937& random) {
    std::uniform_int_distribution<int> pause(0, 1000);
    std::vector<double> lives;
    for (int i = 0; i < count; ++i) {
        Pump(pause(random));
        Popup popup;
        const double created = Now();
        popup.Create(kPopupTitle, WS_POPUP | WS_VISIBLE, 300, 300, 200, 100);
        g_creations.push_back(Now() - created);
        Pump(5000, &popup.destroyed);
        lives.push_back(popup.destroyed ? popup.destroyedAt - created : 5000);
    }
    std::sort(lives.begin(), lives.end());
    return lives;
}

double CpuMilliseconds(HANDLE process) {
    FILETIME created{}, ended{}, kernel{}, user{};
    ::GetProcessTimes(process, &created, &ended, &kernel, &user);
    const auto ticks = [](FILETIME t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

// The program's processor time over 10 s; with churn, a window that matches nothing is made
// and destroyed every 100 ms meanwhile.
double CpuOverTenSeconds(HANDLE process, bool churn) {
    const double before = CpuMilliseconds(process);
    for (int i = 0; i < 100; ++i) {
        if (churn) {
            Window other;
            other.Create("Bench ordinary churn", WS_POPUP | WS_VISIBLE, 500, 500, 100, 50);
        }
        Pump(100);
    }
    return CpuMilliseconds(process) - before;
}

struct Run {
    std::vector<double> lives;
    double idleCpu = 0;
    double churnCpu = 0;
};

HWND FindMainWindow(DWORD process) {
    HWND found = nullptr;
    for (HWND w = ::FindWindowExA(nullptr, nullptr, "#32770", nullptr); w != nullptr;
         w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(w, &owner);
        if (owner == process && ::IsWindowVisible(w) && ::GetDlgItem(w, IDC_TITLE_LIST)) {
            found = w;
        }
    }
    return found;
}

bool RunProgram(const std::string& exe, const std::string& folder, bool instant, int popups,
                Run& run) {
    RegistryProfileStore store(kRegistryKeyName, kName);
    store.WriteNumber("", "Version", 2005);
    store.WriteNumber("Settings", "UpdateExe", 0);
    store.WriteNumber("Settings", "SoundOn", 0);
    store.WriteNumber("Settings", "Delay", 1000);
    store.WriteNumber("Settings", "InstantBlenk", instant ? 1 : 0);
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info)) {
        return false;
    }
    const UniqueKernelHandle process(info.hProcess);
    const UniqueKernelHandle thread(info.hThread);
    HWND main = nullptr;
    for (int i = 0; i < 3000 && main == nullptr; ++i) {
        Pump(10);
        main = FindMainWindow(info.dwProcessId);
    }
    if (main != nullptr) {
        Pump(1000);  // the start settles
        run.idleCpu = CpuOverTenSeconds(process.Get(), false);
        run.churnCpu = CpuOverTenSeconds(process.Get(), true);
        std::mt19937 random(instant ? 1 : 2);
        run.lives = Lifetimes(popups, random);
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.Get(), 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.Get(), 9);
    }
    return main != nullptr;
}

void Report(const char* name, const Run& run) {
    const std::vector<double>& l = run.lives;
    std::printf(
        "%-4s median %7.1f ms  90%% %7.1f ms  max %7.1f ms  (%zu pop-ups)   CPU per 10 s: "
        "idle %.0f ms, churn %.0f ms\n",
        name, l[l.size() / 2], l[l.size() * 9 / 10], l.back(), l.size(), run.idleCpu, run.churnCpu);
}

}  // namespace

int main(int argc, char** argv) {
    const BenchProgramCopy copy(kName, argc, argv);
    if (!copy.Copied()) {
        std::printf("cannot copy Blenker.exe\n");
        return 1;
    }
    copy.WriteTitles(std::string(kPopupTitle) + "\r\n");
    const std::string& exe = copy.Exe();
    const std::string& folder = copy.Folder();

    const UniqueKernelHandle ready(::CreateEventA(nullptr, TRUE, FALSE, kReadyEvent));
    std::string command = "\"" + copy.BenchDir() + "\\scan_bench.exe\" --owner 200";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info) ||
        ::WaitForSingleObject(ready.Get(), 20000) != WAIT_OBJECT_0) {
        std::printf("the 200 ordinary windows could not be made\n");
        return 1;
    }
    const UniqueKernelHandle owner(info.hProcess);
    const UniqueKernelHandle ownerThread(info.hThread);

    // On first: this thread makes its first windows while the hooks are set (see the tests).
    Run on, off;
    const bool ran =
        RunProgram(exe, folder, true, 50, on) && RunProgram(exe, folder, false, 25, off);
    ::TerminateProcess(owner.Get(), 0);
    if (ran) {
        Report("on", on);
        Report("off", off);
        std::sort(g_creations.begin(), g_creations.end());
        std::printf("CreateWindowEx itself: median %.1f ms\n", g_creations[g_creations.size() / 2]);
        std::printf("median off / on: x%.0f\n", off.lives[off.lives.size() / 2] /
                                                    std::max(on.lives[on.lives.size() / 2], 0.01));
    }
    return ran ? 0 : 1;
}
