#pragma once
// The command lines of ERUNT and its AUTOBACK, and the folders their backups go to.
#include <string>

// ERUNT's arguments for a full backup without questions.
inline constexpr wchar_t kEruntBackupArguments[] = L"sysreg curuser otherusers /noconfirmdelete";

// ERUNT's command line for a manual backup: into "<destination>\#Date#", which
// ERUNT expands to today's folder, or without a destination when there is
// none, leaving the place to ERUNT.
std::wstring ManualBackupCommandLine(const std::wstring& installFolder, const std::wstring& destination,
                                     bool destinationExists);

// AUTOBACK in ERUNT's folder, backing up the whole registry as ERUNT does into a
// dated folder in the program's "Sysreg" folder: at log-on quietly, keeping the
// backups of the last three days, or the first backup right away. Only in dated
// folders does AUTOBACK keep older backups: written into "Sysreg" itself, each
// backup would replace the last good one.
enum class AutobackRun { AtLogOn, FirstBackup };
std::wstring AutobackPath(const std::wstring& eruntFolder);
std::wstring AutobackCommandLine(const std::wstring& eruntFolder, const std::wstring& programFolder, AutobackRun run);

// The automatic backup's folder "Sysreg" in a folder; none ("") for no folder,
// which would name the current drive's root.
std::wstring SysregIn(const std::wstring& folder);
