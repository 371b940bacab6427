#pragma once
#include <string>

// The Windows folder, e.g. C:\WINDOWS.
std::wstring WindowsDirectory();
// The Windows system folder, e.g. C:\WINDOWS\system32.
std::wstring SystemDirectory();
// True on 64-bit Windows, whichever build runs.
bool Is64BitWindows();
