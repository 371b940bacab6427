#include "backup/EruntCommands.h"

std::wstring ManualBackupCommandLine(const std::wstring& installFolder, const std::wstring& destination,
                                     bool destinationExists) {
    const std::wstring erunt = installFolder + L"\\ERUNT.EXE";
    if (destinationExists)
        return erunt + L" \"" + destination + L"\\#Date#\" " + kEruntBackupArguments;
    return L"\"" + erunt + L"\" " + kEruntBackupArguments;
}
