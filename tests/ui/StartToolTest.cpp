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
    for (const auto& [click, answers, tool] : rows)
        for (const bool starts : {true, false}) {
            RecordingHost host(answers);
            host.selected = BackupListEntry(L"Sysreg", {}, sysreg, false);
            host.startError = starts ? ERROR_SUCCESS : 740; // elevation required
            click(host);
            ASSERT_EQ(host.started.size(), 1u) << tool;
            EXPECT_EQ(host.started[0].executable, tool);
            EXPECT_EQ(host.exitCode.has_value(), starts) << tool;
            const std::wstring told = starts || host.questions.empty() ? L"" : host.questions.back();
            EXPECT_EQ(told, starts ? L""
                                   : L"Das Programm ''" + tool + L"'' konnte nicht gestartet werden.   \n" +
                                         kNeedsAdministrator);
        }
    // Where every account may change them, nothing starts with full rights: RegCleaner starts through the
    // desktop's shell while it answers.
    ASSERT_TRUE(OpenToEveryAccount(tools));
    for (const auto& [click, answers, tool] : rows)
        for (const bool desktopAnswers : {true, false}) {
            RecordingHost host(answers);
            host.selected = BackupListEntry(L"Sysreg", {}, sysreg, true);
            host.desktopAnswers = desktopAnswers;
            click(host);
            const bool onDesktop = click == &bCleaner_Click && desktopAnswers;
            EXPECT_TRUE(host.started.empty() && host.opened.size() == onDesktop && host.handedOver == onDesktop)
                << tool;
        }
    std::filesystem::current_path(current);
}
