// Blenker.exe copied under a name of its own into a temporary folder of its own, as a
// returning user's program, with its title file written there; the copy, the file, the folder
// and the program's settings key go when it ends.
#pragma once

#include "framework/win32.h"

#include <string>

#include "framework/unique_handle.h"

namespace blenker {

class BenchProgramCopy {
  public:
    // The program is the one given on the command line, or that of this build.
    BenchProgramCopy(const char* name, int argc, char** argv) : m_name(name) {
        char self[MAX_PATH];
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        m_benchDir = self;
        m_benchDir.resize(m_benchDir.rfind('\\'));
        const std::string original = argc > 1 ? argv[1] : m_benchDir + "\\..\\..\\Blenker.exe";
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + name;
        ::CreateDirectoryA(m_folder.c_str(), nullptr);
        m_exe = m_folder + "\\" + name + ".exe";
        m_copied = ::CopyFileA(original.c_str(), m_exe.c_str(), FALSE) != FALSE;
    }
    ~BenchProgramCopy() {
        ::DeleteFileA(TitleFile().c_str());
        ::DeleteFileA(m_exe.c_str());
        ::RemoveDirectoryA(m_folder.c_str());
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\Vorlen\\" + m_name).c_str());
    }
    BenchProgramCopy(const BenchProgramCopy&) = delete;
    BenchProgramCopy& operator=(const BenchProgramCopy&) = delete;

    bool Copied() const { return m_copied; }
    const std::string& Exe() const { return m_exe; }
    const std::string& Folder() const { return m_folder; }
    // The folder of the benchmark programs.
    const std::string& BenchDir() const { return m_benchDir; }

    void WriteTitles(const std::string& text) const {
        const UniqueKernelHandle out(::CreateFileA(TitleFile().c_str(), GENERIC_WRITE, 0, nullptr,
                                                   CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        ::WriteFile(out.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }

  private:
    std::string TitleFile() const { return m_folder + "\\Blenked.txt"; }

    std::string m_name;
    std::string m_benchDir;
    std::string m_folder;
    std::string m_exe;
    bool m_copied = false;
};

}  // namespace blenker
