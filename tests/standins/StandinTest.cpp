// The stand-ins behave as the tools they replace, as far as the program relies on them.
#include "Scenario.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <cwchar>

namespace {

using namespace std::chrono_literals;

// Starts a program of the scenario the way the program starts its tools: one command
// line, the given window style, and waits for it to end.
DWORD RunTool(Scenario& scenario, const std::wstring& commandLine, int show = SW_SHOWNORMAL,
              const std::wstring& folder = {}) {
    STARTUPINFOW startup = {sizeof(startup)};
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION started = {};
    std::wstring line = commandLine;
    const std::wstring workingFolder = folder.empty() ? scenario.Folder() : folder;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, workingFolder.c_str(), &startup,
                        &started))
        return GetLastError() + 0x10000;
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    if (WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0)
        return 0xDEAD;
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

std::wstring Today(const wchar_t* separator) {
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    wchar_t text[32] = {};
    swprintf(text, 32, L"%04u%ls%02u%ls%02u", now.wYear, separator, now.wMonth, separator, now.wDay);
    return text;
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

TEST(StandinTest, RecordsNameCommandLineFolderAndWindowStyle) {
    Scenario scenario;
    const std::wstring tool = scenario.AddStandin(L"Tools\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE");
    const std::wstring tools = scenario.PathOf(L"Tools");
    EXPECT_EQ(RunTool(scenario, tool, SW_SHOWNORMAL, tools), 0u);
    EXPECT_EQ(RunTool(scenario, L"\"" + tool + L"\" /eins\tzwei", SW_SHOWNOACTIVATE), 0u);

    const auto records = scenario.WaitForLog(2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, L"WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE");
    EXPECT_EQ(records[0].ProgramPath(), tool);
    EXPECT_EQ(records[0].Arguments(), L"");
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) {
        EXPECT_EQ(records[0].commandLine, tool) << "Windows keeps an unquoted path with spaces as it was given";
    }
    EXPECT_EQ(_wcsicmp(records[0].folder.c_str(), tools.c_str()), 0) << records[0].folder;
    EXPECT_EQ(records[0].show, SW_SHOWNORMAL);
    EXPECT_EQ(records[1].commandLine, L"\"" + tool + L"\" /eins zwei") << "a tab in a field becomes a space";
    EXPECT_EQ(records[1].ProgramPath(), tool);
    EXPECT_EQ(records[1].Arguments(), L"/eins zwei");
    EXPECT_EQ(records[1].show, SW_SHOWNOACTIVATE);
}

TEST(StandinTest, ToolsThatOnlyRecord) {
    Scenario scenario;
    for (const wchar_t* name : {L"Erdnt.exe", L"PAGEDFRG.EXE", L"REGCLEANR.EXE", L"Notepad.exe", L"MSHTA.EXE",
                                L"browser.exe", L"Program.exe"}) {
        const std::wstring tool = scenario.AddStandin(name);
        EXPECT_EQ(RunTool(scenario, tool + L" /reboot"), 0u) << name;
    }
    const auto records = scenario.WaitForLog(7);
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[3].name, L"Notepad.exe");
    EXPECT_EQ(records[6].name, L"Program.exe");
    EXPECT_EQ(scenario.RecordsOf(L"pagedfrg.exe").size(), 1u);
}

TEST(StandinTest, WithoutTheLogVariableItLogsBesideItself) {
    Scenario scenario;
    const std::wstring tool = scenario.AddStandin(L"Tools\\PAGEDFRG.EXE");
    const std::wstring log = scenario.LogPath();
    SetEnvironmentVariableW(L"HIVORA_STANDIN_LOG", nullptr);
    EXPECT_EQ(RunTool(scenario, tool), 0u);
    SetEnvironmentVariableW(L"HIVORA_STANDIN_LOG", log.c_str());
    EXPECT_TRUE(scenario.ReadLog().empty());
    EXPECT_NE(scenario.Read(L"Tools\\standins.log").find("PAGEDFRG.EXE\t"), std::string::npos);
}

