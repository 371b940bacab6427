#include "app/Overlay.h"

#include "ui/Windows.h"

#include <string>

namespace {
constexpr wchar_t kClassName[] = L"HivoraOverlay";
}

bool Overlay::Create(HWND parent, int id, const RECT& place, HWND coveredButton, RootSurface& surface) {
    surface_ = &surface;
    coveredButton_ = coveredButton;
    // A screen reader names it after the button it covers.
    std::wstring name = WindowText(coveredButton);
    while (!name.empty() && name.back() == L' ')
        name.pop_back();
    name += L" (nicht verfügbar)";
    return RegisterClass(kClassName, nullptr, LoadCursorW(nullptr, IDC_ARROW)) &&
           CreateChild(kClassName, name.c_str(), WS_CLIPSIBLINGS, parent, id, place);
}

void Overlay::Paint(HDC dc) {
    surface_->PaintBackground(dc, Handle());
    // The button lies beneath and is clipped away by this window, so draw it here.
    RECT button;
    GetWindowRect(coveredButton_, &button);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&button), 2);
    POINT oldOrigin;
    SetViewportOrgEx(dc, button.left, button.top, &oldOrigin);
    SendMessageW(coveredButton_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

LRESULT Overlay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        return Painted([this](HDC dc, const RECT&) { Paint(dc); });
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        surface_->ButtonHovered(GetDlgCtrlID(coveredButton_));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
