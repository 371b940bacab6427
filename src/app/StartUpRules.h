#pragma once
// The start-up's decisions that need no window.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The argument text of a command line: everything after the program's own name.
std::wstring_view ArgumentText(std::wstring_view commandLine);
// True when the arguments hold "/Auto" in any letter case, anywhere.
bool HasAutoSwitch(std::wstring_view arguments);
// The automatic backup is due unless its marker file was last written today.
bool AutomaticBackupDue(const std::optional<SYSTEMTIME>& markerWritten, const SYSTEMTIME& today);
// The newest automatic backup is more than a week old: the log-on backups have stopped.
bool AutomaticBackupOverdue(const SYSTEMTIME& saved, const SYSTEMTIME& now);
// The settings a first start needs in the program's settings file: the program
// folder as ERUNT's folder and its "Backup" folder for the backups. Values
// already there stay as they are; none is written for a program folder that
// the settings file cannot keep.
void WriteDefaultSettings();
// True on Windows 95, 98 and Me, which the program refuses.
bool IsWindows9x();
