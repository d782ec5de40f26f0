// Blenker.exe: the application object runs the whole program in its start-up.
#include "framework/win32.h"
#include "mainwnd/blenker_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    blenker::CBlenkerApp app;
    app.InitInstance();
    return 0;
}
