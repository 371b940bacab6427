#include "WindowDriver.h"

#include "services/UniqueHandle.h"

#include <algorithm>

namespace {

using UniqueDc = UniqueHandle<HandleTraits<HDC, DeleteDC>>;

// A DC from GetDC goes back with ReleaseDC, which needs its window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Restores the bitmap a memory DC held before.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, previous_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

void SendMouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// Absolute input counts in 65536ths of the primary screen.
void SendMoveTo(POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const LONG x = static_cast<LONG>((screen.x * 65536LL + width / 2) / width);
    const LONG y = static_cast<LONG>((screen.y * 65536LL + height / 2) / height);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
}

// Input is handled asynchronously by the window's thread; give it time to arrive.
void Settle() {
    Sleep(80);
}

struct WindowSearch {
    DWORD processId;
    const std::wstring* className;
    bool visibleOnly;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM parameter) {
    const auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId)
        return TRUE;
    if (search.visibleOnly && !IsWindowVisible(window))
        return TRUE;
    if (!search.className->empty() && _wcsicmp(WindowClass(window).c_str(), search.className->c_str()) != 0)
        return TRUE;
    search.found->push_back(window);
    return TRUE;
}

struct DescendantSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND child, LPARAM parameter) {
    auto& search = *reinterpret_cast<DescendantSearch*>(parameter);
    if (GetDlgCtrlID(child) != search.id)
        return TRUE;
    search.found = child;
    return FALSE;
}

} // namespace

std::wstring WindowText(HWND window) {
    // WM_GETTEXT with a time-out: a hung window must not hang the test.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             5000, &copied))
        return {};
    text.resize(std::min(static_cast<size_t>(copied), text.size() - 1));
    return text;
}

std::wstring WindowClass(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

bool IsShown(HWND window) {
    return IsWindowVisible(window) != FALSE;
}
bool IsEnabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

RECT ScreenRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRect(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

POINT ClientToScreenPoint(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

POINT CentreInParent(HWND control) {
    RECT rect = ScreenRect(control);
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(GetParent(control), &centre);
    return centre;
}

std::vector<COLORREF> CaptureScreen(const RECT& screen) {
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    if (width <= 0 || height <= 0)
        return {};
    // The whole screen's DC: what is shown, whichever process drew it.
    WindowDc screenDc(nullptr);
    UniqueDc memory(CreateCompatibleDC(screenDc.get()));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(screenDc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || !bits)
        return {};
    {
        Selected selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screenDc.get(), screen.left, screen.top, SRCCOPY | CAPTUREBLT);
        GdiFlush();
    }
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    const auto* source = static_cast<const DWORD*>(bits);
    std::transform(source, source + pixels.size(), pixels.begin(),
                   [](DWORD bgra) { return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF); });
    return pixels;
}

COLORREF PixelAt(HWND window, POINT client) {
    const POINT screen = ClientToScreenPoint(window, client);
    const auto pixels = CaptureScreen({screen.x, screen.y, screen.x + 1, screen.y + 1});
    return pixels.empty() ? CLR_INVALID : pixels.front();
}

void MoveMouseTo(HWND window, POINT client) {
    const POINT target = ClientToScreenPoint(window, client);
    POINT from = {};
    GetCursorPos(&from);
    // A few intermediate steps: the window sees the pointer come in, as from a real mouse.
    constexpr int steps = 4;
    for (int step = 1; step <= steps; ++step) {
        SendMoveTo({from.x + (target.x - from.x) * step / steps, from.y + (target.y - from.y) * step / steps});
        Sleep(15);
    }
    Settle();
}

void ClickAt(HWND window, POINT client) {
    MoveMouseTo(window, client);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(30);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
}

void RightClickAt(HWND window, POINT client) {
    MoveMouseTo(window, client);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    Sleep(30);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    Settle();
}

void DoubleClickAt(HWND window, POINT client) {
    MoveMouseTo(window, client);
    for (int click = 0; click < 2; ++click) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        Sleep(20);
        SendMouse(MOUSEEVENTF_LEFTUP);
        Sleep(40);
    }
    Settle();
}

void MoveMouseAway() {
    SendMoveTo({0, 0});
    Settle();
}

std::vector<HWND> TopLevelWindows(DWORD processId, const std::wstring& className, bool visibleOnly) {
    std::vector<HWND> found;
    WindowSearch search = {processId, &className, visibleOnly, &found};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return found;
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    WaitUntil([window] { return GetForegroundWindow() == window; }, std::chrono::seconds(2));
}

void PressKey(WORD virtualKey, bool withAlt) {
    std::vector<INPUT> inputs;
    const auto key = [&](WORD code, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        // Without its scan code a key is translated to no character.
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (withAlt)
        key(VK_MENU, false);
    key(virtualKey, false);
    key(virtualKey, true);
    if (withAlt)
        key(VK_MENU, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Settle();
}

HWND FocusIn(HWND window) {
    GUITHREADINFO info = {sizeof(info)};
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

HWND FindDescendant(HWND parent, int id) {
    if (const HWND child = GetDlgItem(parent, id))
        return child;
    // EnumChildWindows walks the whole tree below the parent.
    DescendantSearch search = {id, nullptr};
    EnumChildWindows(parent, FindById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
