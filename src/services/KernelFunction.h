#pragma once
// A program that imports a function its Windows lacks is refused by the loader
// before it starts, so functions newer than Windows XP SP3 are looked up here.
#include <windows.h>

// The kernel32 function of that name as the given pointer type; null when this Windows lacks it.
template <typename Function> Function KernelFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}
