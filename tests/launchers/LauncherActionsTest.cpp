// What the tool launchers and the patch loader decide, through a recording host.
#include "RecordingHost.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "resource.h"
#include "services/WindowsOrdner.h"
#include "settings/Addresses.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

TEST(PatchLoaderTest, RunsThePickedLoaderWithMshta) {
    ActionScene scene;
    const std::wstring picked = scene / L"Patch Ordner";
    ActionScene::Touch(picked + L"\\vrnPatchLoader.hta");
    RecordingHost host({IDRETRY}, {scene / L"leer", picked});
    bPatchLoader_Click(host);
    ASSERT_EQ(host.questions.size(), 1u) << "the first pick held no loader";
    EXPECT_EQ(host.opened, std::vector<std::wstring>{L"https://duckduckgo.com/?q=vrnPatchLoader.hta"});
    EXPECT_EQ(ReadIniValue(ProgramFolder() + L"\\ERUNT.INI", L"ERUNT", Keys::WinPatch), picked);
    const std::wstring mshta = SystemDirectory() + L"\\MSHTA.EXE";
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].commandLine, L"\"" + mshta + L"\" \"" + picked + L"\\vrnPatchLoader.hta\"");

    // The preferred loader wins; a cancelled search starts nothing and frees the button.
    ActionScene::Touch(picked + L"\\vrnRedezoreDereri.hta");
    RecordingHost again;
    bPatchLoader_Click(again);
    ASSERT_EQ(again.started.size(), 1u);
    EXPECT_NE(again.started[0].commandLine.find(L"vrnRedezoreDereri.hta"), std::wstring::npos);
    ActionScene::Set(Keys::WinPatch, L"");
    RecordingHost cancelled;
    bPatchLoader_Click(cancelled);
    EXPECT_TRUE(cancelled.started.empty());
    EXPECT_TRUE(cancelled.buttons[IDC_BPATCHLOADER]);
}

// NTREGOPT and PAGEDFRG start from ERUNT's folder (else the program's), quoted where a space needs it, never
// when missing or a folder; the cleaners start unchecked from their folders, which become the current one.
TEST(ToolLaunchersTest, EachToolGetsItsCommandLine) {
    ActionScene scene;
    const std::wstring spaced = scene.Path(), plain = ActionScene::UnspacedFolder(), missing = scene / L"fehlt";
    const std::wstring folder = scene / L"Ordner", program = ProgramFolder();
    std::filesystem::create_directories(folder + L"\\NTREGOPT.EXE");
    struct Row {
        void (*click)(ActionHost&);
        const wchar_t* key;
        std::wstring folder, file, line;  // no line: nothing starts
        const wchar_t* setting = nullptr; // when the settings name another folder
    };
    const Row rows[] = {
        {&bOptimierung_Click, L"InstallFolder", spaced, L"\\NTREGOPT.EXE",
         L"\"" + spaced + L"\\NTREGOPT.EXE\" /reboot"},
        {&bOptimierung_Click, L"InstallFolder", plain, L"\\NTREGOPT.EXE", plain + L"\\NTREGOPT.EXE /reboot"},
        {&bDefragment_Click, L"InstallFolder", spaced, L"\\PAGEDFRG.EXE", L"\"" + spaced + L"\\PAGEDFRG.EXE\" /reboot"},
        {&bOptimierung_Click, L"InstallFolder", missing, L"\\NTREGOPT.EXE", L""},
        {&bOptimierung_Click, L"InstallFolder", folder, L"\\NTREGOPT.EXE", L""},
        {&bOptimierung_Click, L"InstallFolder", program, L"\\NTREGOPT.EXE", program + L"\\NTREGOPT.EXE /reboot", L""},
        {&bDefragment_Click, L"InstallFolder", missing, L"\\PAGEDFRG.EXE", L""},
        {&bCleaner_Click, L"RegCleaner", spaced + L"\\Reg Cleaner", L"\\REGCLEANR.EXE",
         L"\"" + spaced + L"\\Reg Cleaner\\REGCLEANR.EXE\""},
        {&bBootClean_Click, L"BootClean", spaced, L"\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE",
         L"\"" + spaced + L"\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE\""},
        {&bBootClean_Click, L"BootClean", missing, L"\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE",
         L"\"" + missing + L"\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE\""}};
    const std::filesystem::path current = std::filesystem::current_path();
    for (const Row& row : rows) {
        if (row.folder == program && ActionScene::ProgramFolderOpen())
            continue;
        ActionScene::Set(row.key, row.setting ? row.setting : row.folder);
        if (row.folder != missing && row.folder != folder)
            ActionScene::Touch(row.folder + row.file);
        RecordingHost host;
        row.click(host);
        ASSERT_EQ(host.started.size(), row.line.empty() ? 0u : 1u) << row.folder + row.file;
        if (row.line.empty())
            continue;
        EXPECT_EQ(host.started[0].executable, row.folder + row.file);
        EXPECT_EQ(host.started[0].commandLine, row.line);
        const bool fromItsFolder = row.key != std::wstring(L"InstallFolder") && row.folder != missing;
        EXPECT_TRUE(!fromItsFolder || std::filesystem::equivalent(std::filesystem::current_path(), row.folder));
    }
    std::filesystem::current_path(current);
}

// A web page opens through the desktop's shell, as the logged-on user; with full rights only where it does not answer.
TEST(ToolLaunchersTest, TheWebPageOpensAsTheLoggedOnUser) {
    for (RecordingHost host; const bool answers : {true, false}) {
        host.desktopAnswers = answers;
        bUpdates_Click(host);
        EXPECT_EQ(host.opened, std::vector<std::wstring>{kEruntHomePage});
        EXPECT_EQ(host.openedWithOwnRights, answers ? std::vector<std::wstring>{} : host.opened);
    }
}
