#include "backup/ProtectedPlaces.h"

#include "backup/EruntCommands.h"
#include "services/AppPaths.h"
#include "services/Messages.h"
#include "settings/Settings.h"
#include "ui/ActionHost.h"

bool LogOnRunProtected(Prompts& prompts, std::wstring_view headline, const std::wstring& title) {
    const std::wstring erunt = EruntFolder();
    return PlacesProtected(prompts, {ProgramFolder(), ProgramPath(), ProgramSettingsFile(), erunt, AutobackPath(erunt)},
                           headline, kEruntBelongs, title);
}
