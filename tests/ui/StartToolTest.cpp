// Every hand-over to a tool that does not start, through a recording host: the user is told which
// tool and why, and the program stays.
#include "RecordingHost.h"
#include "backup/BackupList.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "services/WindowsOrdner.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

TEST(StartToolTest, AToolThatDoesNotStartIsToldAndTheProgramStays) {
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
        for (const DWORD error : {DWORD{ERROR_BAD_EXE_FORMAT}, DWORD{740}}) { // 740: elevation required
            RecordingHost host(answers);
            host.selected = BackupListEntry(L"Sysreg", {}, sysreg);
            host.startError = error;
            click(host);
            ASSERT_EQ(host.started.size(), 1u) << tool;
            EXPECT_EQ(host.started[0].executable, tool);
            EXPECT_FALSE(host.exitCode.has_value()) << tool;
            const std::wstring told = host.questions.back();
            EXPECT_EQ(told.rfind(L"Das Programm ''" + tool + L"'' konnte nicht gestartet werden.   \n", 0), 0u) << told;
            EXPECT_EQ(told.find(L"mit Administratorrechten") != std::wstring::npos, error == 740) << told;
        }
    std::filesystem::current_path(current);
}
