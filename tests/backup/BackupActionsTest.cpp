// What the backup actions decide, through a recording host.
#include "RecordingHost.h"
#include "backup/AutomaticBackup.h"
#include "backup/BackupList.h"
#include "backup/EruntCommands.h"
#include "backup/Backups.h"
#include "backup/ManualBackup.h"
#include "backup/Restore.h"
#include "services/Registry.h"
#include "services/UserProfiles.h"
#include "services/WinSystemInfo.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(BackupListTest, EntriesCarryTheirFolderBehindThreeTabs) {
    const std::wstring folder = L"D:\\Sicherung mit\tTab";
    const std::wstring entry = BackupListEntry(L"2008-03-07", {2008, 3, 0, 7, 4, 5}, folder, false);
    EXPECT_EQ(entry, L"\t2008-03-07\t(07.03 2008, 04:05)\t" + folder);
    EXPECT_EQ(FolderOfEntry(entry), folder);
}

TEST(ManualBackupTest, StartsEruntIntoTodaysFolderAndCloses) {
    // ERUNT's folder spaced, the destination there, today's folder there, the answer, whether ERUNT starts, another
    // destination (a drive root is handed over as it is), ERUNT's settings naming today's folder dd.mm.yyyy.
    for (const auto& [spaced, destinationExists, todayExists, answer, starts, otherDestination, dayFirst] :
         {std::tuple{true, true, false, 0, true, L"", false},
          {false, true, false, 0, true, L"", false},
          {true, false, false, 0, true, L"", false},
          {true, true, true, IDNO, false, L"", false},
          {true, true, true, IDYES, true, L"", false},
          {true, true, true, IDNO, false, L"", true},
          {true, true, false, 0, true, L"C:\\", false}}) {
        ActionScene scene;
        RecordingHost host({answer});
        const std::wstring install = spaced ? scene / L"Erunt Ordner" : ActionScene::UnspacedFolder();
        const std::wstring erunt = ActionScene::Touch(install + L"\\ERUNT.EXE");
        const std::wstring destination = *otherDestination ? otherDestination : scene / L"Backup";
        if (destinationExists)
            std::filesystem::create_directories(destination);
        const auto setting = [&](const wchar_t* key) { return ReadIniValue(install + L"\\ERUNT.INI", L"ERUNT", key); };
        if (dayFirst)
            for (const auto& [key, value] : {std::pair{L"DateFormat", L"dd/mm/yyyy"}, {L"DateSeparator", L"."}})
                WriteIniValue(install + L"\\ERUNT.INI", L"ERUNT", key, value);
        SYSTEMTIME now; // today's folder as ERUNT names it: by default, or by its own choice of the day first
        GetLocalTime(&now);
        if (todayExists)
            std::filesystem::create_directories(destination + L"\\" +
                                                (dayFirst ? DayMonthYear(now) : EruntDate(now, L"yyyy/mm/dd", L"-")));
        ActionScene::Set(Keys::InstallFolder, install);
        ActionScene::Set(Keys::DefaultDestinationFolder, destination);

        bSicherungen_Click(host);

        ASSERT_EQ(host.questions.size(), todayExists ? 1u : 0u);
        EXPECT_TRUE(!todayExists || (host.styles[0] & MB_DEFMASK) == MB_DEFBUTTON2) << "No unless chosen";
        // ERUNT's date settings name today's folder as asked about; its own are kept.
        EXPECT_EQ(setting(L"DateFormat") + setting(L"DateSeparator"), dayFirst ? L"dd/mm/yyyy." : L"yyyy/mm/dd-");
        ASSERT_EQ(host.started.size(), starts ? 1u : 0u);
        EXPECT_EQ(host.handedOver, starts);
        if (!starts)
            continue;
        const std::wstring program = spaced || !destinationExists ? L"\"" + erunt + L"\"" : erunt;
        const std::wstring target = destinationExists ? L" \"" + destination + L"\\#Date#\"" : L"";
        EXPECT_EQ(host.started[0].executable, erunt);
        EXPECT_EQ(host.started[0].commandLine, program + target + L" sysreg curuser otherusers /noconfirmdelete");
    }
}

