// A tiny window of a known look that reports the mouse input it gets, so the
// window automation can be checked without the real program. Its class is the
// main window's, "HivoraRoot", so the same look-up finds it.
//   client area: left square 0..99 painted RGB(192, 192, 255), the rest RGB(32, 64, 128)
//   child 100: a static that shows "moves=N down=N up=N double=N last=X,Y"
//   child 101: a disabled static, for reading states
//   a click below y=150 asks "Weiter?   " with the message box style given as the command line
//   (a number; Yes/No with the question icon without one); the answer is the exit code.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

constexpr int kStatusId = 100;
constexpr int kDisabledId = 101;

struct Counts {
    int moves = 0;
    int downs = 0;
    int ups = 0;
    int doubles = 0;
    POINT last = {-1, -1};
} counts;

UINT boxStyle = MB_YESNO | MB_ICONQUESTION;

void ShowCounts(HWND window) {
    const std::wstring text = L"moves=" + std::to_wstring(counts.moves) + L" down=" + std::to_wstring(counts.downs) +
                              L" up=" + std::to_wstring(counts.ups) + L" double=" + std::to_wstring(counts.doubles) +
                              L" last=" + std::to_wstring(counts.last.x) + L"," + std::to_wstring(counts.last.y);
    SetDlgItemTextW(window, kStatusId, text.c_str());
}

POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto instance = reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance;
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 120, 0, 260, 20, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), instance, nullptr);
        CreateWindowExW(0, L"STATIC", L"aus", WS_CHILD | WS_VISIBLE | WS_DISABLED, 120, 30, 60, 20, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kDisabledId)), instance, nullptr);
        ShowCounts(window);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        Fill(dc, client, RGB(32, 64, 128));
        Fill(dc, {0, 0, 100, 100}, RGB(192, 192, 255));
        EndPaint(window, &paint);
        return 0;
    }
    case WM_MOUSEMOVE:
        ++counts.moves;
        counts.last = PointOf(lParam);
        ShowCounts(window);
        return 0;
    case WM_LBUTTONDOWN:
        ++counts.downs;
        counts.last = PointOf(lParam);
        ShowCounts(window);
        return 0;
    case WM_LBUTTONUP:
        ++counts.ups;
        counts.last = PointOf(lParam);
        ShowCounts(window);
        if (counts.last.y >= 150)
            PostQuitMessage(MessageBoxW(window, L"Weiter?   ", L" Probe", boxStyle));
        return 0;
    case WM_LBUTTONDBLCLK:
        ++counts.doubles;
        ShowCounts(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int show) {
    if (arguments && *arguments)
        boxStyle = static_cast<UINT>(std::wcstoul(arguments, nullptr, 0));
    WNDCLASSW windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ProbeProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"HivoraRoot";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"HivoraRoot", L"Probe", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 200, 150,
                                        420, 260, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
