#pragma once
// What the main window's own child windows ask of it.
#include <windows.h>

class RootSurface {
public:
    // Paints the part of the background picture that lies under the child.
    virtual void PaintBackground(HDC dc, HWND child) = 0;
    virtual void ButtonHovered(int buttonId) = 0;
    virtual void ButtonClicked(int buttonId) = 0;
    // Enter or Space on a focused button: a click, unless an overlay covers the button.
    virtual void ButtonPressedByKey(int buttonId) = 0;

protected:
    ~RootSurface() = default;
};
