#pragma once
// The settings the program and ERUNT share: values in section "ERUNT" of the
// files named ERUNT.INI, one in the program folder and one in the ERUNT folder.
#include <string>

namespace Keys {
inline constexpr wchar_t InstallFolder[] = L"InstallFolder";
inline constexpr wchar_t BootClean[] = L"BootClean";
inline constexpr wchar_t RegCleaner[] = L"RegCleaner";
inline constexpr wchar_t WinPatch[] = L"WinPatch";
inline constexpr wchar_t DefaultDestinationFolder[] = L"DefaultDestinationFolder";
inline constexpr wchar_t AppendDateToFolderEditField[] = L"AppendDateToFolderEditField";
inline constexpr wchar_t DisableFastBackup[] = L"DisableFastBackup";
inline constexpr wchar_t DateFormat[] = L"DateFormat";
inline constexpr wchar_t DateSeparator[] = L"DateSeparator";
inline constexpr wchar_t TimeFormat[] = L"TimeFormat";
inline constexpr wchar_t TimeSeparator[] = L"TimeSeparator";
} // namespace Keys

inline constexpr wchar_t kSettingsSection[] = L"ERUNT";

// ProgramFolder() + "\ERUNT.INI".
std::wstring ProgramSettingsFile();
// A value of the program settings file, read afresh; "" when missing.
std::wstring ReadProgramSetting(const wchar_t* key);
void WriteProgramSetting(const wchar_t* key, const std::wstring& value);

// The value of InstallFolder, or the program folder when that is empty.
std::wstring EruntFolder();

// A flag or number as the program reads it: the leading whole number of the
// text; empty or non-numeric text counts as 0.
long NumberValue(const std::wstring& text);
