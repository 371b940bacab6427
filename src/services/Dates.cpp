#include "services/Dates.h"

#include "services/Text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

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

std::wstring DayMonthYearTime(const SYSTEMTIME& date) {
    return DayMonthYear(date) + Formatted(L", %02u:%02u", date.wHour, date.wMinute);
}

std::wstring EruntDate(const SYSTEMTIME& date, std::wstring_view format, std::wstring_view separator) {
    const std::wstring upper = UpperCase(format);
    const std::pair<std::wstring_view, std::wstring> parts[] = {{L"YYYY", Formatted(L"%04u", date.wYear)},
                                                                {L"YY", Formatted(L"%02u", date.wYear % 100)},
                                                                {L"MM", Formatted(L"%02u", date.wMonth)},
                                                                {L"M", Formatted(L"%u", date.wMonth)},
                                                                {L"DD", Formatted(L"%02u", date.wDay)},
                                                                {L"D", Formatted(L"%u", date.wDay)},
                                                                {L"/", std::wstring(separator)}};
    std::wstring name;
    for (size_t at = 0; at < upper.size();) {
        const auto part = std::find_if(std::begin(parts), std::end(parts), [&](const auto& candidate) {
            return upper.compare(at, candidate.first.size(), candidate.first) == 0;
        });
        if (part == std::end(parts)) {
            name += format[at++];
        } else {
            name += part->second;
            at += part->first.size();
        }
    }
    return name;
}

uint64_t TimeValue(const SYSTEMTIME& time) {
    FILETIME value;
    if (!SystemTimeToFileTime(&time, &value))
        return 0;
    return (static_cast<uint64_t>(value.dwHighDateTime) << 32) | value.dwLowDateTime;
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
