#include "services/WindowsOrdner.h"

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
