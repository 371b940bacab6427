#pragma once
// A window as a small class: the window procedure finds the object stored at
// WM_NCCREATE and hands every message to Derived::HandleMessage.
#include <windows.h>

#include <utility>

template <class Derived> class BaseWindow {
public:
    HWND Handle() const noexcept { return window_; }

protected:
    BaseWindow() = default;
    ~BaseWindow() { Destroy(); }
    // Stops handing messages to the object first, then destroys the window,
    // whose last messages go to the default handling: a window that outlives
    // (part of) its object never reaches it. A derived class whose members
    // the window's messages use calls this first in its own destructor.
    void Destroy() {
        if (window_) {
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            DestroyWindow(std::exchange(window_, nullptr));
        }
    }
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    static bool RegisterClass(const wchar_t* className, HICON icon, HCURSOR cursor, HBRUSH background = nullptr,
                              UINT style = 0) {
        WNDCLASSEXW windowClass = {sizeof(windowClass)};
        windowClass.style = style;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = icon;
        windowClass.hCursor = cursor;
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = className;
        return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }

    bool CreateTopLevel(const wchar_t* className, const wchar_t* caption, DWORD style, const RECT& frame,
                        HWND owner = nullptr, DWORD extendedStyle = 0) {
        return CreateWindowExW(extendedStyle, className, caption, style, frame.left, frame.top,
                               frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                               GetModuleHandleW(nullptr), static_cast<Derived*>(this)) != nullptr;
    }

    bool CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, HWND parent, int id,
                     const RECT& place) {
        return CreateWindowExW(0, className, text, WS_CHILD | style, place.left, place.top, place.right - place.left,
                               place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), static_cast<Derived*>(this)) != nullptr;
    }

    // Answers WM_PAINT by handing the window's device context to the painter.
    template <typename Painter> LRESULT Painted(Painter paint) {
        PAINTSTRUCT painting;
        const HDC dc = BeginPaint(window_, &painting);
        paint(dc, painting.rcPaint);
        EndPaint(window_, &painting);
        return 0;
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(window_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Derived*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        if (!self)
            return DefWindowProcW(window, message, wParam, lParam);
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
        }
        return result;
    }

    HWND window_ = nullptr;
};
