#pragma once
// One value of an INI settings file. The files are shared with ERUNT, an ANSI
// program, so they stay text in the ANSI code page.
#include <cstdint>
#include <optional>
#include <string>

// The value of key in section, at most 254 characters; "" when the file,
// the section or the key is missing. Section and key ignore letter case.
std::wstring ReadIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key);

// Stores the value, creating file, section and key as needed; an empty value
// stays as "key=". A value that would not read back whole (no ANSI form, or
// longer than a read gives) is stored as its short 8.3 name when that fits.
// Returns the platform's result, non-zero on success.
int32_t WriteIniValue(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                      const std::wstring& value);

// The form in which WriteIniValue stores the folder, when that form reads back
// as the same folder; none when the folder cannot be kept in a settings file.
std::optional<std::wstring> SettingsFormOfFolder(const std::wstring& folder);

// Shown when a chosen folder has no such form.
inline constexpr wchar_t kUnstorableFolderMessage[] =
    L"Dieser Ordner kann nicht in den Einstellungen gespeichert werden.   \n"
    L"Bitte wählen Sie einen Ordner mit kürzerem Pfad, dessen Name nur Zeichen des Systemzeichensatzes enthält.";
