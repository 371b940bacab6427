#pragma once
// A text drawn straight onto the main window's picture. The action buttons are
// owner-drawn system buttons, so that a screen reader announces them as buttons
// with their captions and can press them; the other texts are static texts.
#include "app/RootSurface.h"

#include <windows.h>

#include <optional>

class Label {
public:
    enum class Kind { Passive, Button };

    Label() = default;
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;

    bool Create(HWND parent, int id, const wchar_t* caption, const RECT& place, HFONT font, Kind kind,
                RootSurface& surface, bool visible = true);
    HWND Handle() const { return window_; }
    // The text's colour, and the system's colour that stands for it in high contrast.
    void SetTextColour(COLORREF colour, int contrastColour = COLOR_WINDOWTEXT);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);

    HWND window_ = nullptr;
    RootSurface* surface_ = nullptr;
    HFONT font_ = nullptr;
    Kind kind_ = Kind::Passive;
    COLORREF colour_ = RGB(0, 0, 0);
    int contrastColour_ = COLOR_WINDOWTEXT;
    bool pressed_ = false;
    // When the last click on this button was released (message time).
    std::optional<LONG> lastClick_;
};
