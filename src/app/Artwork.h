#pragma once
// The window's artwork, drawn at run time: nothing to ship but code.
#include "services/UniqueHandle.h"

#include <span>

// The background picture (576 x 436 at 96 DPI, scaled to the given DPI):
// calm blue shades, a title band and frames behind the button column.
UniqueBitmap CreateBackground(HDC reference, int dpi);

// The hand-shaped pointer of the label-buttons: 32 x 32, two colours, hot spot 5,0.
UniqueCursor CreateHandCursor();

// The screen's DPI, by which the layout's 96-DPI pixels are scaled.
int ScreenDpi();

// A font of the given face, or of the fallback face where Windows lacks it.
UniqueFont CreateUiFont(const wchar_t* face, const wchar_t* fallbackFace, int tenthsOfPoint, bool bold, int dpi);

struct TextBox {
    const wchar_t* text;
    int width;
};
// The same, made smaller where needed so that every text fits its width: a
// fallback face is often wider than the face the layout was made for.
UniqueFont CreateFittingFont(const wchar_t* face, const wchar_t* fallbackFace, int tenthsOfPoint, bool bold, int dpi,
                             std::span<const TextBox> texts);