TEST(StandinTest, EruntExpandsTheDateAsItsSettingsSay) {
    Scenario scenario;
    const std::wstring erunt = scenario.AddStandin(L"Erunt\\ERUNT.EXE");
    scenario.AddStandin(L"Erunt\\Erdnt.exe");
    scenario.WriteIni(L"Erunt\\ERUNT.INI", L"ERUNT", L"DateFormat", L"yyyy/mm/dd");
    scenario.WriteIni(L"Erunt\\ERUNT.INI", L"ERUNT", L"DateSeparator", L"-");
    const std::wstring backup = L"Sicherungen\\Neue Ablage\\" + Today(L"-");
    scenario.Write(backup + L"\\SYSTEM", "alte Sicherung");

    // As the program starts it: unquoted path with spaces, quoted destination.
    EXPECT_EQ(RunTool(scenario, erunt + L" \"" + scenario.PathOf(L"Sicherungen\\Neue Ablage\\#Date#") +
                                    L"\" sysreg curuser otherusers /noconfirmdelete"),
              0u);
    for (const wchar_t* file : {L"SYSTEM", L"SOFTWARE", L"SAM", L"SECURITY", L"DEFAULT", L"NTUSER.DAT"})
        EXPECT_TRUE(scenario.Exists(backup + L"\\" + file)) << file;
    EXPECT_NE(scenario.Read(backup + L"\\SYSTEM"), "alte Sicherung") << "an older backup is replaced";

    // The restore program in the backup is a stand-in too.
    EXPECT_EQ(RunTool(scenario, scenario.PathOf(backup + L"\\Erdnt.exe")), 0u);
    const auto records = scenario.WaitForLog(2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, L"ERUNT.EXE");
    EXPECT_EQ(records[0].ProgramPath(), erunt);
    EXPECT_EQ(records[0].Arguments(), L"\"" + scenario.PathOf(L"Sicherungen\\Neue Ablage\\#Date#") +
                                          L"\" sysreg curuser otherusers /noconfirmdelete");
    EXPECT_EQ(records[1].name, L"Erdnt.exe");
}

TEST(StandinTest, EruntWithoutSettingsUsesItsOwnDateForm) {
    Scenario scenario;
    const std::wstring erunt = scenario.AddStandin(L"ERUNT.EXE");
    EXPECT_EQ(RunTool(scenario, erunt + L" \"" + scenario.PathOf(L"B\\#Date#") + L"\" sysreg"), 0u);
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    wchar_t german[16] = {};
    swprintf(german, 16, L"%02u.%02u.%04u", now.wDay, now.wMonth, now.wYear);
    EXPECT_TRUE(scenario.Exists(L"B\\" + std::wstring(german) + L"\\Erdnt.exe"))
        << "a placeholder without Erdnt.exe beside ERUNT";
}

TEST(StandinTest, EruntWithoutDestinationOnlyRecords) {
    Scenario scenario;
    const std::wstring erunt = scenario.AddStandin(L"ERUNT.EXE");
    EXPECT_EQ(RunTool(scenario, L"\"" + erunt + L"\" sysreg curuser otherusers /noconfirmdelete"), 0u);
    EXPECT_EQ(scenario.WaitForLog(1).size(), 1u);
    WIN32_FIND_DATAW found = {};
    const UniqueFindHandle search(FindFirstFileW(scenario.PathOf(L"*").c_str(), &found));
    size_t entries = 0;
    if (search) {
        do
            ++entries;
        while (FindNextFileW(search.get(), &found));
    }
    EXPECT_EQ(entries, 4u) << "., .., ERUNT.EXE and the log";
}

TEST(StandinTest, AutobackHonoursDays) {
    Scenario scenario;
    const std::wstring autoback = scenario.AddStandin(L"AUTOBACK.EXE");
    scenario.AddStandin(L"Erdnt.exe");
    const std::wstring command = scenario.PathOf(L"Autoback.exe") + L" \"" + scenario.PathOf(L"Sysreg") +
                                 L"\" curuser otherusers /noconfirmdelete /noprogresswindow /days:3 /alwayscreate";

    // No backup yet: one is made.
    EXPECT_EQ(RunTool(scenario, command), 0u);
    ASSERT_TRUE(scenario.Exists(L"Sysreg\\Erdnt.inf"));
    EXPECT_TRUE(scenario.Exists(L"Sysreg\\Erdnt.exe"));
    const auto records = scenario.WaitForLog(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, L"AUTOBACK.EXE") << "the name on disk, though started as Autoback.exe";

    // A fresh one is kept as it is.
    scenario.Write(L"Sysreg\\Erdnt.inf", "frisch");
    EXPECT_EQ(RunTool(scenario, command), 0u);
    EXPECT_EQ(scenario.Read(L"Sysreg\\Erdnt.inf"), "frisch");

    // A five-day-old one is renewed.
    scenario.SetAge(L"Sysreg\\Erdnt.inf", std::chrono::hours(5 * 24));
    EXPECT_EQ(RunTool(scenario, command), 0u);
    EXPECT_NE(scenario.Read(L"Sysreg\\Erdnt.inf"), "frisch");
}

TEST(StandinTest, AutobackWithoutDaysAlwaysWrites) {
    Scenario scenario;
    scenario.AddStandin(L"AUTOBACK.EXE");
    scenario.Write(L"Auto Sicherung\\Erdnt.inf", "frisch");
    EXPECT_EQ(RunTool(scenario, scenario.PathOf(L"Autoback.exe") + L" \"" + scenario.PathOf(L"Auto Sicherung") +
                                    L"\" curuser otherusers /noconfirmdelete /alwayscreate"),
              0u);
    EXPECT_NE(scenario.Read(L"Auto Sicherung\\Erdnt.inf"), "frisch");
    EXPECT_TRUE(scenario.Exists(L"Auto Sicherung\\Erdnt.exe"));
}

