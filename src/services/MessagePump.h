#pragma once

// Lets every pending window message run, as the main loop would, and returns.
// A quit request met on the way is posted again for the main loop.
void DoEvents();
