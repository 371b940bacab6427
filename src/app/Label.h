#pragma once
// A text label drawn straight onto the main window's picture. The action
// buttons are such labels, with a hand pointer, hover and click.
#include "app/RootSurface.h"
#include "ui/BaseWindow.h"

#include <optional>

class Label : public BaseWindow<Label> {
public:
    enum class Kind { Passive, Button };

    bool Create(HWND parent, int id, const wchar_t* caption, const RECT& place, HFONT font, Kind kind,
                RootSurface& surface, bool visible = true);
    void SetTextColour(COLORREF colour);
    COLORREF TextColour() const { return colour_; }
    // The hand pointer shared by every button.
    static void SetButtonCursor(HCURSOR cursor) { buttonCursor_ = cursor; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc);

    static inline HCURSOR buttonCursor_ = nullptr;
    RootSurface* surface_ = nullptr;
    HFONT font_ = nullptr;
    Kind kind_ = Kind::Passive;
    COLORREF colour_ = RGB(0, 0, 0);
    bool pressed_ = false;
    // When the last click on this button was released (message time).
    std::optional<LONG> lastClick_;
};
