#include "backup/ManualBackup.h"

#include "backup/EruntCommands.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/Messages.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

void bSicherungen_Click(ActionHost& host) {
    const std::wstring installFolder = ReadProgramSetting(Keys::InstallFolder);
    if (!FileExists(installFolder + L"\\ERUNT.EXE"))
        return;
    const std::wstring destination = ReadProgramSetting(Keys::DefaultDestinationFolder);
    SYSTEMTIME today;
    GetLocalTime(&today);
    if (PathExists(destination + L"\\" + IsoDate(today)) &&
        host.Ask({L"Möchten Sie die vorhandene Registrierungssicherung überschreiben ?   "}, kProgramTitle,
                 MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return;
    host.Start(installFolder + L"\\ERUNT.EXE",
               ManualBackupCommandLine(installFolder, destination, PathExists(destination)), SW_SHOWNORMAL);
    host.CloseAfterHandOver();
}
