#include "ui/Windows.h"

#include "services/Com.h"
#include "services/MessagePump.h"

#include <oleacc.h>

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

// The accessibility annotations of Windows XP and later; where they are missing, the control keeps its text's name.
void SetAccessibleName(HWND control, const wchar_t* name) {
    constexpr CLSID kAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
    constexpr IID kIAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
    constexpr GUID kName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
    const ComApartment apartment;
    ComPointer<IAccPropServices> annotations;
    if (SUCCEEDED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                                   annotations.put_void())))
        annotations->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kName, name);
}

bool HighContrast() {
    HIGHCONTRASTW contrast = {sizeof(contrast)};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
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
