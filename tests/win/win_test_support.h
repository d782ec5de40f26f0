// Helpers of the Win32 tests: message pumping, popup windows in this process and in a helper
// process, and a registry settings store of the test's own.
#pragma once

#include "framework/win32.h"

#include <functional>
#include <string>

#include "app/registry_profile_store.h"
#include "framework/unique_handle.h"
#include "framework/window.h"

namespace blenker::test {

// Dispatches this thread's messages for the given time.
void PumpMessages(DWORD milliseconds);
// Dispatches messages until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// A borderless window of this process: its client area is exactly width x height.
class TestPopup : public Window {
  public:
    explicit TestPopup(const char* title, int width = 200, int height = 100, bool visible = true,
                       HWND owner = nullptr);
    bool Alive() const { return Hwnd() != nullptr && ::IsWindow(Hwnd()); }
};

// A popup window in another process (popup_helper.exe beside the test executable).
class HelperPopup {
  public:
    enum class Mode { Shown, Hidden, Hung };
    explicit HelperPopup(const std::string& title, int width = 200, int height = 100,
                         Mode mode = Mode::Shown);
    ~HelperPopup();
    // The helper's window, once it exists (waits up to 5 s).
    HWND WaitForWindow();
    // The helper's exit code once it ended within the time, otherwise STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeoutMs = 5000);

  private:
    std::string m_title;
    UniqueKernelHandle m_process;
};

// A settings store under a key of its own, removed before and after the test.
class ScopedRegistryStore : public RegistryProfileStore {
  public:
    explicit ScopedRegistryStore(const std::string& application);
    ~ScopedRegistryStore() override;
};

// Removes a key tree under HKEY_CURRENT_USER.
void DeleteKeyTree(const std::string& path);

// The raw registry value, to check what the store wrote: its type and bytes.
struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
    bool found = false;
    DWORD Number() const;
};
RawValue ReadRawValue(const std::string& keyPath, const char* name);

}  // namespace blenker::test
