#include "backup/ManualBackup.h"

#include "backup/EruntCommands.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/Messages.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

void bSicherungen_Click(ActionHost& host) {
    const std::wstring eruntFolder = EruntFolder();
    const std::wstring erunt = eruntFolder + L"\\ERUNT.EXE";
    if (!FileExists(erunt) || !ToolProtected(host, erunt, kEruntBelongs))
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
    if (host.StartTool(erunt, ManualBackupCommandLine(eruntFolder, destination, PathExists(destination)),
                       SW_SHOWNORMAL))
        host.CloseAfterHandOver();
}
