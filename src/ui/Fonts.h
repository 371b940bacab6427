#pragma once
// Fonts for windows laid out at 96 DPI: scaled to the screen, with a fallback
// face where Windows lacks the face the layout was made for.
#include "services/UniqueHandle.h"

#include <span>

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

// The height of one line of text in the font, in pixels.
int TextLineHeight(HFONT font);
