#include "services/WindowsOrdner.h"

#include "services/KernelFunction.h"

#include <windows.h>

namespace {

template <typename Query> std::wstring FolderFrom(Query query) {
    wchar_t buffer[MAX_PATH] = {};
    const UINT length = query(buffer, MAX_PATH);
    return length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

} // namespace

std::wstring WindowsDirectory() {
    return FolderFrom(GetWindowsDirectoryW);
}

std::wstring SystemDirectory() {
    return FolderFrom(GetSystemDirectoryW);
}

bool Is64BitWindows() {
#ifdef _WIN64
    return true;
#else
    // Looked up: Windows 2000 and XP before SP2 lack it, and they are 32-bit only.
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64Process = KernelFunction<IsWow64ProcessFunction>("IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64Process && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}
