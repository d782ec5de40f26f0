// <windows.h> for the program's Win32 code, with the definitions the build sets for it
// (WIN32_LEAN_AND_MEAN, NOMINMAX, STRICT, the Windows version).
#pragma once

#include <windows.h>
