// The buttons that hand the work over to an outside tool, clicked in the real window.
#include "Harness.h"

#include <gtest/gtest.h>

namespace {

// A double click on Updates opens ERUNT.TXT in the system's notepad and the home page, each once; the folder
// dialog blocks the main window; RegCleaner, in an open folder, starts through the desktop's shell; later
// clicks start nothing, and a program planted where a spaced folder name breaks ("...\Hivora.exe") never runs.
TEST(Launchers, OnlyTheToolsMeantRunAndEachOnce) {
    Scenario scenario({L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE"});
    scenario.RegisterBrowser();
    WriteBytes(scenario / L"ERUNT.TXT", "ERUNT 1.1j");
    CopyTo(scenario / L"Notepad.exe");
    CopyTo(scenario / L"Arbeitsordner\\Notepad.exe");
    scenario.PlaceStandin(SystemDirectory() + L"\\notepad.exe");
    scenario.PlaceStandin(scenario.Path().substr(0, scenario.Path().find(L' ')) + L".exe");
    const std::wstring cleaner = scenario / L"Reg Cleaner";
    CopyTo(cleaner + L"\\REGCLEANR.EXE");
    ASSERT_TRUE(OpenToEveryAccount(cleaner));
    scenario.Set(L"RegCleaner", cleaner);
    Program program(scenario.Program(), {}, scenario / L"Arbeitsordner");
    Click(program.Control(IDC_BUPDATES), 2);
    scenario.WaitLog(2);
    Click(program.Control(IDC_BPATCHLOADER));
    const HWND dialog = program.WaitBox().value().window;
    RECT beside = {}; // the dialog moves off the buttons
    GetWindowRect(program.Main(), &beside);
    SetWindowPos(dialog, nullptr, beside.right, beside.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Click(program.Control(IDC_BAUTOSICHERUNG));
    Click(GetDlgItem(dialog, IDCANCEL)); // input comes in order: the click before has had its effect
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(program.Answer(IDCANCEL).value().title, L" Kestrilo 1.41") << "no question over the dialog";
    Click(program.Control(IDC_BCLEANER));
    ASSERT_TRUE(WaitFor([&] { return !scenario.Log(cleaner).empty(); }));
    Click(program.Control(IDC_BOPTIMIERUNG));
    Click(program.Control(IDC_BSICHERUNGEN));
    EXPECT_EQ(program.Exit(), 0u);
    auto log = scenario.Log();
    log.push_back(scenario.Log(cleaner).at(0));
    EXPECT_EQ(log.size(), 3u);
    for (const auto& [path, part, folder] : {std::tuple{scenario / L"browser.exe", std::wstring(kEruntAddress), L""},
                                             {SystemDirectory() + L"\\notepad.exe", scenario / L"ERUNT.TXT", L""},
                                             {cleaner + L"\\REGCLEANR.EXE", cleaner, cleaner.c_str()}}) {
        // The same file: a 32-bit stand-in in the system folder sees itself in its 32-bit twin.
        std::error_code ignored;
        const auto start = std::ranges::find_if(
            log, [&](const Start& s) { return std::filesystem::equivalent(s.path, path, ignored); });
        ASSERT_NE(start, log.end()) << path;
        EXPECT_NE(start->line.find(part), std::wstring::npos) << start->line;
        EXPECT_TRUE(!*folder || !_wcsicmp(start->folder.c_str(), folder)) << start->folder;
    }
}

} // namespace
