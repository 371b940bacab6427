// The settings window, driven as a user would.
#include "Harness.h"

#include <gtest/gtest.h>

namespace {

// With ERUNT's folder gone the settings lock the backup group and Ok, not Cancel; dialogs belong to the window.
TEST(Optionen, AMissingEruntFolderLocksOkButNotCancel) {
    Scenario scenario;
    scenario.Set(L"InstallFolder", scenario / L"fehlt");
    Program program(scenario.Program());
    // Disabled without a cover: a click that got through would report the missing Autoback first.
    Click(program.Control(IDC_BAUTOSICHERUNG));
    Click(program.Control(IDC_BKONFIGURATION));
    const HWND window = program.Window(L"HivoraOptionen");
    for (const auto& [id, enabled] :
         {std::pair{IDC_BSICHERUNGEN_WAEHLEN, false}, {IDC_BREADY, false}, {IDC_BABBRECHEN, true}})
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(window, id)) != 0, enabled) << id;
    SetForegroundWindow(window);
    PressKey('R', VK_MENU); // the access key of RegCleaner's label
    EXPECT_TRUE(WaitFor([&] { return GetDlgCtrlID(Focus(window)) == IDC_TCLEANER; }));
    Click(GetDlgItem(window, IDC_BCLEANER_WAEHLEN));
    EXPECT_EQ(GetWindow(program.WaitBox().value().window, GW_OWNER), window);
    program.Answer(IDCANCEL);
    PressKey('A', VK_MENU); // Abbrechen
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }));
    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Exit() == 0u && scenario.Log().empty()) << "no restart";
}

// Ok offers the German files for an English ERUNT.LOC and restarts; the release package's HIVORA.LOC
// beside the program is unpacked into the ERUNT folder.
TEST(Optionen, TheReleasePackagesLanguageFilesAreUnpackedIntoTheEruntFolder) {
    Scenario scenario;
    for (const char* file : {"/HIVORA.exe", "/HIVORA.LOC", "/LIESMICH.txt"})
        CopyTo(scenario / std::filesystem::path(file).filename().wstring(), HIVORA_PACKAGE_DIR + std::string(file));
    const std::string package = ReadBytes(scenario / L"HIVORA.LOC");
    WriteBytes(scenario / L"ERUNT.LOC", "English language file\r\n");
    Program program(scenario.Program());
    Click(program.Control(IDC_BKONFIGURATION));
    const HWND window = program.Window(L"HivoraOptionen");
    // The program on disk is a stand-in now, so that the restart is recorded instead of shown.
    MoveFileExW(scenario.Program().c_str(), (scenario / L"HIVORA.old").c_str(), 0);
    CopyTo(scenario.Program());
    Click(GetDlgItem(window, IDC_BCOMPLETE));
    Click(GetDlgItem(window, IDC_BREADY));
    ASSERT_TRUE(program.Answer(IDYES)) << "the German files are offered";
    EXPECT_EQ(program.Exit(), 0u);
    ASSERT_EQ(scenario.Log().size(), 1u);
    EXPECT_EQ(scenario.Log()[0].line, L"\"" + scenario.Program() + L"\"") << "without arguments";
    EXPECT_EQ(scenario.Get(L"DisableFastBackup"), L"1") << "the box ticked in the window";
    EXPECT_EQ(ReadBytes(scenario / L"HIVORA.LOC"), package);
    EXPECT_NE(ReadBytes(scenario / L"ERUNT.LOC").find("Registrierung"), std::string::npos);
}

} // namespace
