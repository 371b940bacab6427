#pragma once
// The window's artwork, drawn at run time: nothing to ship but code.
#include "services/UniqueHandle.h"

// The background picture (576 x 436 at 96 DPI, scaled to the given DPI):
// calm blue shades, a title band and frames behind the button column.
UniqueBitmap CreateBackground(HDC reference, int dpi);

// The hand-shaped pointer of the label-buttons: 32 x 32, two colours, hot spot 5,0.
UniqueCursor CreateHandCursor();
