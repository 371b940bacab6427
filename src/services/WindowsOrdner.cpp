#include "services/WindowsOrdner.h"

#include "services/KernelFunction.h"
#include "services/Registry.h"

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

std::wstring ProfilesFolder() {
    // The 64-bit view holds the system's own value, whichever build reads it.
    RegistryValue value;
    if (RegistryReadValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList",
                          L"ProfilesDirectory", value, Is64BitWindows() ? KEY_WOW64_64KEY : 0))
        if (const auto* folder = std::get_if<std::wstring>(&value); folder && !folder->empty()) {
            std::wstring expanded(MAX_PATH, L'\0');
            const DWORD length = ExpandEnvironmentStringsW(folder->c_str(), expanded.data(), MAX_PATH);
            if (length > 1 && length <= MAX_PATH)
                return expanded.substr(0, length - 1);
        }
    // Where the system says nothing, the folder of a German Windows XP.
    const std::wstring windows = WindowsDirectory();
    return (windows.size() >= 3 ? windows.substr(0, 3) : L"C:\\") + L"Dokumente und Einstellungen";
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
