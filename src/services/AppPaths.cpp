#include "services/AppPaths.h"

#include <windows.h>

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ProgramFolder() {
    std::wstring path = ProgramPath();
    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos)
        return {};
    // "C:\HIVORA.exe" keeps "C:\"; "C:\Tools\HIVORA.exe" gives "C:\Tools".
    path.resize(slash == 2 && path[1] == L':' ? slash + 1 : slash);
    return path;
}

std::wstring ProgramName() {
    std::wstring path = ProgramPath();
    path.erase(0, path.rfind(L'\\') + 1);
    const size_t dot = path.rfind(L'.');
    if (dot != std::wstring::npos)
        path.resize(dot);
    return path;
}
