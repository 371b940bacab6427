// The tool launch buttons, clicked in the real window.
#include "Installation.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

class LaunchersTest : public testing::Test {
protected:
    void SetUp() override { MoveMouseAway(); }

    RunningProgram StartWithTools(std::initializer_list<const wchar_t*> tools) {
        InstallProgramWithErunt(scenario, tools);
        RunningProgram program = scenario.Start();
        main_ = program.MainWindow();
        return program;
    }
    void Click(RunningProgram& program, int id) { ClickAt(main_, CentreInParent(program.Control(id))); }
    // The program ends about a second after handing its work over.
    static void ExpectClosesAfterASecond(RunningProgram& program) {
        const auto clicked = std::chrono::steady_clock::now();
        EXPECT_EQ(program.WaitForExit(10s), 0u);
        EXPECT_GT(std::chrono::steady_clock::now() - clicked, 700ms);
    }

    Scenario scenario;
    HWND main_ = nullptr;
};

TEST_F(LaunchersTest, CompactionStartsNtregoptWithRebootAndCloses) {
    auto program = StartWithTools({L"ERUNT.EXE", L"NTREGOPT.EXE"});
    Click(program, IDC_BOPTIMIERUNG);
    ExpectClosesAfterASecond(program);
    const auto records = scenario.RecordsOf(L"NTREGOPT.EXE");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"NTREGOPT.EXE"));
    EXPECT_EQ(records[0].Arguments(), L"/reboot");
    EXPECT_EQ(records[0].show, SW_SHOWNORMAL);
}

TEST_F(LaunchersTest, DefragmentationStartsPagedfrgWithReboot) {
    auto program = StartWithTools({L"ERUNT.EXE", L"NTREGOPT.EXE", L"PAGEDFRG.EXE"});
    Click(program, IDC_BDEFRAGMENT);
    ExpectClosesAfterASecond(program);
    const auto records = scenario.RecordsOf(L"PAGEDFRG.EXE");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"PAGEDFRG.EXE"));
    EXPECT_EQ(records[0].Arguments(), L"/reboot");
}

TEST_F(LaunchersTest, MissingDefragmenterChangesNothing) {
    auto program = StartWithTools({L"ERUNT.EXE", L"NTREGOPT.EXE"});
    Click(program, IDC_BDEFRAGMENT);
    EXPECT_FALSE(program.WaitForExit(2s)) << "the window stays open";
    EXPECT_TRUE(program.NoMessageBoxWithin(100ms));
    EXPECT_TRUE(scenario.ReadLog().empty());
}

TEST_F(LaunchersTest, NoSecondToolStartsDuringTheClosingSecond) {
    auto program = StartWithTools({L"ERUNT.EXE", L"NTREGOPT.EXE", L"PAGEDFRG.EXE"});
    Click(program, IDC_BOPTIMIERUNG);
    Click(program, IDC_BDEFRAGMENT);
    Click(program, IDC_BSICHERUNGEN);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    EXPECT_EQ(scenario.RecordsOf(L"NTREGOPT.EXE").size(), 1u);
    EXPECT_TRUE(scenario.RecordsOf(L"PAGEDFRG.EXE").empty());
    EXPECT_TRUE(scenario.RecordsOf(L"ERUNT.EXE").empty());
}

TEST_F(LaunchersTest, RegCleanerStartsFromItsOwnFolder) {
    InstallProgramWithErunt(scenario, {L"ERUNT.EXE", L"NTREGOPT.EXE"});
    scenario.AddStandin(L"Reg Cleaner\\REGCLEANR.EXE");
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"RegCleaner", scenario.PathOf(L"Reg Cleaner"));
    auto program = scenario.Start();
    main_ = program.MainWindow();
    Click(program, IDC_BCLEANER);
    ExpectClosesAfterASecond(program);
    const auto records = scenario.RecordsOf(L"REGCLEANR.EXE");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"Reg Cleaner\\REGCLEANR.EXE"));
    EXPECT_EQ(records[0].Arguments(), L"");
    EXPECT_EQ(_wcsicmp(records[0].folder.c_str(), scenario.PathOf(L"Reg Cleaner").c_str()), 0) << records[0].folder;
}

TEST_F(LaunchersTest, PrefetchCleanerStartsFromItsOwnFolder) {
    InstallProgramWithErunt(scenario, {L"ERUNT.EXE", L"NTREGOPT.EXE"});
    scenario.AddStandin(L"Prefetch\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE");
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"BootClean", scenario.PathOf(L"Prefetch"));
    auto program = scenario.Start();
    main_ = program.MainWindow();
    Click(program, IDC_BBOOTCLEAN);
    ExpectClosesAfterASecond(program);
    const auto records = scenario.RecordsOf(L"WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(_wcsicmp(records[0].folder.c_str(), scenario.PathOf(L"Prefetch").c_str()), 0);
}

TEST_F(LaunchersTest, PrefetchCleanerInAMissingFolderStartsNothingAndStillCloses) {
    InstallProgramWithErunt(scenario, {L"ERUNT.EXE", L"NTREGOPT.EXE"});
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"BootClean", scenario.PathOf(L"Gibt es nicht"));
    auto program = scenario.Start();
    main_ = program.MainWindow();
    ASSERT_TRUE(IsEnabled(program.Control(IDC_BBOOTCLEAN)));
    Click(program, IDC_BBOOTCLEAN);
    ExpectClosesAfterASecond(program);
    EXPECT_TRUE(scenario.ReadLog().empty());
}

TEST_F(LaunchersTest, UpdatesOpenTheTextInTheEditorAndTheHomePageAndStayOpen) {
    InstallProgramWithErunt(scenario, {L"ERUNT.EXE", L"NTREGOPT.EXE"});
    scenario.Write(L"ERUNT.TXT", "ERUNT 1.1j");
    scenario.AddStandin(L"Notepad.exe");
    scenario.RegisterBrowser();
    auto program = scenario.Start();
    main_ = program.MainWindow();
    Click(program, IDC_BUPDATES);
    scenario.WaitForLog(2);

    const auto editor = scenario.RecordsOf(L"Notepad.exe");
    ASSERT_EQ(editor.size(), 1u);
    EXPECT_EQ(editor[0].Arguments(), scenario.PathOf(L"ERUNT.TXT"));
    EXPECT_EQ(editor[0].show, SW_SHOWNOACTIVATE) << "the editor does not take the focus";
    const auto browser = scenario.RecordsOf(L"browser.exe");
    ASSERT_EQ(browser.size(), 1u);
    EXPECT_NE(browser[0].commandLine.find(L"https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download"),
              std::wstring::npos);
    EXPECT_FALSE(program.WaitForExit(1500ms)) << "the program stays open";
}

// Started without the executable named on its own, "C:\...\Hivora Prüfung-1\NTREGOPT.EXE"
// would run "C:\...\Hivora.exe" first.
TEST_F(LaunchersTest, AFolderWithSpacesNeverStartsAPlantedProgram) {
    const std::wstring folder = scenario.Folder();
    const std::wstring decoy = folder.substr(0, folder.find(L' ')) + L".exe";
    scenario.PlaceStandinAt(decoy);
    auto program = StartWithTools({L"ERUNT.EXE", L"NTREGOPT.EXE"});
    Click(program, IDC_BOPTIMIERUNG);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    EXPECT_EQ(scenario.RecordsOf(L"NTREGOPT.EXE").size(), 1u);
    for (const auto& record : scenario.ReadLog())
        EXPECT_NE(_wcsicmp(record.name.c_str(), decoy.substr(decoy.rfind(L'\\') + 1).c_str()), 0) << "decoy ran";
}

} // namespace
