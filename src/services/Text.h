#pragma once
// The program works in UTF-16; these convert at the edges where the system fixes bytes,
// and compare names the way the file system does.
#include <string>
#include <string_view>

// Bytes in the system's ANSI code page to UTF-16.
std::wstring FromAnsi(std::string_view text);
// UTF-16 to the ANSI code page; characters that have no ANSI form become '?'.
std::string ToAnsi(std::wstring_view text);
// True when every character survives the trip to the ANSI code page and back.
bool FitsAnsiCodePage(std::wstring_view text);
// Text of a narrow message (an exception's what()), which is ASCII or UTF-8.
std::wstring FromUtf8(std::string_view text);

// The text in capitals by the system's case table, as the file system compares names;
// locale-independent, so a Turkish "i" still becomes "I".
std::wstring UpperCase(std::wstring_view text);
// Ordinal comparison without regard to letter case: below, at or above zero.
int CompareIgnoringCase(std::wstring_view first, std::wstring_view second);
bool SameTextIgnoringCase(std::wstring_view first, std::wstring_view second);
