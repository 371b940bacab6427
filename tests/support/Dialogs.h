#pragma once
// Finds, reads and answers the dialogs and message boxes of a process from
// outside it (another thread, or another process).
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

// The icon a message box shows, told apart by comparing it with the system's icons.
enum class MessageIcon { None, Exclamation, Question, Error, Information, Unknown };

struct DialogContent {
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;
    // Command identifiers of the buttons, in the order of their texts (IDOK, IDYES, ...).
    std::vector<int> buttonIds;
    MessageIcon icon = MessageIcon::None;
};

const wchar_t* ToString(MessageIcon icon);

// The first visible dialog (#32770) of the process, waiting up to the timeout.
HWND WaitForDialog(DWORD processId, std::chrono::milliseconds timeout);
DialogContent ReadDialog(HWND dialog);
// Presses the dialog's button with this command identifier (IDOK, IDYES, ...).
void PressButton(HWND dialog, int commandId);
