// The time from starting Blenker.exe to its main window being shown, with a title file of
// 100 000 lines against one of 10 lines, printed with their ratio. The program is copied under a
// name of its own into a folder of its own, as a returning user who asked for no release check.
//   start_bench [path of Blenker.exe]   (default: the one of this build)
#include "framework/win32.h"

#include <cstdio>
#include <string>

#include "store/registry_profile_store.h"
#include "framework/unique_handle.h"
#include "program_copy.h"
#include "resource.h"

namespace {

using namespace blenker;

constexpr char kName[] = "BlenkerStartBench";

struct Search {
    DWORD process;
    bool shown;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && ::IsWindowVisible(window) &&
        ::GetDlgItem(window, IDC_TITLE_LIST) != nullptr) {
        search.shown = true;
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        return FALSE;
    }
    return TRUE;
}

// Seconds from the start to the shown main window; -1 when it did not show within a minute.
double TimeToMainWindow(const BenchProgramCopy& copy, std::size_t lines) {
    std::string file;
    for (std::size_t i = 0; i < lines; ++i) {
        file += "Bench pop-up title number " + std::to_string(i * 7919 % 1000003) + "\r\n";
    }
    copy.WriteTitles(file);
    const std::string& exe = copy.Exe();

    RegistryProfileStore store(kRegistryKeyName, kName);
    store.WriteNumber("", "Version", 2005);
    store.WriteNumber("Settings", "UpdateExe", 0);

    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER frequency{}, start{}, now{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          copy.Folder().c_str(), &startup, &info)) {
        return -1;
    }
    const UniqueKernelHandle process(info.hProcess);
    ::CloseHandle(info.hThread);
    Search search{info.dwProcessId, false};
    do {
        ::Sleep(5);
        ::EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
        ::QueryPerformanceCounter(&now);
    } while (!search.shown && now.QuadPart - start.QuadPart < 60 * frequency.QuadPart);
    const double seconds = static_cast<double>(now.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart);
    if (::WaitForSingleObject(process.Get(), 30000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.Get(), 9);
    }
    return search.shown ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const BenchProgramCopy copy(kName, argc, argv);
    if (!copy.Copied()) {
        std::printf("cannot copy Blenker.exe\n");
        return 1;
    }
    const double small = TimeToMainWindow(copy, 10);
    const double big = TimeToMainWindow(copy, 100000);
    std::printf("Start to main window: %.3f s with 10 titles, %.3f s with 100 000 (x%.1f)\n", small,
                big, big / small);
    return small > 0 && big > 0 ? 0 : 1;
}
