#include "app/Label.h"

#include <string>
#include <windowsx.h>

namespace {
constexpr wchar_t kClassName[] = L"HivoraLabel";
}

bool Label::Create(HWND parent, int id, const wchar_t* caption, const RECT& place, HFONT font, Kind kind,
                   RootSurface& surface, bool visible) {
    surface_ = &surface;
    font_ = font;
    kind_ = kind;
    return RegisterClass(kClassName, nullptr, nullptr) &&
           CreateChild(kClassName, caption, WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0), parent, id, place);
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
    const HGDIOBJ oldFont = SelectObject(dc, font_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, oldFont);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefaultHandling(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, FALSE);
        return result;
    }
    case WM_SETCURSOR:
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
    case WM_LBUTTONDOWN:
        if (kind_ == Kind::Button) {
            pressed_ = true;
            SetCapture(Handle());
        }
        return 0;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
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
