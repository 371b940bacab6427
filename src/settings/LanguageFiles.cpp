#include "settings/LanguageFiles.h"

#include "container/clsMultiFile.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/Messages.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

void bCreateLOC_Click(Prompts& prompts) {
    const std::wstring installFolder = EruntFolder();
    if (!FileExists(installFolder + L"\\NTREGOPT.EXE"))
        return;
    const clsMultiFile cMultiFile;
    const std::wstring package = ProgramFolder() + L"\\HIVORA.LOC";
    if (cMultiFile.ExtractFiles(package, installFolder))
        return;
    prompts.Ask({L"Die deutschen Sprachdateien für Erunt und NtRegOpt konnten nicht installiert werden.   ",
                 cMultiFile.IsCompactFile(package)
                     ? L"In den Ordner ''" + installFolder +
                           L"'' konnte nicht geschrieben werden, weil die Rechte dazu fehlen oder eine Sprachdatei "
                           L"noch verwendet wird."
                     : L"Das Sprachpaket ''" + package + L"'' fehlt oder ist beschädigt."},
                kEruntTitle, MB_OK | MB_ICONEXCLAMATION);
}
