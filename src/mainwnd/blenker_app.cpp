#include "mainwnd/blenker_app.h"

#include <ole2.h>

#include "store/settings.h"
#include "framework/dialog_colors.h"
#include "framework/unique_handle.h"
#include "mainwnd/blenker_dlg.h"

namespace blenker {

namespace {

// The name whose existence tells that The Blenker already runs in this session.
constexpr wchar_t kInstanceMutex[] = L"BlenkerOneSession";

}  // namespace

bool CBlenkerApp::InitInstance() {
    VWinApp::InitInstance();

    // A second start ends here, silently, leaving the running one alone.
    if (const UniqueKernelHandle running(::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstanceMutex));
        running) {
        return true;
    }
    ::SetLastError(ERROR_SUCCESS);
    const UniqueKernelHandle instance(::CreateMutexW(nullptr, TRUE, kInstanceMutex));
    // Two starts at the same moment both find no mutex: the one that did not create it ends.
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        return true;
    }

    SetDialogColors(static_cast<COLORREF>(ReadInt(Store(), Setting::ColorBg)),
                    static_cast<COLORREF>(ReadInt(Store(), Setting::ColorText)));
    const bool minimized = ReadFlag(Store(), Setting::MinimizeAtStartup);
    WriteString(Store(), Setting::Location, m_strExePath);
    const HRESULT ole = ::OleInitialize(nullptr);

    {
        CBlenkerDlg dialog;
        if (dialog.Create()) {
            // Destroyed before the dialog object, which then still hears its end (the notification
            // icon removed, everything stored); the dialog lets go of it as it is destroyed.
            const UniqueWindow window(dialog.Hwnd());
            // Hidden in the notification area from the start: the loop never shows it.
            dialog.RunModalLoop(/*showOnIdle=*/!minimized);
        }
    }

    if (SUCCEEDED(ole)) {
        ::OleUninitialize();
    }
    ::ReleaseMutex(instance.Get());
    return false;
}

}  // namespace blenker
