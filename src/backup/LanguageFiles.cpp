#include "backup/LanguageFiles.h"

#include "app/Root.h"
#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "settings/Settings.h"

void bCreateLOC_Click(Root& root) {
    clsMultiFile& container = root.NewContainer();
    const std::wstring installFolder = ReadProgramSetting(Keys::InstallFolder);
    if (!FileExists(installFolder + L"\\NTREGOPT.EXE"))
        return;
    // A missing or damaged package is refused whole and changes nothing; the user is not told.
    container.ExtractFiles(ProgramFolder() + L"\\HIVORA.LOC", installFolder);
}
