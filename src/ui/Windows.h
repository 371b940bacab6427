#pragma once
// Small pieces every window of the program needs.
#include <windows.h>

#include <string>

// The window's text.
std::wstring WindowText(HWND window);
// A child control of a system class (STATIC, EDIT, BUTTON, LISTBOX, COMBOBOX) with its font.
HWND CreateControl(HWND parent, int id, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& place,
                   HFONT font);
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
