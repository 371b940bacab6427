#include "settings/Settings.h"

#include "services/AppPaths.h"
#include "services/Dates.h"
#include "services/IniFiles.h"
#include "services/Messages.h"
#include "ui/ActionHost.h"

#include <cwchar>

std::wstring ProgramSettingsFile() {
    return ProgramFolder() + L"\\ERUNT.INI";
}

std::wstring ReadProgramSetting(const wchar_t* key) {
    return ReadIniValue(ProgramSettingsFile(), kSettingsSection, key);
}

void WriteProgramSetting(const wchar_t* key, const std::wstring& value) {
    WriteIniValue(ProgramSettingsFile(), kSettingsSection, key, value);
}

bool StoreChosenFolder(Prompts& prompts, const wchar_t* key, const std::wstring& folder, const std::wstring& title) {
    if (WriteIniValue(ProgramSettingsFile(), kSettingsSection, key, folder))
        return true;
    const DWORD error = GetLastError();
    prompts.Ask({L"Der Ordner ''" + folder + L"'' konnte nicht in den Einstellungen gespeichert werden.   ",
                 FailureReason(error, ProgramSettingsFile())},
                title, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

std::wstring FolderSetting(const wchar_t* key) {
    std::wstring folder = ReadProgramSetting(key);
    return folder.empty() ? ProgramFolder() : folder;
}

std::wstring EruntFolder() {
    return FolderSetting(Keys::InstallFolder);
}

std::wstring EruntSettingsFile() {
    return EruntFolder() + L"\\ERUNT.INI";
}

bool CompleteEruntDateSettings() {
    const std::wstring file = EruntSettingsFile();
    bool complete = true;
    for (const auto& [key, value] : kEruntDateSettings)
        if (ReadIniValue(file, kSettingsSection, key).empty())
            complete = WriteIniValue(file, kSettingsSection, key, value) != 0 && complete;
    return complete;
}

std::wstring EruntTodaysFolder() {
    const std::wstring file = EruntSettingsFile();
    SYSTEMTIME today;
    GetLocalTime(&today);
    return EruntDate(today, ReadIniValue(file, kSettingsSection, Keys::DateFormat),
                     ReadIniValue(file, kSettingsSection, Keys::DateSeparator));
}

long NumberValue(const std::wstring& text) {
    return std::wcstol(text.c_str(), nullptr, 10);
}
