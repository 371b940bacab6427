#include "backup/ManualBackup.h"

#include "app/Root.h"
#include "backup/EruntCommands.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/Messages.h"
#include "services/Processes.h"
#include "settings/Settings.h"

void bSicherungen_Click(Root& root) {
    const std::wstring installFolder = ReadProgramSetting(Keys::InstallFolder);
    if (!FileExists(installFolder + L"\\ERUNT.EXE"))
        return;

    const std::wstring destination = ReadProgramSetting(Keys::DefaultDestinationFolder);
    SYSTEMTIME today;
    GetLocalTime(&today);
    if (PathExists(destination + L"\\" + IsoDate(today)) &&
        ShowMessage(root.Handle(), {L"Möchten Sie die vorhandene Registrierungssicherung überschreiben ?   "},
                    kRootMessageTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return;

    StartProgram(installFolder + L"\\ERUNT.EXE",
                 ManualBackupCommandLine(installFolder, destination, PathExists(destination)), SW_SHOWNORMAL);
    root.CloseAfterHandOver();
}
