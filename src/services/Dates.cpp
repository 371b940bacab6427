#include "services/Dates.h"

#include <cstdio>

namespace {

template <typename... Values> std::wstring Formatted(const wchar_t* format, Values... values) {
    wchar_t text[32];
    std::swprintf(text, 32, format, static_cast<unsigned>(values)...);
    return text;
}

} // namespace

std::wstring DayMonthYear(const SYSTEMTIME& date) {
    return Formatted(L"%02u.%02u.%04u", date.wDay, date.wMonth, date.wYear);
}

std::wstring IsoDate(const SYSTEMTIME& date) {
    return Formatted(L"%04u-%02u-%02u", date.wYear, date.wMonth, date.wDay);
}

std::wstring ListDateTime(const SYSTEMTIME& date) {
    return Formatted(L"(%02u.%02u %04u, %02u:%02u)", date.wDay, date.wMonth, date.wYear, date.wHour, date.wMinute);
}

std::optional<SYSTEMTIME> LastWritten(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA attributes;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes))
        return std::nullopt;
    SYSTEMTIME universal;
    SYSTEMTIME local;
    if (!FileTimeToSystemTime(&attributes.ftLastWriteTime, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return std::nullopt;
    return local;
}
