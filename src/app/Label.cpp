#include "app/Label.h"

#include "services/UniqueHandle.h"

#include <string>
#include <windowsx.h>

namespace {
constexpr wchar_t kClassName[] = L"HivoraLabel";
// A key held down repeats; only its first press counts.
constexpr LPARAM kKeyWasDown = 1 << 30;
} // namespace

bool Label::Create(HWND parent, int id, const wchar_t* caption, const RECT& place, HFONT font, Kind kind,
                   RootSurface& surface, bool visible) {
    surface_ = &surface;
    font_ = font;
    kind_ = kind;
    const DWORD style = WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0) | (kind == Kind::Button ? WS_TABSTOP : 0);
    // With double clicks announced, the second press of a double click comes
    // as WM_LBUTTONDBLCLK: a double click acts once.
    return RegisterClass(kClassName, nullptr, nullptr, nullptr, CS_DBLCLKS) &&
           CreateChild(kClassName, caption, style, parent, id, place);
}

void Label::SetTextColour(COLORREF colour) {
    colour_ = colour;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void Label::Paint(HDC dc) {
    surface_->PaintBackground(dc, Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    const int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), length + 1)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(Handle()) ? colour_ : GetSysColor(COLOR_GRAYTEXT));
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
    case WM_PAINT:
        return Painted([this](HDC dc, const RECT&) { Paint(dc); });
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE: {
        // Enter and Space press the button; every other key keeps its dialog meaning.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool pressKey =
            key && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_SPACE);
        return pressKey ? DLGC_WANTMESSAGE : 0;
    }
    case WM_KEYDOWN:
        if (kind_ == Kind::Button && (wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & kKeyWasDown))
            surface_->ButtonPressedByKey(GetDlgCtrlID(Handle()));
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefaultHandling(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, FALSE);
        return result;
    }
    case WM_SETCURSOR:
        // The main window decides first (an action's hourglass).
        if (DefaultHandling(message, wParam, lParam))
            return TRUE;
        if (kind_ == Kind::Button && buttonCursor_) {
            SetCursor(buttonCursor_);
            return TRUE;
        }
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
        return DefaultHandling(message, wParam, lParam);
    }
}
