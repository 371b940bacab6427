#include "app/BackupState.h"

#include "backup/Backups.h"
#include "services/Dateiexistenz.h"
#include "services/Dates.h"
#include "settings/Settings.h"

BackupState ReadBackupState() {
    BackupState state;
    state.eruntMissing = !FileExists(EruntFolder() + L"\\ERUNT.EXE");
    const auto automatic = AutomaticBackupToRestore();
    const auto manual = ManualBackupsIn(ManualBackupFolder());
    state.restorable = automatic || !manual.empty();
    if (automatic && automatic->saved) {
        state.newest = automatic->saved;
        state.newestAutomatic = true;
    }
    if (!manual.empty()) {
        const SYSTEMTIME& made = manual[NewestListed(manual)].changed;
        if (!state.newest || TimeValue(made) > TimeValue(*state.newest)) {
            state.newest = made;
            state.newestAutomatic = false;
        }
    }
    return state;
}

std::wstring BackupStateText(const BackupState& state) {
    std::wstring text;
    if (state.automaticOn)
        text = *state.automaticOn ? L"Automatische Sicherung: eingeschaltet\n"
                                  : L"Automatische Sicherung: ausgeschaltet\n";
    if (state.newest)
        text += L"Letzte Sicherung: " + DayMonthYearTime(*state.newest) +
                (state.newestAutomatic ? L" (automatisch)" : L" (manuell)");
    else
        text += state.restorable ? L"Die vorhandene Sicherung trägt kein lesbares Datum."
                                 : L"Es ist noch keine Sicherung vorhanden.";
    if (state.eruntMissing)
        text += L"\n\nErunt fehlt: Bitte installieren Sie es, oder geben Sie seinen Ordner unter "
                L"''Konfigurationsoptionen'' an.";
    return text;
}
