#include "app/DescriptionPanel.h"

#include "app/RootLayout.h"

namespace {
constexpr wchar_t kClassName[] = L"HivoraPanel";
}

bool DescriptionPanel::Create(HWND parent, const RECT& place, const RECT& textPlace, HFONT font) {
    brush_.reset(CreateSolidBrush(kPanelColour));
    if (!RegisterClass(kClassName, nullptr, LoadCursorW(nullptr, IDC_ARROW)) ||
        !CreateChild(kClassName, L"", WS_CLIPSIBLINGS | WS_CLIPCHILDREN, parent, IDC_PTOOLTIPS, place))
        return false;
    text_ = CreateWindowExW(
        0, L"STATIC", kInitialDescription, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, textPlace.left, textPlace.top,
        textPlace.right - textPlace.left, textPlace.bottom - textPlace.top, Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TTOOLTIPS)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return text_ != nullptr;
}

std::wstring DescriptionPanel::Text() const {
    const int length = GetWindowTextLengthW(text_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(text_, text.data(), length + 1)));
    return text;
}

void DescriptionPanel::SetText(const std::wstring& text) {
    // Unchanged text is not set again, so a stream of mouse moves does not flicker.
    if (Text() != text)
        SetWindowTextW(text_, text.c_str());
}

LRESULT DescriptionPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.get());
        return 1;
    }
    case WM_CTLCOLORSTATIC: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkColor(dc, kPanelColour);
        return reinterpret_cast<LRESULT>(brush_.get());
    }
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}
