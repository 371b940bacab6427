#include "backup/Restore.h"

#include "backup/BackupList.h"
#include "backup/Backups.h"
#include "backup/EruntCommands.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/Processes.h"
#include "ui/ActionHost.h"

namespace {

constexpr wchar_t kRestoreTitle[] = L" Wiederherstellung der Registrierung";

// Restoring replaces the registry and restarts the computer: every question
// that leads there answers No to a key held down too long.
constexpr UINT kRestoreQuestion = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2;

// The restorer finds its backup through the path it was started by: one it reads back unchanged.
void StartRestorer(ActionHost& host, const std::wstring& folder) {
    const auto readable = AnsiToolPath(host, folder);
    if (!readable)
        return;
    const std::wstring restorer = *readable + L"\\Erdnt.exe";
    if (!host.StartTool(restorer, CommandPath(restorer), SW_SHOWNORMAL))
        return;
    host.HideBackupList();
    host.CloseAfterHandOver();
}

void RestoreAutomaticBackup(ActionHost& host, const Backup& backup) {
    if (!host.FullRightsOrTold())
        return;
    const std::wstring date = backup.saved ? DayMonthYear(*backup.saved) : std::wstring();
    if (host.Ask({L"Möchten Sie die am " + date + L" gespeicherte Registrierung wiederherstellen ?  ",
                  L"Bitte schließen Sie vor der Wiederherstellung alle laufenden Anwendungen.",
                  L"Der Computer wird automatisch nach der Rücksicherung neu gestarten."},
                 kRestoreTitle, kRestoreQuestion) == IDYES)
        StartRestorer(host, backup.folder);
}

void FillBackupList(ActionHost& host) {
    // A backup drive that is not plugged in is said so: no other folder's backups stand in for its own.
    const std::wstring root = ManualBackupFolder();
    if (!PathExists(root)) {
        host.Ask({L"Der Sicherungsordner ''" + root + L"'' ist nicht vorhanden.   ",
                  L"Bitte schließen Sie das Laufwerk der Sicherungen an oder wählen Sie in den "
                  L"Konfigurationsoptionen einen anderen Sicherungsordner."},
                 kRestoreTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::vector<ListedBackup> backups = ManualBackupsIn(root);
    std::vector<std::wstring> entries;
    for (const ListedBackup& backup : backups)
        entries.push_back(
            BackupListEntry(backup.name, backup.changed, backup.folder, !OpenPlaceOfBackup(backup.folder).empty()));
    // The action ends here, so that a double click on the list may start the restore at once.
    host.ShowBackupList(entries, NewestListed(backups));
}

} // namespace

// Without an automatic backup there is nothing to ask: the manual ones are listed at once.
void bWiederherstellen_Click(ActionHost& host) {
    host.LookUpUser();
    const auto automatic = AutomaticBackupToRestore();
    if (automatic && host.Ask({L"Möchten Sie die automatische Regiistrierungssicherung wiederherstellen ?  ",
                               L"Ansonsten erhalten Sie eine Auswahl der manuellen Sicherungen."},
                              kRestoreTitle, kRestoreQuestion) == IDYES)
        RestoreAutomaticBackup(host, *automatic);
    else
        FillBackupList(host);
}

void LBackups_DblClick(ActionHost& host) {
    const std::wstring entry = host.SelectedBackup();
    if (entry.empty() || !host.FullRightsOrTold())
        return;
    const std::wstring folder = FolderOfEntry(entry), open = OpenPlaceOfBackup(folder);
    if (open.empty() ||
        host.Ask({L"Die Sicherung ''" + folder + L"'' ist nicht geschützt.   ",
                  L"Andere Konten können ''" + open + L"'' ändern und könnten die Sicherung verändert haben.",
                  L"Möchten Sie die Sicherung trotzdem wiederherstellen ?"},
                 kRestoreTitle, kRestoreQuestion) == IDYES)
        StartRestorer(host, folder);
}
