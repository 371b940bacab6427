#pragma once
// A transparent area over an unavailable button: it shows the button beneath
// and its hover description, but swallows its clicks.
#include "ui/BaseWindow.h"
#include "app/RootSurface.h"

class Overlay : public BaseWindow<Overlay> {
public:
    bool Create(HWND parent, int id, const RECT& place, HWND coveredButton, RootSurface& surface);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc);

    RootSurface* surface_ = nullptr;
    HWND coveredButton_ = nullptr;
};
