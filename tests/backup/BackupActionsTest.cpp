// What the backup actions decide, through a recording host.
#include "RecordingHost.h"
#include "backup/AutomaticBackup.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "services/UserProfiles.h"
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

        ASSERT_EQ(host.questions.size(), row.todayExists ? 1u : 0u);
        EXPECT_TRUE(!row.todayExists || (host.styles[0] & MB_DEFMASK) == MB_DEFBUTTON2) << "No unless chosen";
        // ERUNT's date settings name today's folder as asked about.
        const auto setting = [&](const wchar_t* key) { return ReadIniValue(install + L"\\ERUNT.INI", L"ERUNT", key); };
        EXPECT_EQ(setting(L"DateFormat") + setting(L"DateSeparator"), L"yyyy/mm/dd-");
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

// Without AUTOBACK.EXE in ERUNT's folder no entry is made. The AUTOBACK that was found there makes
// the first backup into the program's Sysreg, where restore looks; an entry is removed without AUTOBACK.
TEST(AutostartButtonTest, AutobackRunsFromEruntsFolderAndIsNeededOnlyToSwitchOn) {
    ActionScene scene;
    ActionScene::Set(Keys::InstallFolder, scene.Path());
    RecordingHost missing({IDYES, IDYES});
    bAutosicherung_Click(missing);
    ASSERT_EQ(missing.questions.size(), 1u);
    EXPECT_NE(missing.questions[0].find(L"nicht im Ordner gefunden"), std::wstring::npos) << missing.questions[0];
    EXPECT_FALSE(AutomaticBackupIsOn());

    const std::wstring autoback = ActionScene::Touch(scene / L"AUTOBACK.EXE");
    RecordingHost on({IDYES, IDYES});
    bAutosicherung_Click(on);
    ASSERT_EQ(on.started.size(), 1u);
    EXPECT_EQ(on.started[0].executable, scene / L"Autoback.exe");
    EXPECT_EQ(on.started[0].commandLine, L"\"" + scene / L"Autoback.exe\" \"" + ProgramFolder() +
                                             L"\\Sysreg\" curuser otherusers /noconfirmdelete /alwayscreate");
    EXPECT_TRUE(AutomaticBackupIsOn());

    std::filesystem::remove(autoback);
    RecordingHost off({IDYES});
    bAutosicherung_Click(off);
    EXPECT_FALSE(AutomaticBackupIsOn());
}

// The automatic backup of a profile is only ever the account's own: the restorer in the profile of
// another account whose name is registered never starts.
TEST(RestoreTest, OffersTheAutomaticBackupOfTheAccountsOwnProfileOnly) {
    const std::wstring own = _wgetenv(L"USERPROFILE") + std::wstring(L"\\Sysreg");
    for (const std::wstring& place : {ProfilesFolder() + L"\\Anna\\Sysreg", own}) {
        ActionScene::Touch(place + L"\\Erdnt.exe");
        RecordingHost host({IDYES, IDYES}); // whose registered user is Anna
        bWiederherstellen_Click(host);
        std::filesystem::remove_all(place == own ? place : ProfilesFolder() + L"\\Anna");
        EXPECT_EQ(host.started.size() == 1 && host.started[0].executable == place + L"\\Erdnt.exe", place == own)
            << place;
    }
}

} // namespace
