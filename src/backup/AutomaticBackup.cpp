#include "backup/AutomaticBackup.h"

#include "backup/BackupStart.h"
#include "backup/Backups.h"
#include "backup/EruntCommands.h"
#include "backup/ProtectedPlaces.h"
#include "resource.h"
#include "services/AppPaths.h"
#include "services/BackupLock.h"
#include "services/Dateiexistenz.h"
#include "services/LogonTask.h"
#include "services/MessagePump.h"
#include "services/Messages.h"
#include "services/Registry.h"
#include "services/Text.h"
#include "services/WinSystemInfo.h"
#include "services/WindowsOrdner.h"
#include "services/WindowsVersion.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

#include <algorithm>
#include <span>

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"Erunt";
// The name earlier versions gave the task, one for the whole computer; each account's own task adds the account.
constexpr wchar_t kTaskName[] = L"Hivora Autosicherung";
constexpr wchar_t kTitle[] = L" Dired Arazerev-Uvozevo";

// The hourglass for as long as the action runs, whichever way it ends.
class WaitPointer {
public:
    explicit WaitPointer(ActionHost& host) : host_(host) { host_.ShowWaitPointer(true); }
    ~WaitPointer() {
        host_.ShowWaitPointer(false);
        DoEvents();
    }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;

private:
    ActionHost& host_;
};

// Both builds keep the entry in the 64-bit view on 64-bit Windows, so there is
// only ever one; the 32-bit view is where an older 32-bit program left it.
std::span<const REGSAM> RunKeyViews() {
    static constexpr REGSAM kBothViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
    static constexpr REGSAM kOnlyView[] = {0};
    return Is64BitWindows() ? std::span<const REGSAM>(kBothViews) : std::span<const REGSAM>(kOnlyView);
}

bool EntryIn(REGSAM view) {
    RegistryValue present;
    return RegistryReadValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, present, view);
}

// From Vista on, Windows starts the Run key's programs with a filtered token even for an
// administrator, which AUTOBACK cannot back up with: a log-on task runs it with full rights.
bool UsesLogonTask() {
    return WindowsVersion().dwMajorVersion >= 6;
}

// Each account has its own task, named by the account's SID, which stays when the account is renamed.
std::wstring OwnTaskName() {
    return std::wstring(kTaskName) + L" " + AccountSid();
}

std::wstring ThisProgram() {
    return ProgramFolder() + L"\\" + ProgramName() + L".exe";
}

// Where the system does not say whose a task is, it is the task an earlier version made for this account.
bool Mine(const LogonTask& task) {
    return task.account.empty() || SameTextIgnoringCase(task.account, CurrentAccount());
}

// The task backs up at this account's log-on: it is enabled and, where the system
// says what it starts, starts this very program file, not a moved or renamed one.
bool StartsThisProgram(const LogonTask& task) {
    std::wstring program = task.program;
    std::erase(program, L'"');
    return Mine(task) && task.enabled && (program.empty() || SameTextIgnoringCase(program, ThisProgram()));
}

// False when a task of this account of one of the names is left.
bool DeleteMine(LogonTasks& tasks, std::initializer_list<std::wstring> names) {
    bool deleted = true;
    for (const std::wstring& name : names)
        if (const auto task = tasks.Find(name); task && Mine(*task))
            deleted = tasks.Delete(name) && deleted;
    return deleted;
}

// The program itself with "/Auto", at every log-on; a task of this account replaces the one from before.
bool Register(LogonTasks& tasks) {
    const std::wstring command = L"\"" + ThisProgram() + L"\"";
    if (UsesLogonTask())
        return DeleteMine(tasks, {kTaskName}) &&
               tasks.Register(OwnTaskName(), {CurrentAccount(), command, L"/Auto", ProgramFolder()});
    return RegistryWriteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, command + L" /Auto", RunKeyViews().front());
}

