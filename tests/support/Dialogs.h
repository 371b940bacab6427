#pragma once
// Finds, reads and answers the dialogs and message boxes of a process from
// outside it (another thread, or another process).
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

struct DialogContent {
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;
};

// The first visible dialog (#32770) of the process, waiting up to the timeout.
HWND WaitForDialog(DWORD processId, std::chrono::milliseconds timeout);
DialogContent ReadDialog(HWND dialog);
// Presses the dialog's button with this command identifier (IDOK, IDYES, ...).
void PressButton(HWND dialog, int commandId);
