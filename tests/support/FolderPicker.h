#pragma once
// Drives the folder dialog that another process shows, as a user would: the
// folder is selected in the dialog's own tree, then OK or Cancel is pressed.
#include <windows.h>

#include <string>

// Waits until the dialog has filled its folder tree: a selection made before
// then is lost.
bool WaitForFolderTree(HWND dialog);

// Selects the folder in the open dialog of the process and presses OK.
bool ChooseFolder(HWND dialog, DWORD processId, const std::wstring& folder);
