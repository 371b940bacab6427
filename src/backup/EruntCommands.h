#pragma once
// ERUNT's command lines and the date form of its backup folders.
#include <string>

// ERUNT's arguments for a full backup without questions.
inline constexpr wchar_t kEruntBackupArguments[] = L"sysreg curuser otherusers /noconfirmdelete";

// ERUNT's command line for a manual backup: into "<destination>\#Date#", which
// ERUNT expands to today's folder, or without a destination when there is
// none, leaving the place to ERUNT.
std::wstring ManualBackupCommandLine(const std::wstring& installFolder, const std::wstring& destination,
                                     bool destinationExists);
