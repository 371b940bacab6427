#include "backup/BackupStart.h"

#include "services/AppPaths.h"
#include "services/BackupLock.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

bool NoOtherBackupRuns(Prompts& prompts, BackupLock& lock, const std::wstring& title) {
    if (lock.Take())
        return true;
    prompts.Ask({L"Es wird gerade eine Sicherung der Registrierung durchgeführt.   ",
                 L"Bitte warten Sie, bis sie beendet ist, und versuchen Sie es dann erneut."},
                title, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

std::optional<AutobackStart> ReadableAutobackStart(Prompts& prompts, AutobackRun run) {
    const auto erunt = AnsiToolPath(prompts, EruntFolder());
    const auto program = erunt ? AnsiToolPath(prompts, ProgramFolder()) : std::nullopt;
    if (!program)
        return std::nullopt;
    return AutobackStart{AutobackPath(*erunt), AutobackCommandLine(*erunt, *program, run), *program};
}
