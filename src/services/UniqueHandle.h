#pragma once
// Owners for Win32 handles. Each traits type says which value means "no handle"
// and how the handle is released, so a handle is closed exactly once on every path.
#include <windows.h>
#include <cstdint>
#include <utility>

template <typename Traits> class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type value) noexcept : value_(value) {}
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Type get() const noexcept { return value_; }
    explicit operator bool() const noexcept { return value_ != Traits::Invalid(); }
    Type release() noexcept { return std::exchange(value_, Traits::Invalid()); }
    void reset(Type value = Traits::Invalid()) noexcept {
        if (*this)
            Traits::Close(value_);
        value_ = value;
    }
    // For APIs that hand a new handle back through an out parameter.
    Type* put() noexcept {
        reset();
        return &value_;
    }

private:
    Type value_ = Traits::Invalid();
};

template <typename T, auto CloseFunction, intptr_t InvalidValue = 0> struct HandleTraits {
    using Type = T;
    static Type Invalid() noexcept { return reinterpret_cast<Type>(InvalidValue); }
    static void Close(Type value) noexcept { CloseFunction(value); }
};

// INVALID_HANDLE_VALUE is not a constant expression, so its numeric value stands in.
inline constexpr intptr_t kInvalidHandleValue = -1;

using UniqueKernelHandle = UniqueHandle<HandleTraits<HANDLE, CloseHandle>>;
using UniqueFileHandle = UniqueHandle<HandleTraits<HANDLE, CloseHandle, kInvalidHandleValue>>;
using UniqueFindHandle = UniqueHandle<HandleTraits<HANDLE, FindClose, kInvalidHandleValue>>;
using UniqueKey = UniqueHandle<HandleTraits<HKEY, RegCloseKey>>;
using UniqueFont = UniqueHandle<HandleTraits<HFONT, DeleteObject>>;
using UniqueBrush = UniqueHandle<HandleTraits<HBRUSH, DeleteObject>>;
using UniquePen = UniqueHandle<HandleTraits<HPEN, DeleteObject>>;
using UniqueBitmap = UniqueHandle<HandleTraits<HBITMAP, DeleteObject>>;
using UniqueIcon = UniqueHandle<HandleTraits<HICON, DestroyIcon>>;
using UniqueCursor = UniqueHandle<HandleTraits<HCURSOR, DestroyCursor>>;
using UniqueDc = UniqueHandle<HandleTraits<HDC, DeleteDC>>;
// Memory the system hands out with LocalAlloc, such as a security descriptor.
using UniqueLocalMemory = UniqueHandle<HandleTraits<HLOCAL, LocalFree>>;

// A DC from GetDC goes back with ReleaseDC, which needs its window too.
class UniqueWindowDc {
public:
    explicit UniqueWindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~UniqueWindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    UniqueWindowDc(const UniqueWindowDc&) = delete;
    UniqueWindowDc& operator=(const UniqueWindowDc&) = delete;
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC for a scope: what the DC held before comes back at
// its end, so the object can be deleted and the DC released cleanly.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
