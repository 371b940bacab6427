#pragma once
#include <string>

// The Windows folder, e.g. C:\WINDOWS.
std::wstring WindowsDirectory();
// The Windows system folder, e.g. C:\WINDOWS\system32.
std::wstring SystemDirectory();
// The folder of the user profiles on the Windows drive: "C:\Dokumente und Einstellungen".
std::wstring ProfilesFolder();
// True on 64-bit Windows, whichever build runs.
bool Is64BitWindows();
