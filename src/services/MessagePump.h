#pragma once
#include <windows.h>

// Hands one message on, with the keyboard navigation of dialogs (Tab, access
// keys, Enter) for whichever of the program's windows is active.
void DispatchWithNavigation(MSG& message);

// Lets every pending window message run, as the main loop would, and returns.
// A quit request met on the way is posted again for the main loop.
void DoEvents();

// Waits for the given time while letting window messages run, so the windows
// stay responsive. GetTickCount's wrap-around after 49.7 days does no harm to
// a difference of two readings.
void WaitResponsively(DWORD milliseconds);
