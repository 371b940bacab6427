// The main window's load handler: the program's whole start-up.
#include "app/Root.h"
#include "app/StartUpRules.h"
#include "backup/AutomaticBackup.h"
#include "backup/Backups.h"
#include "backup/EruntCommands.h"
#include "backup/ProtectedPlaces.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/MessagePump.h"
#include "services/Messages.h"
#include "services/WinSystemInfo.h"
#include "settings/Addresses.h"
#include "settings/Settings.h"

#include <tuple>

void Root::Form_Load() {
    const std::wstring program = ProgramFolder();
    // Start-up makes no use of the name; looking it up loads the clean-up
    // window, which cleans what it finds and stays ready for later look-ups.
    if (DefaultUserName().empty())
        cleanup_.SelectedUser(CleanupLoad::LookUpAndStay);
    if (IsWindows9x()) {
        ShowMessage(nullptr, {L"Diese Anwendung kann nur unter Microsoft® Windows 2000/XP/Vista verwendet werden.   "},
                    kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
        EndProgram(1);
        return;
    }
    for (const auto& [key, button, overlay] : {std::tuple{Keys::BootClean, IDC_BBOOTCLEAN, IDC_PBOOTCLEAN},
                                               std::tuple{Keys::RegCleaner, IDC_BCLEANER, IDC_PCLEANER}})
        if (ReadProgramSetting(key).empty())
            MarkUnavailable(button, overlay);
    WriteDefaultSettings();
    const std::wstring erunt = EruntFolder();
    // An entry can always be removed; only switching on needs AUTOBACK.
    if (!FileExists(AutobackPath(erunt)) && !AutomaticBackupIsOn(Tasks()))
        EnableWindow(Control(IDC_BAUTOSICHERUNG), FALSE);
    if (!FileExists(erunt + L"\\NTREGOPT.EXE"))
        EnableWindow(Control(IDC_BOPTIMIERUNG), FALSE);
    if (!FileExists(erunt + L"\\ERUNT.EXE"))
        EnableWindow(Control(IDC_BSICHERUNGEN), FALSE);
    EnableWindow(Control(IDC_BWIEDERHERSTELLEN), RestoreAvailable());
    const bool programFolderHasErunt = FileExists(program + L"\\ERUNT.EXE") && FileExists(program + L"\\NTREGOPT.EXE");
    if (!programFolderHasErunt && !FileExists(erunt + L"\\ERUNT.EXE")) {
        if (ShowMessage(nullptr,
                        {L"Diese Anwendung benötigt das installierte Programm ''Erunt'' welches kostenlos ist.   ",
                         L"Erunt - Das Emergency Recovery Utility NT Version 1.1j, 27.07.2006 (Freeware)",
                         L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden.",
                         kEruntDownloadLine},
                        kEruntTitle, MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY)
            Open(kEruntDownloadPage);
        return;
    }
    if (HasAutoSwitch(ArgumentText(GetCommandLineW()))) {
        RunAutomaticBackup();
        return;
    }
    for (const int button : {IDC_BWIEDERHERSTELLEN, IDC_BUPDATES})
        EnableButton(button, IsWindowEnabled(Control(button)));
    EnableButton(IDC_BCLEANER, FileExists(ReadProgramSetting(Keys::RegCleaner) + L"\\REGCLEANR.EXE") &&
                                   IsWindowEnabled(Control(IDC_BCLEANER)));
    WarnOfAnOverdueBackup();
}

// The log-on run is unseen: a task switched off elsewhere, a moved program or an
// AUTOBACK that fails look the same as a backup made. Its backups' dates tell.
void Root::WarnOfAnOverdueBackup() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const auto newest = NewestAutomaticBackup(SysregIn(ProgramFolder()));
    if (!newest || !newest->saved || !AutomaticBackupOverdue(*newest->saved, now) || !AutomaticBackupIsOn(Tasks()))
        return;
    ShowMessage(nullptr,
                {L"Die letzte automatische Sicherung der Registrierung wurde am " + DayMonthYear(*newest->saved) +
                     L" gespeichert.   ",
                 L"Seitdem wurde bei der Anmeldung keine Sicherung mehr durchgeführt.",
                 L"Bitte überprüfen Sie die Einstellung ''Automatische Sicherungen''."},
                kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
}

// Started with "/Auto" at log-on: back up the registry once a day without ever
// showing the window, then end. AUTOBACK keeps the backups of the last days side
// by side, so a damaged registry never replaces the last good backup.
void Root::RunAutomaticBackup() {
    const std::wstring program = ProgramFolder();
    SetCurrentDirectoryW(program.c_str());
    SYSTEMTIME today;
    GetLocalTime(&today);
    const auto newest = NewestAutomaticBackup(SysregIn(program));
    if (AutomaticBackupDue(newest ? newest->saved : std::nullopt, today)) {
        const std::wstring erunt = EruntFolder();
        constexpr wchar_t kNoBackup[] =
            L"Es konnte keine automatische Sicherung der Registrierung durchgeführt werden.   ";
        if (!FileExists(AutobackPath(erunt)))
            ShowMessage(
                nullptr,
                {kNoBackup, L"Entweder ''Autoback.exe'' fehlt oder die Einstellungen wurden nicht konfiguriert."},
                kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
        else if (LogOnRunProtected(*this, kNoBackup, kProgramTitle))
            StartTool(AutobackPath(erunt), AutobackCommandLine(erunt, program, AutobackRun::AtLogOn), SW_SHOWNORMAL);
    }
    DoEvents();
    EndProgram(0);
}
