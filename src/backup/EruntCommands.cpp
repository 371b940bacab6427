#include "backup/EruntCommands.h"

#include <cstdio>

std::wstring IsoDate(const SYSTEMTIME& date) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%04u-%02u-%02u", date.wYear, date.wMonth, date.wDay);
    return text;
}

std::wstring ManualBackupCommandLine(const std::wstring& installFolder, const std::wstring& destination,
                                     bool destinationExists) {
    const std::wstring erunt = installFolder + L"\\ERUNT.EXE";
    if (destinationExists)
        return erunt + L" \"" + destination + L"\\#Date#\" " + kEruntBackupArguments;
    return L"\"" + erunt + L"\" " + kEruntBackupArguments;
}
