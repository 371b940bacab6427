#include "settings/LanguageFiles.h"

#include "container/clsMultiFile.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "settings/Settings.h"

void bCreateLOC_Click() {
    const std::wstring installFolder = EruntFolder();
    if (!FileExists(installFolder + L"\\NTREGOPT.EXE"))
        return;
    const clsMultiFile cMultiFile;
    cMultiFile.ExtractFiles(ProgramFolder() + L"\\HIVORA.LOC", installFolder);
}
