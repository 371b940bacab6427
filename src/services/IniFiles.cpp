#include "services/IniFiles.h"

#include "services/Text.h"

#include <windows.h>

namespace {

// A folder whose name has no ANSI form would reach ERUNT as question marks;
// its short 8.3 name always has one and names the same folder.
std::wstring InAnsiForm(const std::wstring& value) {
    if (FitsAnsiCodePage(value))
        return value;
    const DWORD length = GetShortPathNameW(value.c_str(), nullptr, 0);
    if (length == 0)
        return value;
    std::wstring shortPath(length, L'\0');
    const DWORD written = GetShortPathNameW(value.c_str(), shortPath.data(), length);
    if (written == 0 || written >= length)
        return value;
    shortPath.resize(written);
    return FitsAnsiCodePage(shortPath) ? shortPath : value;
}

} // namespace

std::wstring ReadIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    wchar_t buffer[255] = {};
    const DWORD copied = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, 255, file.c_str());
    return std::wstring(buffer, copied);
}

int32_t WriteIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                      const std::wstring& value) {
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), InAnsiForm(value).c_str(), file.c_str());
}
