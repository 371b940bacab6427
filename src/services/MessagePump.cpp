#include "services/MessagePump.h"

void DispatchWithNavigation(MSG& message) {
    const HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

bool DoEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        DispatchWithNavigation(message);
    }
    return true;
}

void WaitResponsively(double seconds) {
    // GetTickCount wraps after 49 days; the difference of two readings does not.
    const DWORD start = GetTickCount();
    const auto wanted = static_cast<DWORD>(seconds > 0 ? seconds * 1000.0 : 0.0);
    while (DoEvents()) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= wanted)
            return;
        MsgWaitForMultipleObjectsEx(0, nullptr, wanted - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void WaitResponsivelyFor(HANDLE object) {
    while (DoEvents() && MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    }
}
