#pragma once
// The settings the program and ERUNT share: values in section "ERUNT" of the
// files named ERUNT.INI, one in the program folder and one in the ERUNT folder.
#include <string>
#include <utility>

class Prompts;

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
// Stores a folder the user chose in the program settings file. When it cannot,
// the user is told why, in a message with this title, and the value stored
// before stays. True when it was stored.
bool StoreChosenFolder(Prompts& prompts, const wchar_t* key, const std::wstring& folder, const std::wstring& title);

// The folder a tool's setting names, or the program folder when it is empty:
// joined to a file name, an empty folder would name the current drive's root.
std::wstring FolderSetting(const wchar_t* key);
// FolderSetting(InstallFolder), where ERUNT and its tools live.
std::wstring EruntFolder();
// EruntFolder() + "\ERUNT.INI", ERUNT's own settings.
std::wstring EruntSettingsFile();

// ERUNT names a day's backup folder by these; with these values the name is
// yyyy-mm-dd, the one the program looks for before a backup.
inline constexpr std::pair<const wchar_t*, const wchar_t*> kEruntDateSettings[] = {{Keys::DateFormat, L"yyyy/mm/dd"},
                                                                                   {Keys::DateSeparator, L"-"}};
// Writes those of them that ERUNT's settings file lacks; false when a write failed.
bool CompleteEruntDateSettings();
// Today's backup folder as ERUNT names it by the date settings in its settings file.
std::wstring EruntTodaysFolder();

// A flag or number as the program reads it: the leading whole number of the
// text; empty or non-numeric text counts as 0.
long NumberValue(const std::wstring& text);
