#pragma once
// Local times for tests, to the minute.
#include <windows.h>

inline SYSTEMTIME LocalTime(WORD year, WORD month, WORD day, WORD hour = 12, WORD minute = 0) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    return time;
}