// Without AUTOBACK.EXE or full rights no entry is made and the user hears why; the first backup goes to Sysreg.
TEST(AutostartButtonTest, AutobackRunsFromEruntsFolderAndOnlyThisAccountsTaskIsOn) {
    if (ActionScene::ProgramFolderOpen())
        GTEST_SKIP();
    ActionScene scene;
    ActionScene::Set(Keys::InstallFolder, scene.Path());
    for (const auto& [rights, told] :
         {std::pair{Rights::Full, L"nicht im Ordner gefunden"}, {Rights::None, L"Administrator"}}) {
        RecordingHost refused({IDYES, IDYES});
        refused.rights = rights;
        bAutosicherung_Click(refused);
        ASSERT_EQ(refused.questions.size(), 1u);
        EXPECT_TRUE(refused.questions[0].find(told) != std::wstring::npos && !AutomaticBackupIsOn(refused));
        ActionScene::Touch(scene / L"AUTOBACK.EXE");
    }
    RecordingHost first({IDYES, IDYES});
    bAutosicherung_Click(first);
    ASSERT_EQ(first.started.size(), 1u);
    EXPECT_EQ(first.started[0].executable, scene / L"Autoback.exe");
    EXPECT_EQ(first.started[0].commandLine,
              L"\"" + scene / L"Autoback.exe\" \"" + ProgramFolder() +
                  L"\\Sysreg\\#Date#\" sysreg curuser otherusers /noconfirmdelete /alwayscreate");
    EXPECT_TRUE(AutomaticBackupIsOn(first));
    // On: this account's task starting this program, or an old Run value. Switching on replaces this account's
    // task that does not back up; switching off removes it and the old shared name's, never another account's.
    const std::wstring own = L"Hivora Autosicherung " + AccountSid(), before = L"Hivora Autosicherung";
    const LogonTask backsUp = {CurrentAccount(), L"\"" + ProgramPath() + L"\"", L"/Auto", ProgramFolder()};
    const LogonTask others = {L"PC\\Bob", backsUp.program}, moved = {backsUp.account, L"C:\\Alt\\HIVORA.exe"};
    const LogonTask disabled = {backsUp.account, backsUp.program, L"", L"", false}, unknown; // as Wine keeps one
    // The task of the name (none: a Run value instead), and whether that is on.
    for (const auto& [name, planted, on] : {std::tuple{own, std::optional(backsUp), true},
                                            {own, disabled, false},
                                            {own, moved, false},
                                            {before, unknown, true},
                                            {before, others, false},
                                            {own, std::nullopt, true}}) {
        RecordingHost host({IDYES, IDNO});
        if (planted)
            host.tasks[name] = *planted;
        else
            RegistryWriteValue(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", L"x", KEY_WOW64_64KEY);
        bAutosicherung_Click(host);
        EXPECT_NE(host.questions.at(0).find(on ? L"entfernt" : L"eingetragen"), std::wstring::npos);
        // Left: this account's task once switched on, and another account's always.
        std::map<std::wstring, LogonTask> left = {{own, backsUp}, {before, others}};
        std::erase_if(left, [&](const auto& task) { return task.first == own ? on : planted != others; });
        EXPECT_EQ(host.tasks, left) << host.questions[0];
        EXPECT_EQ(AutomaticBackupIsOn(host), !on) << "switched, a Run value included";
    }
    // Each place the log-on run starts or reads, open to every account, is refused and named.
    for (const std::wstring& open : {AutobackPath(scene.Path()), scene.Path(), ProgramSettingsFile()}) {
        RecordingHost refused({IDYES, IDYES});
        bAutosicherung_Click((OpenToEveryAccount(open), refused));
        EXPECT_TRUE(refused.questions.at(0).find(L"''" + open + L"''") != std::wstring::npos && refused.tasks.empty())
            << refused.questions[0];
    }
}

// Restore offers the automatic backup with the newest Erdnt.Inf, of the account's own profile, never the
// registered user's; else it lists the manual ones, the newest by Erdnt.Inf (else folder) selected.
TEST(RestoreTest, TheNewestAutomaticBackupOrTheListOfManualOnes) {
    ActionScene scene; // ERUNT's settings are the program's
    ActionScene::Set(Keys::DefaultDestinationFolder, scene / L"Sicherungen");
    const std::wstring other = ProfilesFolder() + L"\\Anna", own = _wgetenv(L"USERPROFILE") + std::wstring(L"\\Sysreg");
    ActionScene::Touch(other + L"\\Sysreg\\Erdnt.exe");
    const std::wstring userInfo = L"Software\\Microsoft\\MS Setup (ACME)\\User Info";
    UniqueKey key; // the registered user's name, as an office suite writes it
    RegCreateKeyExW(HKEY_CURRENT_USER, userInfo.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr);
    ASSERT_TRUE(RegistryWriteValue(HKEY_CURRENT_USER, userInfo, L"DefName", L"Anna"));
    EXPECT_FALSE(RestoreAvailable());
    for (const auto& [name, infAge, folderAge] :
         {std::tuple{L"01-12-2026", 30, 50}, {L"25-11-2026", 40, 1}, {L"20-11-2026", 0, 35}}) {
        const std::wstring backup = scene / (std::wstring(L"Sicherungen\\") + name);
        ActionScene::Touch(backup + L"\\Erdnt.exe");
        if (infAge)
            ActionScene::Age(ActionScene::Touch(backup + L"\\Erdnt.Inf"), infAge);
        ActionScene::Age(backup, folderAge);
    }
    ASSERT_TRUE(RestoreAvailable());
    RecordingHost manual({IDYES});
    bWiederherstellen_Click(manual);
    std::filesystem::remove_all(other);
    RegistryDeleteValue(HKEY_CURRENT_USER, userInfo, L"DefName");
    EXPECT_TRUE(manual.questions.empty());
    ASSERT_EQ(manual.listed.size(), 3u);
    EXPECT_EQ(FolderOfEntry(manual.listed[manual.listSelection]), scene / L"Sicherungen\\01-12-2026");

    const std::wstring sysreg = scene / L"Sicherungen\\Sysreg";
    // The folder of each Erdnt.Inf, whether a restorer lies beside it, and its age; "" for the one-folder form.
    for (const auto& [folder, restorer, age] :
         {std::tuple{L"", true, 9}, {L"\\2026-12-01", true, 2}, {L"\\2026-11-30", true, 3}, {L"\\leer", false, 1}}) {
        if (restorer)
            ActionScene::Touch(own + folder + L"\\Erdnt.exe");
        ActionScene::Age(ActionScene::Touch(own + folder + L"\\Erdnt.Inf"), age);
    }
    // The same backups are found in the backup folder too.
    for (const std::wstring& place : {own, sysreg}) {
        RecordingHost automatic({IDYES, IDYES});
        bWiederherstellen_Click(automatic);
        if (place == own)
            std::filesystem::rename(own, sysreg);
        const auto saved = LastWritten(sysreg + L"\\2026-12-01\\Erdnt.Inf");
        EXPECT_NE(automatic.questions.at(1).find(L"am " + DayMonthYear(*saved) + L" gespeicherte"), std::wstring::npos);
        EXPECT_EQ(automatic.started.at(0).executable, place + L"\\2026-12-01\\Erdnt.exe");
    }
    // An open backup folder's backups are passed over for the profile's, or listed marked and asked, No by default.
    ActionScene::Touch(own + L"\\Erdnt.exe");
    ASSERT_TRUE(OpenToEveryAccount(scene / L"Sicherungen"));
    RecordingHost guarded({IDYES, IDYES, IDNO});
    bWiederherstellen_Click(guarded);
    bWiederherstellen_Click(guarded);
    guarded.selected = guarded.listed.at(1);
    LBackups_DblClick(guarded);
    ActionScene::Set(Keys::DefaultDestinationFolder, scene / L"fehlt");
    bWiederherstellen_Click(guarded);
    std::filesystem::remove_all(own);
    EXPECT_EQ(guarded.started.at(0).executable, own + L"\\Erdnt.exe");
    EXPECT_NE(guarded.selected.find(L" ungeschützt\t"), std::wstring::npos);
    ASSERT_EQ(guarded.questions.size(), 6u);
    EXPECT_EQ(guarded.styles[3] & MB_DEFMASK, static_cast<UINT>(MB_DEFBUTTON2));
    EXPECT_NE(guarded.questions[5].find(L"fehlt'' ist nicht vorhanden"), std::wstring::npos);
    EXPECT_EQ(guarded.started.size(), 1u);
}

} // namespace
