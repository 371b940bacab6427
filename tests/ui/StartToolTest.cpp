// Every hand-over to a tool, through a recording host: a tool that started ends the program, one that
// did not is told, which and why, and the program stays.
#include "RecordingHost.h"
#include "backup/BackupList.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "services/WindowsOrdner.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

TEST(HandOverTest, OnlyAToolThatStartedEndsTheProgram) {
    ActionScene scene;
    const std::wstring tools = scene.Path(), sysreg = scene / L"Sysreg";
    for (const wchar_t* file :
         {L"ERUNT.EXE", L"NTREGOPT.EXE", L"PAGEDFRG.EXE", L"REGCLEANR.EXE",
          L"WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE", L"vrnPatchLoader.hta", L"Sysreg\\Erdnt.exe"})
        ActionScene::Touch(scene / file);
    for (const wchar_t* key :
         {Keys::InstallFolder, Keys::DefaultDestinationFolder, Keys::RegCleaner, Keys::BootClean, Keys::WinPatch})
        ActionScene::Set(key, tools);
    const std::tuple<void (*)(ActionHost&), std::deque<int>, std::wstring> rows[] = {
        {bSicherungen_Click, {}, tools + L"\\ERUNT.EXE"},
        {bOptimierung_Click, {}, tools + L"\\NTREGOPT.EXE"},
        {bDefragment_Click, {}, tools + L"\\PAGEDFRG.EXE"},
        {bCleaner_Click, {}, tools + L"\\REGCLEANR.EXE"},
        {bBootClean_Click, {}, tools + L"\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE"},
        {bPatchLoader_Click, {}, SystemDirectory() + L"\\MSHTA.EXE"},
        {bWiederherstellen_Click, {IDYES, IDYES}, sysreg + L"\\Erdnt.exe"},
        {LBackups_DblClick, {}, sysreg + L"\\Erdnt.exe"}};
    const std::filesystem::path current = std::filesystem::current_path();
    // It starts or not; then, open to every account, nothing starts with full rights: RegCleaner starts
    // through the desktop's shell while that answers.
    for (const int state : {0, 1, 2, 3}) {
        ASSERT_TRUE(state != 2 || OpenToEveryAccount(tools));
        for (const auto& [click, answers, tool] : rows) {
            RecordingHost host(answers);
            host.selected = BackupListEntry(L"Sysreg", {}, sysreg, false);
            host.startError = state == 1 ? 740 : ERROR_SUCCESS; // elevation required
            host.desktopAnswers = state == 2;
            click(host);
            const bool onDesktop = state == 2 && click == &bCleaner_Click;
            ASSERT_EQ(host.started.size(), state < 2 ? 1u : 0u) << tool;
            EXPECT_EQ(host.exitCode.has_value(), state == 0 || onDesktop) << tool;
            EXPECT_EQ(host.opened.size(), onDesktop ? 1u : 0u) << tool;
            if (state >= 2)
                continue;
            EXPECT_EQ(host.started[0].executable, tool);
            const std::wstring told = state == 0 || host.questions.empty() ? L"" : host.questions.back();
            EXPECT_EQ(told, state == 0 ? L""
                                       : L"Das Programm ''" + tool + L"'' konnte nicht gestartet werden.   \n" +
                                             kNeedsAdministrator);
        }
    }
    std::filesystem::current_path(current);
}
