#pragma once
#include <string>

// The Windows folder, e.g. C:\WINDOWS.
std::wstring WindowsDirectory();
// The Windows system folder, e.g. C:\WINDOWS\system32.
std::wstring SystemDirectory();
// The folder of the user profiles as the system names it: "C:\Dokumente und
// Einstellungen" on a German Windows XP, "C:\Users" from Vista on.
std::wstring ProfilesFolder();
// True on 64-bit Windows, whichever build runs.
bool Is64BitWindows();
