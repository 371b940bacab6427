// The main window's load handler: the program's whole start-up.
#include "app/Root.h"
#include "app/StartUpRules.h"
#include "backup/AutomaticBackup.h"
#include "backup/BackupStart.h"
#include "backup/Backups.h"
#include "backup/EruntCommands.h"
#include "backup/ProtectedPlaces.h"
#include "services/AppPaths.h"
#include "services/BackupLock.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "services/MessagePump.h"
#include "services/Messages.h"
#include "services/WinSystemInfo.h"
#include "settings/Addresses.h"
#include "settings/Settings.h"

#include <tuple>

namespace {

constexpr wchar_t kNoBackup[] = L"Es konnte keine automatische Sicherung der Registrierung durchgeführt werden.   ";

} // namespace

void Root::Form_Load() {
    const std::wstring program = ProgramFolder();
    if (IsWindows9x()) {
        LookUpUserAtStart();
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
    // Only switching on needs AUTOBACK; an entry can always be removed. Whether the Task Scheduler
    // holds one is asked once the window is painted.
    if (!FileExists(AutobackPath(erunt)) && !AutomaticBackupInRunKey())
        EnableWindow(Control(IDC_BAUTOSICHERUNG), FALSE);
    if (!FileExists(erunt + L"\\NTREGOPT.EXE"))
        EnableWindow(Control(IDC_BOPTIMIERUNG), FALSE);
    if (!FileExists(erunt + L"\\ERUNT.EXE"))
        EnableWindow(Control(IDC_BSICHERUNGEN), FALSE);
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
        LookUpUserAtStart();
        RunAutomaticBackup();
        return;
    }
    // The restore button is looked at when the window becomes active.
    EnableButton(IDC_BUPDATES, IsWindowEnabled(Control(IDC_BUPDATES)));
    EnableButton(IDC_BCLEANER, FileExists(ReadProgramSetting(Keys::RegCleaner) + L"\\REGCLEANR.EXE") &&
                                   IsWindowEnabled(Control(IDC_BCLEANER)));
    checkBackupAgeAfterPaint_ = true;
}

// Start-up makes no use of the name; looking it up loads the clean-up window, which
// cleans what it finds and stays ready for later look-ups. A start that shows the
// window does this once the window is painted; one that ends without it, at once.
void Root::LookUpUserAtStart() {
    if (DefaultUserName().empty())
        cleanup_.SelectedUser(CleanupLoad::LookUpAndStay);
}

// The log-on run is unseen: a task switched off elsewhere, a moved program or an
// AUTOBACK that fails look the same as a backup made. Its backups' dates tell.
void Root::WarnOfAnOverdueBackup() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const auto newest = NewestAutomaticBackup(SysregIn(ProgramFolder()));
    // Switched on and never a backup is as overdue as it gets.
    const bool never = !newest || !newest->saved;
    // Whether it is switched on was asked just before, for the state panel.
    if ((!never && !AutomaticBackupOverdue(*newest->saved, now)) || !backupState_.automaticOn.value_or(false))
        return;
    // Over the window, as an action: no click starts another one meanwhile.
    RunAlone([&] {
        if (Ask({never ? L"Es wurde noch keine automatische Sicherung der Registrierung gespeichert.   "
                       : L"Die letzte automatische Sicherung der Registrierung wurde am " +
                             DayMonthYear(*newest->saved) + L" gespeichert.   ",
                 std::wstring(never ? L"Bei der Anmeldung wurde bisher keine Sicherung durchgeführt: "
                                    : L"Seitdem wurde bei der Anmeldung keine Sicherung mehr durchgeführt: ") +
                     L"Die Aufgabe, die bei der Anmeldung sichert, funktioniert möglicherweise nicht mehr.",
                 L"Möchten Sie die Registrierung jetzt sichern ?"},
                kProgramTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
            StartAutomaticBackupNow(*this);
    });
}

// Started with "/Auto" at log-on: back up the registry once a day without ever
// showing the window, then end. AUTOBACK keeps the backups of the last days side
// by side, so a damaged registry never replaces the last good backup.
void Root::RunAutomaticBackup() {
    const std::wstring program = ProgramFolder();
    SetCurrentDirectoryW(program.c_str());
    // Today's backup is there, of this run or of one that ran meanwhile: its restorer, and its Erdnt.Inf
    // written on the day of asking (AUTOBACK may end after midnight).
    const auto madeToday = [&] {
        SYSTEMTIME today;
        GetLocalTime(&today);
        const auto newest = NewestAutomaticBackup(SysregIn(program));
        return !AutomaticBackupDue(newest ? newest->saved : std::nullopt, today);
    };
    if (!madeToday()) {
        const std::wstring erunt = EruntFolder();
        if (!FileExists(AutobackPath(erunt)))
            ShowMessage(
                nullptr,
                {kNoBackup, L"Entweder ''Autoback.exe'' fehlt oder die Einstellungen wurden nicht konfiguriert."},
                kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
        else if (LogOnRunProtected(*this, kNoBackup, kProgramTitle) && FullRightsOrTold())
            BackUpAtLogOn(madeToday);
    }
    DoEvents();
    EndProgram(0);
}

// Unseen, the log-on run waits for AUTOBACK to end and looks for its backup: an
// account without full rights, a folder AUTOBACK cannot reach or a full disk leave
// none, and nobody would ever hear of it. A backup of another run still under way
// is waited for first, as it may be today's.
void Root::BackUpAtLogOn(const std::function<bool()>& madeToday) {
    BackupLock lock;
    for (; !lock.Take(); WaitResponsively(1))
        if (ending_)
            return;
    if (madeToday())
        return;
    const auto autoback = ReadableAutobackStart(*this, AutobackRun::AtLogOn);
    if (!autoback)
        return;
    SetCurrentDirectoryW(autoback->programFolder.c_str());
    UniqueKernelHandle started;
    if (!StartTool(autoback->executable, autoback->commandLine, SW_SHOWNORMAL, &started))
        return;
    lock.HandTo(started.get());
    WaitResponsivelyFor(started.get());
    if (!madeToday())
        ShowMessage(nullptr,
                    {kNoBackup,
                     L"''Autoback.exe'' hat im Ordner ''" + SysregIn(ProgramFolder()) +
                         L"'' keine Sicherung von heute abgelegt.",
                     L"Bitte überprüfen Sie den freien Speicherplatz und ob Sie über Administratorrechte verfügen."},
                    kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
}
