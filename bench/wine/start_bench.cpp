// The time from starting Blenker.exe to its main window being shown, with a title file of
// 100 000 lines against one of 10 lines, printed with their ratio. The program is copied under a
// name of its own into a folder of its own, as a returning user who asked for no release check.
//   start_bench [path of Blenker.exe]   (default: the one of this build)
#include "framework/win32.h"

#include <cstdio>
#include <string>

#include "store/registry_profile_store.h"
#include "framework/unique_handle.h"
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
double TimeToMainWindow(const std::string& exe, const std::string& folder, std::size_t lines) {
    std::string file;
    for (std::size_t i = 0; i < lines; ++i) {
        file += "Bench pop-up title number " + std::to_string(i * 7919 % 1000003) + "\r\n";
    }
    {
        const UniqueKernelHandle out(::CreateFileA((folder + "\\Blenked.txt").c_str(),
                                                   GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                                   nullptr));
        DWORD written = 0;
        ::WriteFile(out.Get(), file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    }

    RegistryProfileStore store(kRegistryKeyName, kName);
    store.WriteProfileInt("", "Version", 2005);
    store.WriteProfileInt("Settings", "UpdateExe", 0);

    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER frequency{}, start{}, now{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info)) {
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
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string dir(self);
    dir.resize(dir.rfind('\\'));
    const std::string original = argc > 1 ? argv[1] : dir + "\\..\\..\\Blenker.exe";
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + kName;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string exe = folder + "\\" + kName + ".exe";
    if (!::CopyFileA(original.c_str(), exe.c_str(), FALSE)) {
        std::printf("cannot copy %s\n", original.c_str());
        return 1;
    }
    const double small = TimeToMainWindow(exe, folder, 10);
    const double big = TimeToMainWindow(exe, folder, 100000);
    std::printf("Start to main window: %.3f s with 10 titles, %.3f s with 100 000 (x%.1f)\n", small,
                big, big / small);
    ::DeleteFileA((folder + "\\Blenked.txt").c_str());
    ::DeleteFileA(exe.c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\Vorlen\\") + kName).c_str());
    return small > 0 && big > 0 ? 0 : 1;
}
