#include "backup/Backups.h"

#include "backup/BackupList.h"
#include "backup/EruntCommands.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/FileDirPath.h"
#include "services/FileSecurity.h"
#include "services/FolderListing.h"
#include "services/IniFiles.h"
#include "services/UserProfiles.h"
#include "settings/Settings.h"

#include <algorithm>

namespace {

bool HoldsRestorer(const std::wstring& folder) {
    return FileExists(folder + L"\\Erdnt.exe");
}

// A backup whose time cannot be read counts as the oldest.
uint64_t SavedValue(const Backup& backup) {
    return backup.saved ? TimeValue(*backup.saved) : 0;
}

// The backups in a "Sysreg" folder, in the folder itself and its dated subfolders, added to the list.
void AddAutomaticBackups(const std::wstring& sysreg, std::vector<Backup>& backups) {
    if (sysreg.empty())
        return;
    std::vector<std::wstring> folders = {sysreg};
    for (std::wstring& dated : Subfolders(sysreg))
        folders.push_back(std::move(dated));
    for (const std::wstring& folder : folders)
        if (HoldsRestorer(folder))
            backups.push_back({folder, LastWritten(folder + L"\\Erdnt.Inf")});
}

// Of equally new ones the first.
std::optional<Backup> Newest(const std::vector<Backup>& backups) {
    const auto newest = std::max_element(backups.begin(), backups.end(), [](const Backup& first, const Backup& second) {
        return SavedValue(first) < SavedValue(second);
    });
    return newest == backups.end() ? std::nullopt : std::optional(*newest);
}

} // namespace

std::optional<Backup> NewestAutomaticBackup(const std::wstring& sysreg) {
    std::vector<Backup> backups;
    AddAutomaticBackups(sysreg, backups);
    return Newest(backups);
}

std::optional<Backup> AutomaticBackupToRestore() {
    std::vector<Backup> backups;
    for (const std::wstring& place :
         {ReadProgramSetting(Keys::DefaultDestinationFolder), AccountProfile(), ProgramFolder()})
        AddAutomaticBackups(SysregIn(place), backups);
    std::erase_if(backups, [](const Backup& backup) { return !OpenPlaceOfBackup(backup.folder).empty(); });
    return Newest(backups);
}

std::wstring OpenPlaceOfBackup(const std::wstring& folder) {
    return OpenPlace({folder, folder + L"\\Erdnt.exe", folder + L"\\Erdnt.Inf"});
}

std::wstring ManualBackupFolder() {
    return ReadIniValue(EruntSettingsFile(), kSettingsSection, Keys::DefaultDestinationFolder);
}

std::vector<ListedBackup> ManualBackupsIn(const std::wstring& folder) {
    std::vector<ListedBackup> backups;
    if (folder.empty()) // would name the current drive's root
        return backups;
    for (const std::wstring& subfolder : Subfolders(folder)) {
        std::wstring name = LastPathPart(subfolder);
        // A folder's time changes whenever anything in it does, a run of its restorer too.
        auto changed = LastWritten(subfolder + L"\\Erdnt.Inf");
        if (!changed)
            changed = LastWritten(subfolder);
        if (!IsAutomaticBackupFolder(name) && changed && HoldsRestorer(subfolder))
            backups.push_back({std::move(name), subfolder, *changed});
    }
    return backups;
}

// The names keep the list in order, but a date format that begins with the day sorts them by day.
size_t NewestListed(const std::vector<ListedBackup>& backups) {
    const auto newest = std::max_element(backups.begin(), backups.end(), [](const auto& first, const auto& second) {
        return TimeValue(first.changed) < TimeValue(second.changed);
    });
    return newest == backups.end() ? 0 : static_cast<size_t>(newest - backups.begin());
}

bool RestoreAvailable() {
    return AutomaticBackupToRestore() || !ManualBackupsIn(ManualBackupFolder()).empty();
}
