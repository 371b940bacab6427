#include "services/MessagePump.h"

void DispatchWithNavigation(MSG& message) {
    const HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void DoEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchWithNavigation(message);
    }
}

void WaitResponsively(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        DoEvents();
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds)
            return;
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
