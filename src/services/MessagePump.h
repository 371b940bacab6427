#pragma once
#include <windows.h>

// Hands one message on, with the keyboard navigation of dialogs (Tab, access
// keys, Enter) for whichever of the program's windows is active.
void DispatchWithNavigation(MSG& message);

// Lets every pending window message run, as the main loop would, and returns.
// A quit request met on the way is posted again for the main loop.
void DoEvents();
