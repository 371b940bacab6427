#pragma once
// The usual arrangement of a scenario: the program copied into ERUNT's folder,
// with stand-ins for ERUNT's tools beside it.
#include "Scenario.h"

#include "resource.h"

#include <initializer_list>

inline void InstallProgramWithErunt(Scenario& scenario,
                                    std::initializer_list<const wchar_t*> tools = {L"ERUNT.EXE", L"NTREGOPT.EXE",
                                                                                   L"AUTOBACK.EXE", L"Erdnt.exe"}) {
    scenario.AddProgram();
    for (const wchar_t* tool : tools)
        scenario.AddStandin(tool);
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder", scenario.Folder());
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"DefaultDestinationFolder", scenario.PathOf(L"Backup"));
    // As the settings window leaves them, so that ERUNT names its folders yyyy-mm-dd.
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"DateFormat", L"yyyy/mm/dd");
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"DateSeparator", L"-");
    scenario.MakeFolder(L"Backup");
}

// Today's date as ERUNT names a backup folder.
inline std::wstring TodayAsFolderName() {
    SYSTEMTIME today;
    GetLocalTime(&today);
    wchar_t name[16];
    swprintf(name, 16, L"%04u-%02u-%02u", today.wYear, today.wMonth, today.wDay);
    return name;
}
