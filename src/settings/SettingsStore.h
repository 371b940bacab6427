#pragma once
// Loads the settings window's six fields from the two settings files and
// stores them back, with the carry-over of ERUNT's file into the program's.
#include <string>

struct SettingsFields {
    std::wstring tInstall;
    std::wstring tSicherungen;
    bool bSubfolder = false;
    bool bComplete = false;
    std::wstring tBootClean;
    std::wstring tCleaner;
};

// Both work on the settings files of the given program folder (the running
// program's, ProgramFolder()); a missing file reads as empty values. A store
// runs to its end whatever fails and answers false when any write or copy of
// a settings file failed.
SettingsFields GetDatabase(const std::wstring& programFolder);
bool SetDatabase(const SettingsFields& fields, const std::wstring& programFolder);

// The folder settings a tool folder must hold its executable in.
inline constexpr wchar_t kPrefetchCleaner[] = L"\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE";
inline constexpr wchar_t kRegCleaner[] = L"\\REGCLEANR.EXE";
