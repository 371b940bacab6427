#include "settings/Settings.h"

#include "services/AppPaths.h"
#include "services/IniFiles.h"

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

std::wstring EruntFolder() {
    std::wstring folder = ReadProgramSetting(Keys::InstallFolder);
    return folder.empty() ? ProgramFolder() : folder;
}

long NumberValue(const std::wstring& text) {
    return std::wcstol(text.c_str(), nullptr, 10);
}
