// What the tool launchers and the patch loader decide, through a recording host.
#include "RecordingHost.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "resource.h"
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
    const std::wstring notAFile = scene / L"Ordner", program = ProgramFolder(), cleaner = spaced + L"\\Reg Cleaner";
    const std::wstring ntregopt = L"\\NTREGOPT.EXE", pagedfrg = L"\\PAGEDFRG.EXE";
    const std::wstring prefetch = L"\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE";
    std::filesystem::create_directories(notAFile + ntregopt);
    // The click, its setting, the tool's folder (the program's when none is set), its file and its command line.
    const std::tuple<void (*)(ActionHost&), const wchar_t*, std::wstring, std::wstring, std::wstring> rows[] = {
        {&bOptimierung_Click, L"InstallFolder", spaced, ntregopt, L"\"" + spaced + ntregopt + L"\" /reboot"},
        {&bOptimierung_Click, L"InstallFolder", plain, ntregopt, plain + ntregopt + L" /reboot"},
        {&bDefragment_Click, L"InstallFolder", spaced, pagedfrg, L"\"" + spaced + pagedfrg + L"\" /reboot"},
        {&bOptimierung_Click, L"InstallFolder", missing, ntregopt, L""},
        {&bOptimierung_Click, L"InstallFolder", notAFile, ntregopt, L""},
        {&bOptimierung_Click, L"InstallFolder", program, ntregopt, program + ntregopt + L" /reboot"},
        {&bDefragment_Click, L"InstallFolder", missing, pagedfrg, L""},
        {&bCleaner_Click, L"RegCleaner", cleaner, L"\\REGCLEANR.EXE", L"\"" + cleaner + L"\\REGCLEANR.EXE\""},
        {&bBootClean_Click, L"BootClean", spaced, prefetch, L"\"" + spaced + prefetch + L"\""},
        {&bBootClean_Click, L"BootClean", missing, prefetch, L"\"" + missing + prefetch + L"\""}};
    const std::filesystem::path current = std::filesystem::current_path();
    for (const auto& [click, key, folder, file, line] : rows) {
        if (folder == program && ActionScene::ProgramFolderOpen())
            continue;
        ActionScene::Set(key, folder == program ? L"" : folder);
        if (folder != missing && folder != notAFile)
            ActionScene::Touch(folder + file);
        RecordingHost host;
        click(host);
        ASSERT_EQ(host.started.size(), line.empty() ? 0u : 1u) << folder + file;
        if (line.empty())
            continue;
        EXPECT_EQ(host.started[0].executable, folder + file);
        EXPECT_EQ(host.started[0].commandLine, line);
        const bool fromItsFolder = key != std::wstring(L"InstallFolder") && folder != missing;
        EXPECT_TRUE(!fromItsFolder || std::filesystem::equivalent(std::filesystem::current_path(), folder));
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
