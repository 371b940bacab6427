#include "app/Root.h"

#include "resource.h"

namespace {

constexpr wchar_t kClassName[] = L"HivoraRoot";
// The client area in pixels at 96 DPI.
constexpr int kClientWidth = 574;
constexpr int kClientHeight = 417;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

int Scaled(int pixels, int dpi) {
    return MulDiv(pixels, dpi, 96);
}

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// A fixed client area, centred on the work area of the primary monitor.
RECT CentredFrame() {
    const int dpi = SystemDpi();
    RECT frame = {0, 0, Scaled(kClientWidth, dpi), Scaled(kClientHeight, dpi)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    return {left, top, left + width, top + height};
}

} // namespace

bool Root::Create(HINSTANCE instance) {
    const auto icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_HIVORA), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    if (!RegisterClass(kClassName, icon, LoadCursorW(nullptr, IDC_ARROW)))
        return false;
    return CreateTopLevel(kClassName, kRootCaption, kStyle, CentredFrame());
}

LRESULT Root::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
