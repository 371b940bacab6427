// The automatic backup entry, restore and the clean-up, clicked in the real window.
#include "Harness.h"
#include "services/Dates.h"
#include "services/LogonTask.h"
#include "services/WinSystemInfo.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kTask = L"Hivora Autosicherung " + AccountSid();

struct Autostart {
    const char* name;
    const wchar_t* windows;   // the version Wine tells the program
    REGSAM plantedView;       // where an "Erunt" value is before the click; 0 for nowhere
    DWORD plantedType;        // REG_NONE: not even the Run key is there, so no entry can be written
    std::vector<int> answers; // to the boxes, in turn
    const wchar_t* last;      // a part of the last box's text
    const wchar_t* autoback;  // the first backup's arguments, when one is started
    bool installed = true;    // AUTOBACK.EXE is there
    bool plantedTask = false; // the log-on task is there before the click
};

class AutostartTest : public testing::TestWithParam<Autostart> {};

// From Vista on a log-on task, before one Run value in the 64-bit view; an old Run value counts as on.
TEST_P(AutostartTest, OneEntryWhicheverBuildSetIt) {
    const Autostart& row = GetParam();
    Scenario scenario({L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE"});
    if (!row.installed)
        DeleteFileW((scenario / L"AUTOBACK.EXE").c_str());
    scenario.SetReg(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\HIVORA.exe", L"Version", row.windows);
    scenario.Undo([] { SystemLogonTasks().Delete(kTask); });
    if (row.plantedTask)
        SystemLogonTasks().Register(kTask, {CurrentAccount(), L"\"" + scenario.Program() + L"\"", L"/Auto"});
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) { // a binary value of 8 bytes
        scenario.SetReg(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt",
                        view == row.plantedView ? std::optional<std::wstring>(L"1234") : std::nullopt, view,
                        row.plantedType);
        if (row.plantedType == REG_NONE) // put back by the undo of the value
            RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kRunKey, view, 0);
    }
    Program program(scenario.Program());
    const bool wasOn = row.plantedView || row.plantedTask;
    EXPECT_TRUE(!wasOn || program.Answer(IDOK).value().text.find(L"noch keine automatische") != std::wstring::npos);
    Click(program.Control(IDC_BAUTOSICHERUNG));
    std::optional<Box> box;
    for (const int answer : row.answers)
        ASSERT_TRUE(box = program.Answer(answer));
    EXPECT_NE(box.value().text.find(row.last), std::string::npos) << box.value().text;
    EXPECT_EQ(box.value().defaultButton == IDNO, row.last == std::wstring(L"entfernt werden")) << "Enter keeps it";
    const auto entry = [](REGSAM view) { return ReadReg(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", view); };
    const bool on = !wasOn && row.plantedType != REG_NONE;
    const bool xp = row.windows == std::wstring(L"winxp64");
    EXPECT_TRUE(WaitFor([&] {
        return entry(KEY_WOW64_64KEY) ==
                   (on && xp ? std::optional(L"\"" + scenario.Program() + L"\" /Auto") : std::nullopt) &&
               !entry(KEY_WOW64_32KEY) && SystemLogonTasks().Find(kTask).has_value() == (on && !xp) &&
               program.State().find(on ? L"eingeschaltet" : L"ausgeschaltet") != std::wstring::npos;
    })) << program.State();
    if (!row.autoback) {
        EXPECT_TRUE(program.Settled() && scenario.Log().empty());
        return;
    }
    EXPECT_EQ(scenario.WaitLog(1).at(0).line,
              L"\"" + scenario / L"Autoback.exe\" \"" + scenario / L"Sysreg\\#Date#\" " + row.autoback);
    // AUTOBACK may finish after the action: activated, the window tells it.
    PostMessageW(program.Main(), WM_ACTIVATE, WA_ACTIVE, 0);
    const std::wstring today = DayMonthYear(*LastWritten(scenario / L"Sysreg")); // made by AUTOBACK's run
    EXPECT_TRUE(WaitFor([&] { return program.State().find(today) != std::wstring::npos; })) << program.State();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, AutostartTest, testing::Values(
    Autostart{"SwitchedOnBeforeVista", L"winxp64", 0, REG_SZ, {IDYES, IDNO}, L"erste Sicherung", nullptr},
    Autostart{"SwitchedOnWithTheFirstBackup", L"win7", 0, REG_SZ, {IDYES, IDYES}, L"erste Sicherung",
              L"sysreg curuser otherusers /noconfirmdelete /alwayscreate"},
    Autostart{"SwitchedOnOnWindows10", L"win10", 0, REG_SZ, {IDYES, IDNO}, L"erste Sicherung", nullptr},
    Autostart{"TheTaskSwitchedOffWithoutAutoback", L"win10", 0, REG_SZ, {IDYES}, L"entfernt werden", nullptr, false,
              true},
    Autostart{"ARunValueOfThe32BitViewSwitchedOff", L"win7", KEY_WOW64_32KEY, REG_SZ, {IDYES}, L"entfernt werden",
              nullptr},
    Autostart{"Binary", L"winxp64", KEY_WOW64_64KEY, REG_BINARY, {IDYES}, L"entfernt werden", nullptr},
    Autostart{"RemovedWithoutAutoback", L"win7", KEY_WOW64_64KEY, REG_SZ, {IDYES}, L"entfernt werden", nullptr, false},
    Autostart{"AnEntryThatCannotBeWrittenIsReported", L"winxp64", 0, REG_NONE, {IDYES, IDOK}, L"nicht eingetragen",
              nullptr}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// An open program folder, a protected one inside it, and an open program file are refused and named at
// switch-on, and their log-on run starts nothing.
TEST(Autostart, WhatEveryAccountMayChangeIsRefusedAndItsLogOnRunStartsNothing) {
    for (const auto& [open, folder] : {std::pair{L"", L""}, {L"", L"\\Programme"}, {L"\\HIVORA.exe", L""}}) {
        Scenario scenario({L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE"});
        scenario.SetReg(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\HIVORA.exe", L"Version", L"win10");
        std::filesystem::create_directories(scenario.Path() + folder);
        for (const wchar_t* file : {L"\\HIVORA.exe", L"\\ERUNT.EXE", L"\\NTREGOPT.EXE", L"\\AUTOBACK.EXE"})
            CopyFileW((scenario.Path() + file).c_str(), (scenario.Path() + folder + file).c_str(), TRUE);
        ASSERT_TRUE(OpenToEveryAccount(scenario.Path() + open));
        Program program(scenario.Path() + folder + L"\\HIVORA.exe");
        Click(program.Control(IDC_BAUTOSICHERUNG));
        const std::wstring text = program.Answer(IDOK).value().text;
        EXPECT_NE(text.find(L"''" + scenario.Path() + open + L"''"), std::wstring::npos) << text;
        EXPECT_FALSE(SystemLogonTasks().Find(kTask) || ReadReg(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", KEY_WOW64_64KEY));
        Program logOn(scenario.Path() + folder + L"\\HIVORA.exe", L"/Auto");
        EXPECT_TRUE(logOn.Answer(IDOK) && logOn.Exit() == 0u);
        EXPECT_TRUE(scenario.Log().empty());
    }
}

// A first start without a registered user writes the defaults; its clean-up of many hive copies reports
// while the pointer moves, and a click on a backup meanwhile starts none.
TEST(Cleanup, AFirstStartWritesTheDefaultsAndItsFirstCleanUpReportsAndCloses) {
    Scenario scenario;
    scenario.SetReg(HKEY_CURRENT_USER, L"Software\\Microsoft\\MS Setup (ACME)\\User Info", L"DefName", std::nullopt);
    BOOL wow64 = FALSE; // the system's config folder, not its 32-bit twin
    IsWow64Process(GetCurrentProcess(), &wow64);
    const std::wstring config = SystemDirectory() + (wow64 ? L"\\..\\Sysnative\\config" : L"\\config");
    std::filesystem::create_directories(config);
    for (int number = 1; number <= 2000; ++number) {
        const std::wstring copy = config + L"\\SOFTWARE_BAK_" + std::to_wstring(number) + L".DAT";
        WriteBytes(copy, "");
        scenario.Undo([copy] { DeleteFileW(copy.c_str()); });
    }
    Program program(scenario.Program());
    ASSERT_NE(program.Main(), nullptr);
    const std::wstring profileCopy = _wgetenv(L"USERPROFILE") + std::wstring(L"\\NTUSER.DAT_BAK");
    WriteBytes(profileCopy, "");
    scenario.Undo([profileCopy] { DeleteFileW(profileCopy.c_str()); });
    EXPECT_EQ(scenario.Get(L"InstallFolder"), scenario.Path());
    EXPECT_EQ(scenario.Get(L"DefaultDestinationFolder"), scenario / L"Backup");
    EXPECT_TRUE(std::filesystem::exists(scenario / L"backup"));
    const HWND passed[] = {program.Control(IDC_BOPTIMIERUNG), program.Control(IDC_BUPDATES)};
    Click(program.Control(IDC_BBEREINIGUNG));
    Click(program.Control(IDC_BSICHERUNGEN));
    std::optional<Box> report;
    ASSERT_TRUE(WaitFor([&, moves = 0]() mutable {
        Click(passed[++moves % 2], 0);
        return (report = program.WaitBox(0)).has_value();
    }));
    EXPECT_EQ(report.value().title, L" Bereinigung der Optimierung");
    EXPECT_EQ(report.value().text.rfind(L"2001 temporäre", 0), 0u) << report.value().text;
    program.Answer(IDOK);
    EXPECT_EQ(program.Exit(), 0u);
    EXPECT_TRUE(scenario.Log().empty());
    EXPECT_FALSE(std::filesystem::exists(profileCopy));
}

} // namespace
