#include "app/DescriptionPanel.h"

#include "app/RootLayout.h"
#include "ui/Windows.h"

namespace {
constexpr wchar_t kClassName[] = L"HivoraPanel";
constexpr int kStateMargin = 8;

// Unchanged text is not set again, so a stream of mouse moves does not flicker.
void SetTextOnce(HWND window, const std::wstring& text) {
    if (WindowText(window) != text)
        SetWindowTextW(window, text.c_str());
}
} // namespace

bool DescriptionPanel::Create(HWND parent, const RECT& place, const RECT& textPlace, HFONT font) {
    brush_.reset(CreateSolidBrush(kPanelColour));
    if (!RegisterClass(kClassName, nullptr, LoadCursorW(nullptr, IDC_ARROW)) ||
        !CreateChild(kClassName, L"", WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, parent, IDC_PTOOLTIPS, place))
        return false;
    text_ =
        CreateControl(Handle(), IDC_TTOOLTIPS, L"STATIC", kInitialDescription, SS_LEFT | SS_NOPREFIX, textPlace, font);
    // The state takes the whole panel: it may need more lines than a description.
    const RECT statePlace = {kStateMargin, kStateMargin, place.right - place.left - kStateMargin,
                             place.bottom - place.top - kStateMargin};
    state_ = CreateControl(Handle(), IDC_TSTATE, L"STATIC", L"", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, statePlace, font);
    return text_ && state_;
}

void DescriptionPanel::ShowDescription(const std::wstring& text) {
    SetTextOnce(text_, text);
    ShowWindow(state_, SW_HIDE);
    ShowWindow(text_, SW_SHOWNA);
}

void DescriptionPanel::ShowState(bool clearDescription) {
    if (clearDescription)
        SetTextOnce(text_, L"");
    ShowWindow(text_, SW_HIDE);
    ShowWindow(state_, SW_SHOWNA);
}

void DescriptionPanel::SetState(const std::wstring& text) {
    SetTextOnce(state_, text);
}

HBRUSH DescriptionPanel::Colours(HDC dc) const {
    const bool contrast = HighContrast();
    SetTextColor(dc, contrast ? GetSysColor(COLOR_WINDOWTEXT) : RGB(255, 255, 255));
    SetBkColor(dc, contrast ? GetSysColor(COLOR_WINDOW) : kPanelColour);
    return contrast ? GetSysColorBrush(COLOR_WINDOW) : brush_.get();
}

LRESULT DescriptionPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, Colours(dc));
        // Where the window's background is the panel's colour too, a frame marks the panel.
        if (HighContrast())
            FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWTEXT));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(Colours(reinterpret_cast<HDC>(wParam)));
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
