#include "ui/ActionHost.h"

#include "services/FileDirPath.h"
#include "services/FileSecurity.h"
#include "services/Messages.h"

bool ActionHost::StartTool(const std::wstring& executable, const std::wstring& commandLine, int showCommand,
                           UniqueKernelHandle* process) {
    const DWORD error = Start(executable, commandLine, showCommand, process);
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

bool ActionHost::FullRightsOrTold() {
    const Rights rights = CurrentRights();
    if (rights == Rights::Full)
        return true;
    constexpr wchar_t kHeadline[] = L"Hierfür werden die vollen Rechte eines Administrators benötigt.   ";
    if (rights == Rights::None) {
        Ask({kHeadline, L"Bitte melden Sie sich als Administrator an und versuchen Sie es erneut."}, kProgramTitle,
            MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (Ask({kHeadline, L"Möchten Sie das Programm jetzt mit Administratorrechten neu starten ?"}, kProgramTitle,
            MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return false;
    const DWORD error = RestartElevated();
    if (error == ERROR_SUCCESS)
        EndProgram(0);
    else if (error != ERROR_CANCELLED) // the consent refused: the user knows
        Ask({L"Das Programm konnte nicht mit Administratorrechten gestartet werden.   ", FailureReason(error)},
            kProgramTitle, MB_OK | MB_ICONSTOP);
    return false;
}

std::optional<std::wstring> AnsiToolPath(Prompts& prompts, const std::wstring& path) {
    auto readable = AnsiReadablePath(path);
    if (!readable)
        prompts.Ask({L"Die Programme von Erunt können den Ordner ''" + path + L"'' nicht erreichen.   ",
                     L"Sein Name enthält Zeichen außerhalb des Systemzeichensatzes, und das Laufwerk vergibt keine "
                     L"kurzen 8.3-Namen.",
                     L"Bitte verwenden Sie einen Ordner, dessen Name nur Zeichen des Systemzeichensatzes enthält."},
                    kProgramTitle, MB_OK | MB_ICONSTOP);
    return readable;
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
