#pragma once
#include <windows.h>

// Hands one message on, with the keyboard navigation of dialogs (Tab, access
// keys, Enter) for whichever of the program's windows is active.
void DispatchWithNavigation(MSG& message);

// Lets every pending window message run, as the main loop would, and returns.
// A quit request met on the way is posted again for the main loop, and the
// answer is false: the program is ending.
bool DoEvents();

// Waits while the program's windows stay responsive: handlers run during the
// wait, and the processor rests until a message comes or the time is up.
void WaitResponsively(double seconds);

// Waits until the object is signalled (a process has ended), with the processor
// at rest, while window messages run.
void WaitResponsivelyFor(HANDLE object);
