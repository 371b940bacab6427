#include "app/Label.h"

#include "app/Artwork.h"
#include "services/UniqueHandle.h"
#include "ui/Windows.h"

#include <commctrl.h>
#include <string>
#include <windowsx.h>

namespace {
// A key held down repeats; only its first press counts.
constexpr LPARAM kKeyWasDown = 1 << 30;

// The hand pointer shared by every button, made when the pointer first meets one: the start does not wait for it.
HCURSOR ButtonCursor() {
    static const UniqueCursor hand = CreateHandCursor();
    return hand.get();
}
} // namespace

// The system's classes announce double clicks: the second press of a double
// click comes as WM_LBUTTONDBLCLK, and a double click acts once. Every message
// that draws or takes input is answered here; the rest keeps the class's meaning.
bool Label::Create(HWND parent, int id, const wchar_t* caption, const RECT& place, HFONT font, Kind kind,
                   RootSurface& surface, bool visible) {
    surface_ = &surface;
    font_ = font;
    kind_ = kind;
    const bool button = kind == Kind::Button;
    const DWORD style =
        WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0) | (button ? WS_TABSTOP | BS_OWNERDRAW : SS_NOTIFY | SS_NOPREFIX);
    window_ = CreateControl(parent, id, button ? L"BUTTON" : L"STATIC", caption, style, place, font);
    return window_ && SetWindowSubclass(window_, Proc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Label::SetTextColour(COLORREF colour, int contrastColour) {
    colour_ = colour;
    contrastColour_ = contrastColour;
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT CALLBACK Label::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, Proc, 0);
        reinterpret_cast<Label*>(self)->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<Label*>(self)->HandleMessage(message, wParam, lParam);
}

void Label::Paint(HDC dc) {
    surface_->PaintBackground(dc, Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    const std::wstring text = WindowText(Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, !IsWindowEnabled(Handle()) ? GetSysColor(COLOR_GRAYTEXT)
                     : HighContrast()           ? GetSysColor(contrastColour_)
                                                : colour_);
    const SelectedObject selectedFont(dc, font_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_NOCLIP);
    // The keyboard's place: a dotted frame around the focused button.
    if (GetFocus() == Handle()) {
        SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &client);
    }
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT painting;
        Paint(BeginPaint(Handle(), &painting));
        EndPaint(Handle(), &painting);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(Handle(), nullptr, FALSE);
        return DefSubclassProc(Handle(), message, wParam, lParam);
    case WM_GETDLGCODE: {
        // Enter and Space press the button; every other key keeps its dialog meaning.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool pressKey =
            key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE);
        return pressKey ? DLGC_WANTMESSAGE : 0;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (wParam != VK_RETURN && wParam != VK_SPACE)
            return DefSubclassProc(Handle(), message, wParam, lParam);
        if (message == WM_KEYDOWN && kind_ == Kind::Button && !(lParam & kKeyWasDown))
            surface_->ButtonPressedByKey(GetDlgCtrlID(Handle()));
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, FALSE);
        return result;
    }
    case WM_SETCURSOR:
        // The main window decides first (an action's hourglass).
        if (SendMessageW(GetParent(Handle()), message, wParam, lParam))
            return TRUE;
        if (const HCURSOR hand = kind_ == Kind::Button ? ButtonCursor() : nullptr)
            SetCursor(hand);
        else
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    case WM_MOUSEMOVE:
        if (kind_ == Kind::Button)
            surface_->ButtonHovered(GetDlgCtrlID(Handle()));
        return 0;
    case WM_LBUTTONDBLCLK:
        // The second press of a double click on this button is no click; a
        // press that the system merely paired with a click elsewhere is one.
        if (lastClick_ && static_cast<DWORD>(GetMessageTime() - *lastClick_) <= GetDoubleClickTime())
            return 0;
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (kind_ == Kind::Button) {
            pressed_ = true;
            SetCapture(Handle());
        }
        return 0;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            lastClick_ = GetMessageTime();
            ReleaseCapture();
            RECT client;
            GetClientRect(Handle(), &client);
            const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            // A click is a press and a release on the same button.
            if (PtInRect(&client, at))
                surface_->ButtonClicked(GetDlgCtrlID(Handle()));
        }
        return 0;
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    default:
        return DefSubclassProc(Handle(), message, wParam, lParam);
    }
}
