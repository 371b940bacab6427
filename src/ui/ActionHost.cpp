#include "ui/ActionHost.h"

#include "services/Messages.h"

bool ActionHost::StartTool(const std::wstring& executable, const std::wstring& commandLine, int showCommand) {
    const DWORD error = Start(executable, commandLine, showCommand);
    if (error == ERROR_SUCCESS)
        return true;
    Ask({L"Das Programm ''" + executable + L"'' konnte nicht gestartet werden.   ", FailureReason(error, executable)},
        kProgramTitle, MB_OK | MB_ICONSTOP);
    return false;
}

void Prompts::Open(const std::wstring& address) {
    if (!OpenOnDesktop(address))
        OpenWithOwnRights(address);
}