// False when AUTOBACK is missing or the entry could not be written; then nothing else happens.
bool SwitchOn(ActionHost& host) {
    const std::wstring eruntFolder = EruntFolder();
    if (!FileExists(AutobackPath(eruntFolder))) {
        host.Ask({L"Die Emergency Recovery Autosicherung konnte nicht im Ordner gefunden werden.   ",
                  L"Überprüfen Sie bitte ob sich der Erunt-Manager im gleichen Ordner befindet.",
                  L"Die Installation der automatischen Sicherung ist leider fehlgeschlagen."},
                 kTitle, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!host.FullRightsOrTold())
        return false;
    if (!LogOnRunProtected(host, L"Die Emergency Recovery Autosicherung kann nicht eingetragen werden.   ", kTitle))
        return false;
    if (host.Ask({L"Die Emergency Recovery Autosicherung kann nun eingetragen werden.   ",
                  L"Möchten Sie die Registrierung automatisch alle 3 Tagen sichern ?"},
                 kTitle, MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return false;
    if (!Register(host.Tasks())) {
        host.Ask({L"Die Emergency Recovery Autosicherung konnte nicht eingetragen werden.   ", kNeedsAdministrator},
                 kTitle, MB_OK | MB_ICONSTOP);
        return false;
    }
    DoEvents();
    if (host.Ask({L"Möchten Sie die erste Sicherung der Registrierung sofort durchführen ?   "}, kEruntTitle,
                 MB_YESNO | MB_ICONQUESTION) == IDNO)
        return false;
    StartAutomaticBackupNow(host);
    return true;
}

void SwitchOff(ActionHost& host) {
    if (host.Ask({L"Die Emergency Recovery Autosicherung kann nun entfernt werden.   ",
                  L"Möchten Sie auf die Sicherung der Registrierung verzichten ?"},
                 kTitle, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
        return;
    bool removed = DeleteMine(host.Tasks(), {OwnTaskName(), kTaskName});
    for (const REGSAM view : RunKeyViews())
        if (EntryIn(view))
            removed = RegistryDeleteValue(HKEY_LOCAL_MACHINE, kRunKey, kRunValue, view) && removed;
    if (!removed)
        host.Ask({L"Die Emergency Recovery Autosicherung konnte nicht entfernt werden.   ", kNeedsAdministrator},
                 kTitle, MB_OK | MB_ICONSTOP);
}

} // namespace

// A Run value left from before counts on any Windows, whatever it starts.
bool AutomaticBackupInRunKey() {
    const auto views = RunKeyViews();
    return std::any_of(views.begin(), views.end(), EntryIn);
}

bool AutomaticBackupIsOn(LogonTasks& tasks) {
    const auto backsUp = [&tasks](const std::wstring& name) {
        const auto task = tasks.Find(name);
        return task && StartsThisProgram(*task);
    };
    return AutomaticBackupInRunKey() || backsUp(OwnTaskName()) || backsUp(kTaskName);
}

void StartAutomaticBackupNow(ActionHost& host) {
    if (!host.FullRightsOrTold())
        return;
    const auto autoback = ReadableAutobackStart(host, AutobackRun::FirstBackup);
    BackupLock lock;
    UniqueKernelHandle started;
    if (autoback && NoOtherBackupRuns(host, lock, kEruntTitle) &&
        host.StartTool(autoback->executable, autoback->commandLine, SW_SHOWNORMAL, &started)) {
        lock.HandTo(started.get());
        host.Wait(1);
    }
}

// AUTOBACK is needed only to switch on: an entry is always offered for removal.
void bAutosicherung_Click(ActionHost& host) {
    const WaitPointer busy(host);
    host.LookUpUser();
    if (AutomaticBackupIsOn(host.Tasks()))
        SwitchOff(host);
    else if (!SwitchOn(host))
        return;
    host.EnableButton(IDC_BWIEDERHERSTELLEN, RestoreAvailable());
}
