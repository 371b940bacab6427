#pragma once
#include "backup/EruntCommands.h"

#include <optional>
#include <string>

class BackupLock;
class Prompts;

// Takes the lock for a backup started from the window; while another backup of
// this program runs, nothing starts and the user is told to try again once it
// has ended, under the title.
bool NoOtherBackupRuns(Prompts& prompts, BackupLock& lock, const std::wstring& title);

// AUTOBACK's start from ERUNT's folder into the program folder's "Sysreg", every
// path as AUTOBACK reads it back; none after the user was told which folder it
// cannot reach. The program folder is where AUTOBACK is started from.
struct AutobackStart {
    std::wstring executable, commandLine, programFolder;
};
std::optional<AutobackStart> ReadableAutobackStart(Prompts& prompts, AutobackRun run);
