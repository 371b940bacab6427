#pragma once
// The blue panel on the left: a button's description while one is on screen,
// else the state of the backups.
#include "ui/BaseWindow.h"
#include "services/UniqueHandle.h"

#include <string>

class DescriptionPanel : public BaseWindow<DescriptionPanel> {
public:
    bool Create(HWND parent, const RECT& place, const RECT& textPlace, HFONT font);
    // Shows the description in place of the state.
    void ShowDescription(const std::wstring& text);
    // Shows the state again; the last description stays in its label, unless cleared.
    void ShowState(bool clearDescription = false);
    void SetState(const std::wstring& text);
    // Sets the panel's text colours in the device context and answers its background brush: white on
    // blue, or the system's colours in high contrast. The restore list and its hint look the same.
    HBRUSH Colours(HDC dc) const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    UniqueBrush brush_;
    HWND text_ = nullptr;
    HWND state_ = nullptr;
};
