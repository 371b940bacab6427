#include "backup/Backups.h"

#include "backup/BackupList.h"
#include "backup/EruntCommands.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/FileDirPath.h"
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

} // namespace

std::optional<Backup> NewestAutomaticBackup(const std::wstring& sysreg) {
    if (sysreg.empty())
        return std::nullopt;
    std::vector<std::wstring> folders = {sysreg};
    for (std::wstring& dated : Subfolders(sysreg))
        folders.push_back(std::move(dated));
    std::optional<Backup> newest;
    for (const std::wstring& folder : folders) {
        if (!HoldsRestorer(folder))
            continue;
        Backup backup = {folder, LastWritten(folder + L"\\Erdnt.Inf")};
        if (!newest || SavedValue(backup) > SavedValue(*newest))
            newest = std::move(backup);
    }
    return newest;
}

std::optional<Backup> AutomaticBackupToRestore() {
    const std::wstring places[] = {SysregIn(ReadProgramSetting(Keys::DefaultDestinationFolder)),
                                   SysregIn(AccountProfile()), SysregIn(ProgramFolder())};
    for (const std::wstring& place : places)
        if (auto backup = NewestAutomaticBackup(place))
            return backup;
    return std::nullopt;
}

std::wstring ManualBackupFolder(const std::wstring& shownBefore) {
    const std::wstring root = ReadIniValue(EruntSettingsFile(), kSettingsSection, Keys::DefaultDestinationFolder);
    return PathExists(root) ? root : shownBefore;
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

bool RestoreAvailable(const std::wstring& shownBefore) {
    return AutomaticBackupToRestore() || !ManualBackupsIn(ManualBackupFolder(shownBefore)).empty();
}
