#include "services/WebSupports.h"

#include <windows.h>
#include <shellapi.h>

int32_t ShellOpen(const std::wstring& target) {
    const HINSTANCE result = ShellExecuteW(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(result));
}
