// The buttons that hand the work over to an outside tool, clicked in the real window.
#include "Harness.h"

#include <gtest/gtest.h>

namespace {

// The placeholder % in the rows stands for the scratch folder.
std::wstring Expand(std::wstring text, const std::wstring& folder) {
    for (size_t at = text.find(L'%'); at != std::wstring::npos; at = text.find(L'%', at + folder.size()))
        text.replace(at, 1, folder);
    return text;
}

struct Tool {
    const char* name;
    int button;
    const wchar_t* file;    // the stand-in
    const wchar_t* setting; // the ERUNT.INI key naming its folder
    const wchar_t* line;    // the command line it gets
    const wchar_t* folder;  // the working folder it gets
    const wchar_t* scratch = L"Hivora Prüfung";
};

class ToolTest : public testing::TestWithParam<Tool> {};

// Clicks during the second after the hand-over start nothing more, and a program planted where
// a spaced folder name breaks ("...\Hivora.exe") never runs.
TEST_P(ToolTest, StartsWithItsCommandLineAndNothingElse) {
    const Tool& row = GetParam();
    Scenario scenario({L"ERUNT.EXE", L"NTREGOPT.EXE"}, row.scratch);
    const std::wstring folder = scenario.Path(), file = Expand(row.file, folder);
    CopyTo(file);
    if (row.setting)
        WritePrivateProfileStringW(L"ERUNT", row.setting, file.substr(0, file.rfind(L'\\')).c_str(),
                                   (scenario / L"ERUNT.INI").c_str());
    if (folder.find(L' ') != std::wstring::npos)
        scenario.PlaceStandin(folder.substr(0, folder.find(L' ')) + L".exe");
    Program program(scenario.Program());
    Click(program.Control(row.button));
    scenario.WaitLog(1);
    Click(program.Control(IDC_BOPTIMIERUNG));
    Click(program.Control(IDC_BSICHERUNGEN));
    EXPECT_EQ(program.Exit(), 0u);
    const auto log = scenario.Log();
    ASSERT_EQ(log.size(), 1u);
    const std::wstring line = Expand(row.line, folder); // raw, where arguments follow the path
    EXPECT_EQ(line.find(L'"') == std::wstring::npos ? log[0].Alone() : log[0].line, line);
    EXPECT_EQ(_wcsicmp(log[0].folder.c_str(), Expand(row.folder, folder).c_str()), 0) << log[0].folder;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ToolTest,
    testing::Values(
        Tool{"Ntregopt", IDC_BOPTIMIERUNG, L"%\\NTREGOPT.EXE", nullptr, L"\"%\\NTREGOPT.EXE\" /reboot", L"%"},
        Tool{"NtregoptInAFolderWithoutSpace", IDC_BOPTIMIERUNG, L"%\\NTREGOPT.EXE", nullptr, L"%\\NTREGOPT.EXE /reboot",
             L"%", L"Hivora"},
        Tool{"Pagedfrg", IDC_BDEFRAGMENT, L"%\\PAGEDFRG.EXE", nullptr, L"\"%\\PAGEDFRG.EXE\" /reboot", L"%"},
        Tool{"RegCleaner", IDC_BCLEANER, L"%\\Reg Cleaner\\REGCLEANR.EXE", L"RegCleaner",
             L"%\\Reg Cleaner\\REGCLEANR.EXE", L"%\\Reg Cleaner"},
        Tool{"PrefetchCleaner", IDC_BBOOTCLEAN, L"%\\Prefetch\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE", L"BootClean",
             L"%\\Prefetch\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE", L"%\\Prefetch"}),
    [](const auto& info) { return std::string(info.param.name); });

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