TEST(StandinTest, NtregoptLeavesHiveCopies) {
    Scenario scenario;
    const std::wstring ntregopt = scenario.AddStandin(L"NTREGOPT.EXE");
    const std::wstring profile = scenario.PathOf(L"Profile\\Tester");
    SetEnvironmentVariableW(L"HIVORA_STANDIN_PROFILE", profile.c_str());
    const DWORD code = RunTool(scenario, ntregopt + L" /reboot");
    SetEnvironmentVariableW(L"HIVORA_STANDIN_PROFILE", nullptr);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(scenario.Exists(L"Profile\\Tester\\NTUSER.DAT_BAK"));

    // The 64-bit system folder, also when this test is a 32-bit program.
    std::wstring config = SystemFolder() + L"\\config\\";
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    if (wow64) {
        wchar_t windows[MAX_PATH] = {};
        GetWindowsDirectoryW(windows, MAX_PATH);
        config = std::wstring(windows) + L"\\Sysnative\\config\\";
    }
    for (const wchar_t* copy : {L"SOFTWARE.BAK", L"SYSTEM.BAK"}) {
        EXPECT_NE(GetFileAttributesW((config + copy).c_str()), INVALID_FILE_ATTRIBUTES) << copy;
        DeleteFileW((config + copy).c_str());
    }
}

TEST(StandinTest, StandsInForASystemProgram) {
    const std::wstring mshta = SystemFolder() + L"\\MSHTA.EXE";
    const DWORD before = GetFileAttributesW(mshta.c_str());
    {
        Scenario scenario;
        scenario.PlaceStandinAt(mshta);
        EXPECT_EQ(RunTool(scenario, L"\"" + mshta + L"\" \"" + scenario.PathOf(L"vrnPatchLoader.hta") + L"\""), 0u);
        const auto records = scenario.WaitForLog(1, 5s);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(_wcsicmp(records[0].name.c_str(), L"MSHTA.EXE"), 0) << records[0].name;
    }
    EXPECT_EQ(GetFileAttributesW(mshta.c_str()), before) << "the system's own file is back";
}

TEST(StandinTest, LingersWhenAsked) {
    Scenario scenario;
    scenario.AddStandin(L"REGCLEANR.EXE");
    scenario.SetEnvironment(L"HIVORA_STANDIN_LINGER_MS", L"800");
    auto tool = scenario.Start({}, L"REGCLEANR.EXE");
    EXPECT_EQ(scenario.WaitForLog(1).size(), 1u);
    EXPECT_FALSE(tool.WaitForExit(200ms));
    EXPECT_EQ(tool.WaitForExit(10s), 0u);
}

TEST(StandinTest, ConcurrentStartsKeepTheirRecordsWhole) {
    Scenario scenario;
    const std::wstring tool = scenario.AddStandin(L"Erdnt.exe");
    std::vector<UniqueKernelHandle> processes;
    for (int i = 0; i < 8; ++i) {
        STARTUPINFOW startup = {sizeof(startup)};
        PROCESS_INFORMATION started = {};
        std::wstring line = L"\"" + tool + L"\" " + std::wstring(200, static_cast<wchar_t>(L'a' + i));
        ASSERT_TRUE(
            CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
        CloseHandle(started.hThread);
        processes.emplace_back(started.hProcess);
    }
    for (const auto& process : processes)
        WaitForSingleObject(process.get(), 20000);
    const auto records = scenario.ReadLog();
    ASSERT_EQ(records.size(), 8u);
    for (const auto& record : records)
        EXPECT_EQ(record.commandLine.size(), tool.size() + 3 + 200);
}

TEST(StandinTest, ShellOpensAddressesWithTheBrowserStandin) {
    Scenario scenario;
    scenario.RegisterBrowser();
    for (const wchar_t* address : {L"https://example.org/x", L"http://example.org/erunt"}) {
        const auto result =
            reinterpret_cast<intptr_t>(ShellExecuteW(nullptr, nullptr, address, nullptr, nullptr, SW_SHOWMAXIMIZED));
        EXPECT_GT(result, 32) << address;
    }
    // The two browsers run side by side, so their records come in either order.
    const auto records = scenario.WaitForLog(2);
    ASSERT_EQ(records.size(), 2u);
    const auto opened = [&](const wchar_t* address) {
        return std::count_if(records.begin(), records.end(), [&](const StandinRecord& record) {
            return record.name == L"browser.exe" && record.commandLine.find(address) != std::wstring::npos &&
                   record.show == SW_SHOWMAXIMIZED;
        });
    };
    EXPECT_EQ(opened(L"https://example.org/x"), 1);
    EXPECT_EQ(opened(L"http://example.org/erunt"), 1);
}

} // namespace
