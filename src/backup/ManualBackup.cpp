#include "backup/ManualBackup.h"

#include "backup/BackupStart.h"
#include "backup/EruntCommands.h"
#include "services/BackupLock.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/Messages.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

void bSicherungen_Click(ActionHost& host) {
    const std::wstring installed = EruntFolder() + L"\\ERUNT.EXE";
    if (!FileExists(installed) || !host.FullRightsOrTold() || !ToolProtected(host, installed, kEruntBelongs))
        return;
    // ERUNT replaces today's backup without asking: only with its date settings in place is the
    // folder asked about the one it writes.
    if (!CompleteEruntDateSettings()) {
        host.Ask({L"Die Datumseinstellungen von Erunt konnten nicht gespeichert werden.   ", kNeedsAdministrator},
                 kProgramTitle, MB_OK | MB_ICONSTOP);
        return;
    }
    const std::wstring destination = ReadProgramSetting(Keys::DefaultDestinationFolder);
    if (!destination.empty() && PathExists(destination + L"\\" + EruntTodaysFolder()) &&
        host.Ask({L"Möchten Sie die vorhandene Registrierungssicherung überschreiben ?   "}, kProgramTitle,
                 MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
        return;
    const auto eruntFolder = AnsiToolPath(host, EruntFolder());
    const auto target = eruntFolder && !destination.empty() ? AnsiToolPath(host, destination) : destination;
    BackupLock lock;
    if (!eruntFolder || !target || !NoOtherBackupRuns(host, lock, kProgramTitle))
        return;
    UniqueKernelHandle erunt;
    if (host.StartTool(*eruntFolder + L"\\ERUNT.EXE",
                       ManualBackupCommandLine(*eruntFolder, *target, PathExists(destination)), SW_SHOWNORMAL,
                       &erunt)) {
        lock.HandTo(erunt.get());
        host.CloseAfterHandOver();
    }
}
