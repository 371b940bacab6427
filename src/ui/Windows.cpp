#include "ui/Windows.h"

#include "services/MessagePump.h"

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

HWND CreateControl(HWND parent, int id, const wchar_t* className, const wchar_t* text, DWORD style, const RECT& place,
                   HFONT font) {
    const HWND control = CreateWindowExW(
        0, className, text, WS_CHILD | style, place.left, place.top, place.right - place.left, place.bottom - place.top,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

bool PumpOneMessage() {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
        if (got == 0)
            PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    DispatchWithNavigation(message);
    return true;
}
