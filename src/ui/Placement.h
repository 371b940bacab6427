#pragma once
// Sizes and places of windows laid out in twips.
#include <windows.h>

inline int TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

// A frame of this size in the middle of the area (a work area, an owner window).
inline RECT CentredOn(const RECT& area, int width, int height) {
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}
