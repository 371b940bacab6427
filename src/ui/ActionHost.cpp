#include "ui/ActionHost.h"

#include "services/FileSecurity.h"
#include "services/Messages.h"

bool ActionHost::StartTool(const std::wstring& executable, const std::wstring& commandLine, int showCommand) {
    const DWORD error = Start(executable, commandLine, showCommand);
    if (error == ERROR_SUCCESS)
        return true;
    Ask({L"Das Programm ''" + executable + L"'' konnte nicht gestartet werden.   ", FailureReason(error)},
        kProgramTitle, MB_OK | MB_ICONSTOP);
    return false;
}

void Prompts::Open(const std::wstring& address) {
    if (!OpenOnDesktop(address))
        OpenWithOwnRights(address);
}

bool PlacesProtected(Prompts& prompts, std::initializer_list<std::wstring> places, std::wstring_view headline,
                     std::wstring_view belongs, const std::wstring& title) {
    const std::wstring open = OpenPlace(places);
    if (open.empty())
        return true;
    prompts.Ask({headline, L"Es ist nicht sichergestellt, dass nur Administratoren ''" + open + L"'' ändern können.",
                 L"Bitte installieren Sie " + std::wstring(belongs) +
                     L" in einem Ordner, den nur Administratoren ändern können, etwa im Ordner ''Programme''."},
                title, MB_OK | MB_ICONSTOP);
    return false;
}

bool ToolProtected(Prompts& prompts, const std::wstring& program, std::wstring_view belongs) {
    return PlacesProtected(prompts, {program, program.substr(0, program.find_last_of(L'\\'))},
                           L"Das Programm ''" + program + L"'' wird nicht gestartet.   ", belongs, kProgramTitle);
}
