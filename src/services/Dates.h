#pragma once
// Dates and times as the program writes them, and the time a file was written.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// 07.03.2008
std::wstring DayMonthYear(const SYSTEMTIME& date);
// 07.03.2008, 14:05
std::wstring DayMonthYearTime(const SYSTEMTIME& date);
// The name ERUNT gives a day's backup folder: its date format, in which "/"
// stands for the separator and yyyy, yy, mm, m, dd and d (in any letter case)
// for the date's parts. "yyyy/mm/dd" with "-" gives 2008-03-07.
std::wstring EruntDate(const SYSTEMTIME& date, std::wstring_view format, std::wstring_view separator);
// (07.03 2008, 14:05), as the list of backups shows a folder's time.
std::wstring ListDateTime(const SYSTEMTIME& date);
// A time as a count of 100-nanosecond steps, for comparing and subtracting; 0 for no valid time.
uint64_t TimeValue(const SYSTEMTIME& time);
inline constexpr uint64_t kTimeValueDay = 24ull * 60 * 60 * 10'000'000;
// The local time a file or folder was last written, if it can be read.
std::optional<SYSTEMTIME> LastWritten(const std::wstring& path);
