// What the backup, restore and clean-up actions decide, through a recording host.
#include "RecordingHost.h"
#include "backup/AutomaticBackup.h"
#include "cleanup/CleanupButton.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kArguments[] = L" sysreg curuser otherusers /noconfirmdelete";

// Today's folder as ERUNT names it.
std::wstring Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t name[16];
    swprintf(name, 16, L"%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
    return name;
}

TEST(ManualBackupTest, StartsEruntIntoTodaysFolderAndCloses) {
    struct Row {
        bool spaced, destinationExists, todayExists;
        int answer;
        bool starts;
        const wchar_t* destination = nullptr; // an existing folder other than the scene's
    };
    for (const Row row :
         {Row{true, true, false, 0, true}, Row{false, true, false, 0, true}, Row{true, false, false, 0, true},
          Row{true, true, true, IDNO, false}, Row{true, true, true, IDYES, true},
          Row{true, true, false, 0, true, L"C:\\"}}) { // a drive root is handed over as it is
        ActionScene scene;
        RecordingHost host({row.answer});
        const std::wstring install = row.spaced ? scene / L"Erunt Ordner" : ActionScene::UnspacedFolder();
        const std::wstring erunt = ActionScene::Touch(install + L"\\ERUNT.EXE");
        const std::wstring destination = row.destination ? row.destination : scene / L"Backup";
        if (row.destinationExists)
            std::filesystem::create_directories(destination);
        if (row.todayExists)
            std::filesystem::create_directories(destination + L"\\" + Today());
        ActionScene::Set(Keys::InstallFolder, install);
        ActionScene::Set(Keys::DefaultDestinationFolder, destination);

        bSicherungen_Click(host);

        EXPECT_EQ(host.questions.size(), row.todayExists ? 1u : 0u);
        ASSERT_EQ(host.started.size(), row.starts ? 1u : 0u);
        EXPECT_EQ(host.handedOver, row.starts);
        if (!row.starts)
            continue;
        const std::wstring program = row.spaced || !row.destinationExists ? L"\"" + erunt + L"\"" : erunt;
        const std::wstring target = row.destinationExists ? L" \"" + destination + L"\\#Date#\"" : L"";
        EXPECT_EQ(host.started[0].executable, erunt);
        EXPECT_EQ(host.started[0].commandLine, program + target + kArguments);
    }
}

// Without AUTOBACK.EXE in ERUNT's folder the entry is neither offered nor made.
TEST(AutostartButtonTest, AMissingAutobackIsReportedAndNothingMore) {
    ActionScene scene;
    ActionScene::Set(Keys::InstallFolder, scene.Path());
    RecordingHost host({IDYES, IDYES});
    bAutosicherung_Click(host);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_NE(host.questions[0].find(L"nicht im Ordner gefunden"), std::wstring::npos) << host.questions[0];
    EXPECT_TRUE(host.started.empty());
}

TEST(CleanupButtonTest, ClosesTheProgramOnlyWhenCopiesWereRemoved) {
    for (const uint64_t found : {0, 3}) {
        RecordingHost host;
        host.cleanupFinds = found;
        bBereinigung_Click(host);
        EXPECT_EQ(host.exitCode.has_value(), found != 0);
    }
}

// Yes to both questions starts the restorer of the automatic backup in the backup folder.
TEST(RestoreTest, TheAutomaticBackupIsRestoredFromTheBackupFolderFirst) {
    ActionScene scene;
    ActionScene::Set(Keys::DefaultDestinationFolder, scene.Path());
    const std::wstring restorer = ActionScene::Touch(scene / L"Sysreg\\Erdnt.exe");
    RecordingHost host({IDYES, IDYES});
    bWiederherstellen_Click(host);
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].commandLine, L"\"" + restorer + L"\"");
    EXPECT_TRUE(host.handedOver);
}

} // namespace
