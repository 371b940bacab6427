#pragma once
// Reads and drives windows of any process from a test, as a user would see and
// use them: text and states through messages, colours from a capture of the
// screen, and the mouse through real input, so the window gets WM_MOUSEMOVE and
// its button messages just as from a hand on the mouse.
//
// Mouse input goes to whatever window lies under the pointer, so tests that use
// it must not run beside each other (hivora_add_window_test locks the desktop).
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);
// IsWindowVisible: the window and all its parents are shown.
bool IsShown(HWND window);
bool IsEnabled(HWND window);
// In screen coordinates.
RECT ScreenRect(HWND window);
// In the window's own client coordinates: left and top are 0.
RECT ClientRect(HWND window);
POINT ClientToScreenPoint(HWND window, POINT client);
// The centre of a child control, in its parent's client coordinates.
POINT CentreInParent(HWND control);

// The colours of a rectangle of the screen as it is shown now, row by row (COLORREF values).
std::vector<COLORREF> CaptureScreen(const RECT& screen);
// The colour shown at a client point of the window (what the user sees there, covering windows included).
COLORREF PixelAt(HWND window, POINT client);

// Moves the pointer over a client point of the window, in a few steps from where it
// was, so the window sees it enter; then lets the window handle the movement.
void MoveMouseTo(HWND window, POINT client);
// Moves there and presses and releases the left (or right) button once.
void ClickAt(HWND window, POINT client);
void RightClickAt(HWND window, POINT client);
void DoubleClickAt(HWND window, POINT client);
// Moves the pointer to the top-left corner of the screen, away from every test window.
void MoveMouseAway();

// Brings the window to the front, so that it gets the keyboard.
void BringToFront(HWND window);
// Presses and releases a key, with Alt held when asked, then lets the windows handle it.
void PressKey(WORD virtualKey, bool withAlt = false);
// The window that has the keyboard focus in the thread of the given window.
HWND FocusIn(HWND window);

// A child, grandchild, ... of the window with this control identifier; nullptr if none.
HWND FindDescendant(HWND parent, int id);

// Top-level windows of a process, optionally of one class; only visible ones if asked.
std::vector<HWND> TopLevelWindows(DWORD processId, const std::wstring& className = {}, bool visibleOnly = true);
// Waits until the condition holds or the time is up; answers the condition's last value.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds step = std::chrono::milliseconds(25)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Sleep(static_cast<DWORD>(step.count()));
    }
}
