// Every hand-over: a started tool ends the program, one that did not is told and the program stays.
#include "RecordingHost.h"
#include "backup/BackupList.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "launchers/PatchLoader.h"
#include "launchers/ToolLaunchers.h"
#include "services/BackupLock.h"
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
    // The click, its answers, the tool it starts, whether that needs an administrator's full rights.
    const std::tuple<void (*)(ActionHost&), std::deque<int>, std::wstring, bool> rows[] = {
        {bSicherungen_Click, {}, tools + L"\\ERUNT.EXE", true},
        {bOptimierung_Click, {}, tools + L"\\NTREGOPT.EXE", true},
        {bDefragment_Click, {}, tools + L"\\PAGEDFRG.EXE", true},
        {bCleaner_Click, {}, tools + L"\\REGCLEANR.EXE", false},
        {bBootClean_Click, {}, tools + L"\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE", false},
        {bPatchLoader_Click, {}, SystemDirectory() + L"\\MSHTA.EXE", true},
        {bWiederherstellen_Click, {IDYES, IDYES}, sysreg + L"\\Erdnt.exe", true},
        {LBackups_DblClick, {}, sysreg + L"\\Erdnt.exe", true}};
    const std::filesystem::path current = std::filesystem::current_path();
    {
        BackupLock other; // one backup at a time: while another runs, the manual backup starts none
        ASSERT_TRUE(other.Take());
        RecordingHost busy;
        bSicherungen_Click(busy);
        EXPECT_TRUE(busy.started.empty() && busy.questions.at(0).find(L"gerade eine Sicherung") != std::wstring::npos);
    }
    // Without full rights nothing starts and the user hears why, from Vista on offered a restart with them. From
    // an open folder nothing starts with full rights; RegCleaner starts through the desktop's shell if it answers.
    using enum Rights;
    for (const auto& [rights, starts, open, desktopAnswers] : {std::tuple{Full, true, false, false},
                                                               {Full, false, false, false},
                                                               {Elevatable, false, false, false},
                                                               {None, false, false, false},
                                                               {Full, true, true, true},
                                                               {Full, true, true, false}}) {
        ASSERT_TRUE(!open || OpenToEveryAccount(tools));
        for (const auto& [click, answers, tool, needsRights] : rows) {
            RecordingHost host(answers);
            if (rights == Elevatable)
                host.answers.push_back(IDYES); // to start the program again
            host.rights = needsRights ? rights : Full;
            host.selected = BackupListEntry(L"Sysreg", {}, sysreg, false);
            host.startError = starts ? ERROR_SUCCESS : 740; // elevation required
            host.desktopAnswers = desktopAnswers;
            click(host);
            const bool full = host.rights == Full, onDesktop = desktopAnswers && click == &bCleaner_Click;
            const bool started = full && !open;
            ASSERT_EQ(host.started.size(), started ? 1u : 0u) << tool;
            EXPECT_TRUE(!started || host.started[0].executable == tool) << tool;
            EXPECT_EQ(host.restarts, host.rights == Elevatable ? 1 : 0);
            EXPECT_EQ(host.exitCode.has_value(), (started && starts) || host.restarts || onDesktop) << tool;
            EXPECT_EQ(host.opened.size(), onDesktop ? 1u : 0u) << tool;
            const std::wstring told = open || starts || host.questions.empty() ? L"" : host.questions.back();
            const std::wstring failed = L"Das Programm ''" + tool + L"'' konnte nicht gestartet werden.   \n";
            EXPECT_TRUE(told.starts_with(!full ? L"Hierfür werden die vollen Rechte eines Administrators benötigt."
                                         : started && !starts ? failed + kNeedsAdministrator
                                                              : L""))
                << told;
        }
    }
    std::filesystem::current_path(current);
}

// The system's reason names the file it speaks of, which its text leaves to the caller as "%1".
TEST(HandOverTest, TheReasonNamesTheTool) {
    const std::wstring reason = FailureReason(ERROR_BAD_EXE_FORMAT, L"C:\\X.EXE");
    EXPECT_TRUE(reason.find(L"C:\\X.EXE") != std::wstring::npos && reason.find(L"%1") == std::wstring::npos) << reason;
}
