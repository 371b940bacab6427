#pragma once
// The main window.
#include "app/BaseWindow.h"

inline constexpr wchar_t kRootCaption[] = L"Hivora for Win-Nt/2000/XP";

class Root : public BaseWindow<Root> {
public:
    bool Create(HINSTANCE instance);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
};
