// <windows.h> for the program's Win32 code. The ANSI profile functions of <windows.h> are
// macros named like the settings store's operations (GetProfileInt, GetProfileString,
// WriteProfileString); the program never uses win.ini, so the macros go.
#pragma once

#include <windows.h>

#undef GetProfileInt
#undef GetProfileString
#undef WriteProfileString
