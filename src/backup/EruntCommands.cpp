#include "backup/EruntCommands.h"

#include "services/Processes.h"

std::wstring ManualBackupCommandLine(const std::wstring& installFolder, const std::wstring& destination,
                                     bool destinationExists) {
    const std::wstring erunt = installFolder + L"\\ERUNT.EXE";
    if (destinationExists)
        return CommandPath(erunt) + L" \"" + destination + L"\\#Date#\" " + kEruntBackupArguments;
    return L"\"" + erunt + L"\" " + kEruntBackupArguments;
}

std::wstring AutobackPath(const std::wstring& eruntFolder) {
    return eruntFolder + L"\\Autoback.exe";
}

std::wstring AutobackCommandLine(const std::wstring& eruntFolder, const std::wstring& programFolder, AutobackRun run) {
    const std::wstring line = CommandPath(AutobackPath(eruntFolder)) + L" \"" + programFolder + L"\\Sysreg\\#Date#\" " +
                              kEruntBackupArguments;
    return line + (run == AutobackRun::AtLogOn ? L" /noprogresswindow /days:3 /alwayscreate" : L" /alwayscreate");
}

std::wstring SysregIn(const std::wstring& folder) {
    return folder.empty() ? std::wstring() : folder + L"\\Sysreg";
}
