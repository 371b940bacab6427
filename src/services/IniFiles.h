#pragma once
// One value of an INI settings file. The files are shared with ERUNT, an ANSI
// program, so they stay text in the ANSI code page.
#include <cstdint>
#include <string>

// The value of key in section, at most 254 characters; "" when the file,
// the section or the key is missing. Section and key ignore letter case.
std::wstring ReadIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key);

// Stores the value, creating file, section and key as needed; an empty value
// stays as "key=". Returns the platform's result, non-zero on success.
int32_t WriteIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                      const std::wstring& value);
