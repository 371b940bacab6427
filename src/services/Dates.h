#pragma once
// Dates and times as the program writes them, and the time a file was written.
#include <windows.h>

#include <optional>
#include <string>

// 07.03.2008
std::wstring DayMonthYear(const SYSTEMTIME& date);
// 2008-03-07, the name ERUNT gives a day's backup folder.
std::wstring IsoDate(const SYSTEMTIME& date);
// (07.03 2008, 14:05), as the list of backups shows a folder's time.
std::wstring ListDateTime(const SYSTEMTIME& date);
// The local time a file or folder was last written, if it can be read.
std::optional<SYSTEMTIME> LastWritten(const std::wstring& path);
