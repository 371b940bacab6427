// The buttons that hand the work over to an outside tool, clicked in the real window.
#include "Harness.h"

#include <gtest/gtest.h>

namespace {

// RegCleaner starts from its folder. Clicks during the second after the hand-over start nothing
// more, and a program planted where a spaced folder name breaks ("...\Hivora.exe") never runs.
TEST(Launchers, ACleanerStartsFromItsFolderAndNothingElseRuns) {
    Scenario scenario;
    const std::wstring folder = scenario / L"Reg Cleaner";
    CopyTo(folder + L"\\REGCLEANR.EXE");
    scenario.Set(L"RegCleaner", folder);
    scenario.PlaceStandin(scenario.Path().substr(0, scenario.Path().find(L' ')) + L".exe");
    Program program(scenario.Program());
    Click(program.Control(IDC_BCLEANER));
    scenario.WaitLog(1);
    Click(program.Control(IDC_BOPTIMIERUNG));
    Click(program.Control(IDC_BSICHERUNGEN));
    EXPECT_EQ(program.Exit(), 0u);
    const auto log = scenario.Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].path, folder + L"\\REGCLEANR.EXE");
    EXPECT_EQ(_wcsicmp(log[0].folder.c_str(), folder.c_str()), 0) << log[0].folder;
}

// Notepad beside the program or in the working folder is not the system's.
TEST(Updates, ADoubleClickOpensTheSystemsNotepadAndTheHomePageOnce) {
    Scenario scenario;
    scenario.RegisterBrowser();
    WriteBytes(scenario / L"ERUNT.TXT", "ERUNT 1.1j");
    CopyTo(scenario / L"Notepad.exe");
    CopyTo(scenario / L"Arbeitsordner\\Notepad.exe");
    scenario.PlaceStandin(SystemDirectory() + L"\\notepad.exe");
    Program program(scenario.Program(), {}, scenario / L"Arbeitsordner");
    Click(program.Control(IDC_BUPDATES), 2);
    // Input is handled in order: once the settings window shows, both clicks have been handled.
    Click(program.Control(IDC_BKONFIGURATION));
    ASSERT_NE(program.Window(L"HivoraOptionen"), nullptr);
    ASSERT_TRUE(program.Settled());
    const auto log = scenario.Log();
    ASSERT_EQ(log.size(), 2u) << "each once";
    const bool browserFirst = log[0].line.find(kEruntAddress) != std::wstring::npos;
    EXPECT_NE(log[!browserFirst].line.find(kEruntAddress), std::wstring::npos) << log[!browserFirst].line;
    const Start& notepad = log[browserFirst];
    EXPECT_EQ(notepad.path.find(scenario.Path()), std::wstring::npos) << notepad.path;
    EXPECT_NE(notepad.line.find(scenario / L"ERUNT.TXT"), std::wstring::npos) << notepad.line;
}

} // namespace
