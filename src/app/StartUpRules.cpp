#include "app/StartUpRules.h"

#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/IniFiles.h"
#include "services/Text.h"
#include "services/WindowsVersion.h"
#include "settings/Settings.h"

#include <algorithm>

std::wstring_view ArgumentText(std::wstring_view commandLine) {
    size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        end = commandLine.find(L'"', 1);
        end = end == std::wstring_view::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
    }
    commandLine.remove_prefix(end);
    while (!commandLine.empty() && (commandLine.front() == L' ' || commandLine.front() == L'\t'))
        commandLine.remove_prefix(1);
    return commandLine;
}

bool HasAutoSwitch(std::wstring_view arguments) {
    return UpperCase(arguments).find(L"/AUTO") != std::wstring::npos;
}

bool AutomaticBackupDue(const std::optional<SYSTEMTIME>& markerWritten, const SYSTEMTIME& today) {
    return !markerWritten || DayMonthYear(*markerWritten) != DayMonthYear(today);
}

bool AutomaticBackupOverdue(const SYSTEMTIME& saved, const SYSTEMTIME& now) {
    const uint64_t savedValue = TimeValue(saved);
    return savedValue != 0 && TimeValue(now) > savedValue + 7 * kTimeValueDay;
}

void WriteDefaultSettings() {
    const std::wstring program = ProgramFolder();
    const bool noBackupFolder = ReadProgramSetting(Keys::DefaultDestinationFolder).empty();
    if (noBackupFolder && !PathExists(program + L"\\backup"))
        CreateDirectoryW((program + L"\\backup").c_str(), nullptr);
    // A folder that cannot be stored so that it reads back is left out: a look-alike would name another
    // folder, where an empty value stands for the program folder.
    if (!SettingsFormOfFolder(program))
        return;
    if (ReadProgramSetting(Keys::InstallFolder).empty())
        WriteProgramSetting(Keys::InstallFolder, program);
    if (noBackupFolder)
        WriteProgramSetting(Keys::DefaultDestinationFolder, program + L"\\Backup");
}

bool IsWindows9x() {
    return WindowsVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}
