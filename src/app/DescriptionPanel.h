#pragma once
// The blue panel on the left that shows a button's description.
#include "ui/BaseWindow.h"
#include "services/UniqueHandle.h"

#include <string>

class DescriptionPanel : public BaseWindow<DescriptionPanel> {
public:
    bool Create(HWND parent, const RECT& place, const RECT& textPlace, HFONT font);
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    UniqueBrush brush_;
    HWND text_ = nullptr;
};
