#include "backup/ProtectedPlaces.h"

#include "backup/EruntCommands.h"
#include "services/AppPaths.h"
#include "services/FileSecurity.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

bool LogOnRunProtected(Prompts& prompts, std::wstring_view headline, const std::wstring& title) {
    const std::wstring erunt = EruntFolder();
    for (const std::wstring& place :
         {ProgramFolder(), ProgramPath(), ProgramSettingsFile(), erunt, AutobackPath(erunt)})
        if (EveryAccountMayChange(place)) {
            prompts.Ask({headline,
                         L"Es ist nicht sichergestellt, dass nur Administratoren ''" + place + L"'' ändern können.",
                         L"Bitte installieren Sie Erunt mit dem Erunt-Manager in einem Ordner, den nur "
                         L"Administratoren ändern können, etwa im Ordner ''Programme''."},
                        title, MB_OK | MB_ICONSTOP);
            return false;
        }
    return true;
}
