#include "backup/Restore.h"

#include "backup/BackupList.h"
#include "backup/EruntCommands.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/FolderListing.h"
#include "services/Dates.h"
#include "services/FileDirPath.h"
#include "services/IniFiles.h"
#include "services/Processes.h"
#include "services/UserProfiles.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

#include <array>

namespace {

constexpr wchar_t kRestoreTitle[] = L" Wiederherstellung der Registrierung";

// Restoring replaces the registry and restarts the computer: every question
// that leads there answers No to a key held down too long.
constexpr UINT kRestoreQuestion = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2;

// The profile is only ever the account's own: another account's profile could hold a planted restorer.
void RestoreAutomaticBackup(ActionHost& host, const std::wstring& destination) {
    const std::array<std::wstring, 3> places = {SysregIn(destination), SysregIn(AccountProfile()),
                                                SysregIn(ProgramFolder())};
    for (const std::wstring& place : places) {
        const std::wstring restorer = place + L"\\Erdnt.exe";
        if (place.empty() || !FileExists(restorer))
            continue;
        const auto saved = LastWritten(place + L"\\Erdnt.Inf");
        const std::wstring date = saved ? DayMonthYear(*saved) : std::wstring();
        if (host.Ask({L"Möchten Sie die am " + date + L" gespeicherte Registrierung wiederherstellen ?  ",
                      L"Bitte schließen Sie vor der Wiederherstellung alle laufenden Anwendungen.",
                      L"Der Computer wird automatisch nach der Rücksicherung neu gestarten."},
                     kRestoreTitle, kRestoreQuestion) != IDYES)
            return;
        if (host.StartTool(restorer, CommandPath(restorer), SW_SHOWNORMAL))
            host.CloseAfterHandOver();
        return;
    }
}

void FillBackupList(ActionHost& host) {
    const std::wstring backups =
        ReadIniValue(EruntFolder() + L"\\ERUNT.INI", kSettingsSection, Keys::DefaultDestinationFolder);
    // Without a backup root, the folder listed last time (at first the start folder) is listed again.
    std::wstring& listed = host.State().listedFolder;
    if (PathExists(backups))
        listed = backups;
    std::vector<std::wstring> entries;
    // A backup is a folder with ERUNT's restorer in it; any other folder is no choice.
    for (const std::wstring& folder : Subfolders(listed)) {
        const std::wstring name = LastPathPart(folder);
        const auto changed = LastWritten(folder);
        if (!IsAutomaticBackupFolder(name) && changed && FileExists(folder + L"\\Erdnt.exe"))
            entries.push_back(BackupListEntry(name, *changed, folder));
    }
    // The action ends here, so that a double click on the list may start the restore at once.
    host.ShowBackupList(entries);
}

} // namespace

void bWiederherstellen_Click(ActionHost& host) {
    const std::wstring destination = ReadProgramSetting(Keys::DefaultDestinationFolder);
    // Where no user is registered, this loads the clean-up window, as every restore does.
    host.UserForProfiles();
    if (host.Ask({L"Möchten Sie die automatische Regiistrierungssicherung wiederherstellen ?  ",
                  L"Ansonsten erhalten Sie eine Auswahl der manuellen Sicherungen."},
                 kRestoreTitle, kRestoreQuestion) == IDYES)
        RestoreAutomaticBackup(host, destination);
    else
        FillBackupList(host);
}

void LBackups_DblClick(ActionHost& host) {
    const std::wstring entry = host.SelectedBackup();
    if (entry.empty())
        return;
    const std::wstring restorer = FolderOfEntry(entry) + L"\\Erdnt.exe";
    if (!host.StartTool(restorer, CommandPath(restorer), SW_SHOWNORMAL))
        return;
    host.HideBackupList();
    host.CloseAfterHandOver();
}
