#pragma once
// Small pieces every window of the program needs.
#include <windows.h>

#include <string>

// The window's text.
std::wstring WindowText(HWND window);
// A child control of a system class (STATIC, EDIT, BUTTON, LISTBOX, COMBOBOX) with its font.
HWND CreateControl(HWND parent, int id, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& place,
                   HFONT font);
// The name a screen reader reads for the control, where its text does not say what it does ("...").
void SetAccessibleName(HWND control, const wchar_t* name);
// Windows' high-contrast mode is on: the program's windows draw with the system's colours.
bool HighContrast();
// One message of a modal loop; false when the program is ending, whose quit
// request then stays queued for the main loop.
bool PumpOneMessage();

// Shows the window modally over its owner: the owner takes no input until
// the window is done (done() turns true) or the program ends.
template <typename Done> void RunModal(HWND owner, HWND window, Done done) {
    EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    while (!done() && PumpOneMessage()) {
    }
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
}
