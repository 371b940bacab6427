#pragma once
// What the description panel shows while no description is on screen: whether
// the registry is backed up, so that a user sees at a glance what is safe and
// why buttons are grey.
#include <windows.h>

#include <optional>
#include <string>

struct BackupState {
    // By the rule the button "Automatische Sicherungen" switches by; none until the Task Scheduler was asked.
    std::optional<bool> automaticOn;
    bool eruntMissing = false;
    // Restore has a backup to offer.
    bool restorable = false;
    // When the newest backup with a readable time was made, and whether it is the automatic one.
    std::optional<SYSTEMTIME> newest;
    bool newestAutomatic = false;
};

// The backups as restore finds them, the manual ones in the folder it lists; whether the automatic backup
// is on stays to be asked.
BackupState ReadBackupState();

std::wstring BackupStateText(const BackupState& state);
