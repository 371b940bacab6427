#pragma once
// The backups restore can offer, recognised by the restorer ERUNT writes into
// each of them, never by a record of the program's own.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct Backup {
    std::wstring folder;
    // When ERUNT wrote it: the time of its Erdnt.Inf; none when that cannot be read.
    std::optional<SYSTEMTIME> saved;
};

// The automatic backup in a "Sysreg" folder: AUTOBACK keeps a few days' backups
// in dated subfolders, and earlier versions wrote into the folder itself. Of
// those holding Erdnt.exe, the one whose Erdnt.Inf was written last.
std::optional<Backup> NewestAutomaticBackup(const std::wstring& sysreg);

// The newest automatic backup that no other account could have changed, of the
// backup folder's "Sysreg", the account's own profile's (never one named after a
// user, where another account's restorer could lie) and the program folder's;
// of equally new ones, the first. Restoring starts its Erdnt.exe with full rights.
std::optional<Backup> AutomaticBackupToRestore();
// The first place of a backup that another account could change (see OpenPlace):
// its folder, Erdnt.exe or Erdnt.Inf, or a folder above; "" when none.
std::wstring OpenPlaceOfBackup(const std::wstring& folder);

struct ListedBackup {
    std::wstring name, folder;
    // When ERUNT wrote it: the time of its Erdnt.Inf, or the folder's where that cannot be read.
    SYSTEMTIME changed;
};
// The folder the list of manual backups shows: the backup root in ERUNT's settings.
std::wstring ManualBackupFolder();
// The manual backups in a folder, by name: subfolders holding Erdnt.exe, except "Sysreg".
std::vector<ListedBackup> ManualBackupsIn(const std::wstring& folder);
// The backup made last; 0 for an empty list.
size_t NewestListed(const std::vector<ListedBackup>& backups);

// Restore has something to offer: an automatic backup in any place, or a manual one.
bool RestoreAvailable();
